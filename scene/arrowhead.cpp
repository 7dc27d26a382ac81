#include "scene/arrowhead.h"

#include "ui/picturesurface.h"

#include <cmath>

namespace scene {

ArrowHead arrowHeadGeometry(double x, double y, double dx, double dy)
{
    const double tx = x + dx;
    const double ty = y + dy;

    // Base of the head, 10 units back from the tip along the shaft.
    double bx = tx;
    double by = dy >= 0 ? ty - 10 : ty + 10;
    if (dx != 0) {
        const double p = dy / dx;
        double c = 10 / std::sqrt(p * p + 1);
        if (dx < 0)
            c = -c;
        bx = tx - c;
        by = ty - p * c;
    }

    if (dy != 0) {
        // 5 units each side of the base, across the shaft.
        const double q = dx / dy;
        const double e = 5 / std::sqrt(q * q + 1);
        return {{tx, ty}, {bx + e, by - q * e}, {bx - e, by + q * e}};
    }
    const double back = dx >= 0 ? tx - 10 : tx + 10;
    return {{tx, ty}, {back, ty - 5}, {back, ty + 5}};
}

void fleche(PictureSurface& surface, double x, double y, double dx, double dy, QColor colour)
{
    // The surface hands the points to the painter in single precision.
    const ArrowHead head = arrowHeadGeometry(x, y, dx, dy);
    surface.line(head.tip.x(), head.tip.y(), head.barb1.x(), head.barb1.y(), colour);
    surface.line(head.tip.x(), head.tip.y(), head.barb2.x(), head.barb2.y(), colour);
}

} // namespace scene
