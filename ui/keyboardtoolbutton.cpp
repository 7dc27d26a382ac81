#include "ui/keyboardtoolbutton.h"

#include "ui/focuskeys.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

KeyboardToolButton::KeyboardToolButton(QWidget* parent)
    : QToolButton(parent)
{
    onEnterKey(this, [this] { click(); });
}

void KeyboardToolButton::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(1, 1, -1, -1);
    frame.backgroundColor = palette().color(QPalette::Button);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}
