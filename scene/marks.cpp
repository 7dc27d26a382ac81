#include "scene/marks.h"

#include "ui/picturesurface.h"

#include <cmath>

namespace scene {

Mark markAt(float posX, double posY, QColor axisColour, QColor colour, bool projected)
{
    const double x = 36.0 * posX + 30.0;
    double y = 420.0 - 36.0 * posY + 16.0;
    if (y > 436.0)
        y = 436.0;
    return {int16_t(std::nearbyint(x)), int16_t(std::nearbyint(y)), axisColour, colour, projected};
}

void lespoints(PictureSurface& surface, std::vector<Mark>& marks, QColor axisColour, QColor colour, bool projected)
{
    if (marks.empty())
        return;
    surface.setLineWidth(2);
    Mark& newest = marks.back();
    newest.axisColour = axisColour;
    newest.colour = colour;
    newest.projected = projected;
    for (const Mark& m : marks) {
        const double x = m.x;
        const double y = m.y;
        if (m.projected) {
            surface.line(27, y, 33, y, m.axisColour);
            surface.line(30, y - 3, 30, y + 3, m.axisColour);
            surface.line(x - 3, 436, x + 3, 436, m.axisColour);
            surface.line(x, 433, x, 439, m.axisColour);
        }
        surface.line(x - 3, y, x + 3, y, m.colour);
        surface.line(x, y - 3, x, y + 3, m.colour);
    }
    surface.setLineWidth(1);
}

} // namespace scene
