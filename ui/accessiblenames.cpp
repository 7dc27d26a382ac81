#include "ui/accessiblenames.h"

#include <QAbstractButton>
#include <QRegularExpression>

namespace {

QString spokenText(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text.simplified();
}

} // namespace

void nameByCaptions(std::initializer_list<std::pair<QWidget*, const char*>> captions)
{
    for (const auto& [control, caption] : captions)
        control->setAccessibleName(QString::fromUtf8(caption));
}

void nameForScreenReaders(QWidget* window, const std::function<QString(const QString&)>& hint)
{
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || !control->accessibleName().isEmpty())
            continue;
        QString spoken;
        if (const auto* button = qobject_cast<QAbstractButton*>(control))
            spoken = spokenText(button->text());
        if (spoken.isEmpty())
            spoken = spokenText(control->toolTip());
        if (spoken.isEmpty() && hint)
            spoken = spokenText(hint(name));
        if (!spoken.isEmpty())
            control->setAccessibleName(spoken);
    }
}
