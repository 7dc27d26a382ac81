#include "scene/frame.h"

#include "ui/picturesurface.h"

namespace scene {

void repere(PictureSurface& surface, bool grid, QColor colour)
{
    surface.setLineWidth(1);
    const int xFrom = grid ? 30 : 28;
    const int xTo = grid ? 390 : 33;
    const int yFrom = grid ? 40 : 433;
    const int yTo = grid ? 436 : 439;
    surface.setDotted(grid);

    // One division is one metre both ways: twelve rows, eleven columns.
    for (int y = 436; y >= 40; y -= 36)
        surface.line(xFrom, y, xTo, y, colour);
    for (int x = 30; x <= 390; x += 36)
        surface.line(x, yFrom, x, yTo, colour);

    surface.setDotted(false);
    surface.line(30, 436, 402, 436, colour);
    surface.line(394, 440, 402, 436, colour);
    surface.line(394, 432, 402, 436, colour);

    surface.line(30, 20, 30, 436, colour);
    surface.line(30, 20, 34, 28, colour);
    surface.line(30, 20, 26, 28, colour);
}

} // namespace scene
