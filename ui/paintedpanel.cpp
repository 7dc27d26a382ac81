#include "ui/paintedpanel.h"

#include <QPainter>

PaintedPanel::PaintedPanel(const QString& objectName, QWidget* parent, Painter painter)
    : QWidget(parent)
    , m_painter(std::move(painter))
{
    setObjectName(objectName);
    setMouseTracking(true);
    // The panel fills itself: nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintedPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), panelColour());
    if (m_painter)
        m_painter(painter);
}
