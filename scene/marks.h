#pragma once
// Centre-of-inertia marks left by chronophotography: a cross on the point
// and, on request, its projections on the axes.

#include <QColor>
#include <QRect>
#include <cstdint>
#include <memory>
#include <vector>

class PictureSurface;
class QRegion;

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
//
// Only the newest mark changes after it is recorded, so the older ones are
// drawn once, in order, on a transparent layer of their own, and each
// drawing paints that layer and then the newest mark: its cost does not
// grow with the number of marks, and the pixels are those of drawing every
// mark in turn.
class MarkList {
public:
    MarkList();
    ~MarkList();

    void add(const Mark& mark) { m_marks.push_back(mark); }
    void clear();
    bool empty() const { return m_marks.empty(); }
    const std::vector<Mark>& all() const { return m_marks; }

    // Draws every mark; the newest one first takes the current colours and
    // projection setting, older ones keep those they were recorded with.
    void lespoints(PictureSurface& surface, QColor axisColour, QColor colour, bool projected);
    // The same, the older marks inside the area only.
    void lespoints(PictureSurface& surface, QColor axisColour, QColor colour, bool projected, const QRegion& within);

private:
    void drawOlderOnLayer(int width, int height, qreal devicePixelRatio);

    std::vector<Mark> m_marks;
    std::unique_ptr<PictureSurface> m_layer;
    size_t m_onLayer = 0;     // marks already drawn on the layer
    QRect m_layerArea;        // where the layer holds anything
};

} // namespace scene
