#include "app/helpkey.h"

#include <QCoreApplication>
#include <QKeyEvent>

HelpKey::HelpKey(QObject* owner, std::function<void()> openHelp) : QObject(owner), m_openHelp(std::move(openHelp))
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            m_openHelp();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
