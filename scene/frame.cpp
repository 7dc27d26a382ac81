#include "scene/frame.h"

#include "scene/scenegeometry.h"
#include "ui/picturesurface.h"

#include <QRegion>

namespace scene {

namespace {
// The grid covers x 0 to 10 m and y 0 to 11 m; the axes run on to these ends.
constexpr int gridRight = 390;
constexpr int gridTop = 40;
constexpr int xAxisEnd = 402;
constexpr int yAxisEnd = 20;
constexpr int metre = int(pixelsPerMetre);
} // namespace

void repere(PictureSurface& surface, bool grid, QColor colour)
{
    surface.setLineWidth(1);
    const int xFrom = grid ? originX : originX - 2;
    const int xTo = grid ? gridRight : originX + 3;
    const int yFrom = grid ? gridTop : groundRow - 3;
    const int yTo = grid ? groundRow : groundRow + 3;
    surface.setDotted(grid);

    // One division is one metre both ways: twelve rows, eleven columns.
    for (int y = groundRow; y >= gridTop; y -= metre)
        surface.line(xFrom, y, xTo, y, colour);
    for (int x = originX; x <= gridRight; x += metre)
        surface.line(x, yFrom, x, yTo, colour);

    surface.setDotted(false);
    surface.line(originX, groundRow, xAxisEnd, groundRow, colour);
    surface.line(xAxisEnd - 8, groundRow + 4, xAxisEnd, groundRow, colour);
    surface.line(xAxisEnd - 8, groundRow - 4, xAxisEnd, groundRow, colour);

    surface.line(originX, yAxisEnd, originX, groundRow, colour);
    surface.line(originX, yAxisEnd, originX + 4, yAxisEnd + 8, colour);
    surface.line(originX, yAxisEnd, originX - 4, yAxisEnd + 8, colour);
}

FrameLayer::FrameLayer() = default;
FrameLayer::~FrameLayer() = default;

void FrameLayer::paint(PictureSurface& surface, bool grid, QColor colour, const QRegion& within)
{
    if (!m_layer || m_grid != grid || m_colour != colour || m_layer->width() != surface.width()
        || m_layer->height() != surface.height() || m_layer->devicePixelRatio() != surface.devicePixelRatio()) {
        m_layer = std::make_unique<PictureSurface>(surface.width(), surface.height(), Qt::transparent,
                                                   surface.devicePixelRatio());
        m_layer->gatherDrawnArea();
        repere(*m_layer, grid, colour);
        m_area = m_layer->takeDrawnArea().boundingRect();
        m_grid = grid;
        m_colour = colour;
    }
    surface.paintLayer(m_layer->canvas(), within & m_area);
}

} // namespace scene
