#include "app/scenepicture.h"

#include "ui/picturesurface.h"

#include <QMouseEvent>
#include <QPainter>

ScenePicture::ScenePicture(PictureSurface& surface, QWidget* parent)
    : QWidget(parent)
    , m_surface(surface)
{
    setObjectName(QStringLiteral("Picture2"));
    setFixedSize(surface.width(), surface.height());
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScenePicture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, m_surface.canvas(), area);
}

void ScenePicture::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event);
}
