#pragma once
// The frame of the scene: axes with arrow heads, and either short
// graduations every metre or a dotted grid.

#include <QColor>
#include <QRect>
#include <memory>

class PictureSurface;
class QRegion;

namespace scene {

// Draws the frame: the axes with their arrows, and graduations or the dotted grid.
void repere(PictureSurface& surface, bool grid, QColor colour);

// The frame drawn once on a transparent layer of its own and pasted over
// the scene: the pixels of drawing it there (its lines are opaque and not
// smoothed), at the cost of a copy of the area asked, whatever the grid.
class FrameLayer {
public:
    FrameLayer();
    ~FrameLayer();

    // The frame over the surface, inside the area only.
    void paint(PictureSurface& surface, bool grid, QColor colour, const QRegion& within);

private:
    std::unique_ptr<PictureSurface> m_layer;
    bool m_grid = false;
    QColor m_colour;
    QRect m_area; // where the layer holds anything
};

} // namespace scene
