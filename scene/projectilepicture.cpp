#include "scene/projectilepicture.h"

#include <QImageReader>
#include <QPainter>

namespace scene {

QImage projectilePicture(const QString& path)
{
    const QImage picture = QImageReader(path).read();
    if (!picture.isNull())
        return picture;
    QImage disc(projectilePictureSide, projectilePictureSide, QImage::Format_ARGB32_Premultiplied);
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(plainDiscColour());
    painter.drawEllipse(QRectF(3, 3, projectilePictureSide - 6, projectilePictureSide - 6));
    return disc;
}

} // namespace scene
