#include "scene/projectiledrag.h"

#include "scene/scenegeometry.h"

#include <cmath>

namespace scene {

int pointerPixelsRounded(double units)
{
    const double pixels = units / pointerUnitsPerPixel;
    const double below = std::floor(pixels);
    const double fraction = pixels - below;
    if (fraction < 0.5)
        return int(below);
    if (fraction > 0.5)
        return int(below) + 1;
    return std::fmod(below, 2.0) == 0.0 ? int(below) : int(below) + 1;
}

float pointerPixels(double units)
{
    return float(units / pointerUnitsPerPixel);
}

void grabAt(DragState& drag, double x, double y)
{
    drag.grabbed = true;
    drag.grabOffsetX = pointerPixelsRounded(x);
    drag.grabOffsetY = pointerPixelsRounded(y);
}

ImageCorner dragMove(DragState& drag, ImageCorner corner, double x, double y)
{
    if (!drag.dragActive && !drag.grabbed)
        grabAt(drag, x, y);
    drag.dragActive = true;
    const float left = corner.left + pointerPixels(x) - float(drag.grabOffsetX);
    const float top = corner.top + pointerPixels(y) - float(drag.grabOffsetY);
    return {clampImageLeft(left), clampImageTop(top)};
}

} // namespace scene
