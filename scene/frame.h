#pragma once
// The frame of the scene: axes with arrow heads, and either short
// graduations every metre or a dotted grid.

#include <QColor>

class PictureSurface;

namespace scene {

// Draws the frame: the axes with their arrows, and graduations or the dotted grid.
void repere(PictureSurface& surface, bool grid, QColor colour);

} // namespace scene
