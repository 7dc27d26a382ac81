#include "ui/enterkey.h"

#include <QShortcut>

void onEnterKey(QWidget* control, std::function<void()> act)
{
    auto* enter = new QShortcut(control);
    enter->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    enter->setContext(Qt::WidgetShortcut);
    QObject::connect(enter, &QShortcut::activated, control, std::move(act));
}
