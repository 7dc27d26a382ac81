#pragma once
// The arrow head of every vector on the scene: two barbs from the tip, each
// ending 10 units back along the shaft and 5 units to one side of it.

#include <QColor>
#include <QPointF>

class PictureSurface;

namespace scene {

struct ArrowHead {
    QPointF tip, barb1, barb2;
};

// The head of the vector drawn from (x, y) to (x + dx, y + dy), in double
// precision.
ArrowHead arrowHeadGeometry(double x, double y, double dx, double dy);

// fleche, the arrow: draws the two barbs of that head; the shaft is the caller's.
void fleche(PictureSurface& surface, double x, double y, double dx, double dy, QColor colour);

} // namespace scene
