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

// The marks recorded since the last erasing, in the order they were taken.
class MarkList {
public:
    void add(const Mark& mark) { m_marks.push_back(mark); }
    void clear() { m_marks.clear(); }
    bool empty() const { return m_marks.empty(); }
    const std::vector<Mark>& all() const { return m_marks; }

    // Draws every mark; the newest one first takes the current colours and
    // projection setting, older ones keep those they were recorded with.
    void lespoints(PictureSurface& surface, QColor axisColour, QColor colour, bool projected);

private:
    std::vector<Mark> m_marks;
};

} // namespace scene
