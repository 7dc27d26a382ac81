#include "scene/marks.h"

#include "scene/scenegeometry.h"
#include "ui/picturesurface.h"

#include <cmath>

namespace scene {

Mark markAt(float posX, double posY, QColor axisColour, QColor colour, bool projected)
{
    const double x = sceneX(double(posX));
    double y = imageTopFor(posY) + pictureHalf;
    if (y > groundRow)
        y = groundRow;
    return {int16_t(std::nearbyint(x)), int16_t(std::nearbyint(y)), axisColour, colour, projected};
}

void MarkList::lespoints(PictureSurface& surface, QColor axisColour, QColor colour, bool projected)
{
    if (m_marks.empty())
        return;
    surface.setLineWidth(2);
    Mark& newest = m_marks.back();
    newest.axisColour = axisColour;
    newest.colour = colour;
    newest.projected = projected;
    for (const Mark& m : m_marks) {
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
    surface.setLineWidth(1);
}

} // namespace scene
