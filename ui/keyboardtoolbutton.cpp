#include "ui/keyboardtoolbutton.h"

#include "ui/focusframe.h"
#include "ui/focuskeys.h"

KeyboardToolButton::KeyboardToolButton(QWidget* parent)
    : QToolButton(parent)
{
    onEnterKey(this, [this] { click(); });
}

void KeyboardToolButton::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    paintFocusFrame(this);
}
