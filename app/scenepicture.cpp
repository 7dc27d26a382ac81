#include "app/scenepicture.h"

#include "scene/scenegeometry.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

ScenePicture::ScenePicture(QWidget* parent)
    : QWidget(parent)
    , m_surface(scene::sceneWidth, scene::sceneHeight, QColor(224, 224, 224), devicePixelRatioF())
{
    setObjectName(QStringLiteral("Picture2"));
    setFixedSize(m_surface.width(), m_surface.height());
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScenePicture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const qreal ratio = m_surface.devicePixelRatio();
    // A tick asks for the few rectangles where something moved.
    for (const QRect& area : event->region())
        painter.drawImage(QRectF(area), m_surface.canvas(),
                          QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
    // Reached by Tab, the scene shows it has the focus: its menu key works.
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = visibleRegion().boundingRect().adjusted(1, 1, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ScenePicture::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void ScenePicture::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void ScenePicture::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event);
}

void ScenePicture::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(event);
}

void ScenePicture::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event);
}
