#include "ui/colourswatch.h"

#include "ui/focusframe.h"

ColourSwatch::ColourSwatch(QWidget* parent)
    : QLabel(parent)
{
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void ColourSwatch::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    paintFocusFrame(this);
}
