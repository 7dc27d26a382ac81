#pragma once
// Centre-of-inertia marks left by chronophotography: a cross on the point
// and, on request, its projections on the axes.

#include <QColor>
#include <cstdint>
#include <vector>

class PictureSurface;

namespace scene {

struct Mark {
    int16_t x;
    int16_t y;
    QColor axisColour;
    QColor colour;
    bool projected;
};

// Records a mark at the centre of inertia (never below the ground row).
Mark markAt(float posX, double posY, QColor axisColour, QColor colour, bool projected);

// Draws every mark; the newest one first takes the current colours and
// projection setting, older ones keep those they were recorded with.
void lespoints(PictureSurface& surface, std::vector<Mark>& marks, QColor axisColour, QColor colour, bool projected);

} // namespace scene
