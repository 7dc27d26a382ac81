#include "scene/marks.h"

#include "scene/scenegeometry.h"
#include "ui/picturesurface.h"

#include <QRegion>

#include <cmath>

namespace scene {

namespace {

constexpr int markLineWidth = 2;

void drawMark(PictureSurface& surface, const Mark& m)
{
    const double x = m.x;
    const double y = m.y;
    if (m.projected) {
        surface.line(originX - 3, y, originX + 3, y, m.axisColour);
        surface.line(originX, y - 3, originX, y + 3, m.axisColour);
        surface.line(x - 3, groundRow, x + 3, groundRow, m.axisColour);
        surface.line(x, groundRow - 3, x, groundRow + 3, m.axisColour);
    }
    surface.line(x - 3, y, x + 3, y, m.colour);
    surface.line(x, y - 3, x, y + 3, m.colour);
}

// Every pixel a mark may touch, its projections included, with room for the
// width of the lines.
QRect extentOf(const Mark& m)
{
    const int reach = 3 + markLineWidth;
    QRect extent(QPoint(m.x - reach, m.y - reach), QPoint(m.x + reach, m.y + reach));
    if (m.projected) {
        extent |= QRect(QPoint(originX - reach, m.y - reach), QPoint(originX + reach, m.y + reach));
        extent |= QRect(QPoint(m.x - reach, groundRow - reach), QPoint(m.x + reach, groundRow + reach));
    }
    return extent;
}

} // namespace

Mark markAt(float posX, double posY, QColor axisColour, QColor colour, bool projected)
{
    const double x = sceneX(double(posX));
    double y = imageTopFor(posY) + pictureHalf;
    if (y > groundRow)
        y = groundRow;
    return {int16_t(std::nearbyint(x)), int16_t(std::nearbyint(y)), axisColour, colour, projected};
}

MarkList::MarkList() = default;
MarkList::~MarkList() = default;

void MarkList::clear()
{
    m_marks.clear();
    m_layer.reset();
    m_onLayer = 0;
    m_layerArea = QRect();
}

void MarkList::drawOlderOnLayer(int width, int height, qreal devicePixelRatio)
{
    if (!m_layer || m_layer->width() != width || m_layer->height() != height
        || m_layer->devicePixelRatio() != devicePixelRatio) {
        m_layer = std::make_unique<PictureSurface>(width, height, Qt::transparent, devicePixelRatio);
        m_onLayer = 0;
        m_layerArea = QRect();
    }
    m_layer->setLineWidth(markLineWidth);
    for (; m_onLayer + 1 < m_marks.size(); ++m_onLayer) {
        drawMark(*m_layer, m_marks[m_onLayer]);
        m_layerArea |= extentOf(m_marks[m_onLayer]);
    }
    m_layerArea &= QRect(0, 0, width, height);
}

void MarkList::lespoints(PictureSurface& surface, QColor axisColour, QColor colour, bool projected)
{
    lespoints(surface, axisColour, colour, projected, surface.rect());
}

void MarkList::lespoints(PictureSurface& surface, QColor axisColour, QColor colour, bool projected,
                         const QRegion& within)
{
    if (m_marks.empty())
        return;
    Mark& newest = m_marks.back();
    newest.axisColour = axisColour;
    newest.colour = colour;
    newest.projected = projected;

    if (m_marks.size() > 1) {
        drawOlderOnLayer(surface.width(), surface.height(), surface.devicePixelRatio());
        surface.paintLayer(m_layer->canvas(), within & m_layerArea);
    }
    surface.setLineWidth(markLineWidth);
    drawMark(surface, newest);
    surface.setLineWidth(1);
}

} // namespace scene
