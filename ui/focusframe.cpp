#include "ui/focusframe.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

void paintFocusFrame(QWidget* widget)
{
    if (!widget->hasFocus())
        return;
    QStylePainter painter(widget);
    QStyleOptionFocusRect frame;
    frame.initFrom(widget);
    frame.rect = widget->rect().adjusted(1, 1, -1, -1);
    frame.backgroundColor = widget->palette().color(widget->backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}
