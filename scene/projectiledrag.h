#pragma once
// Dragging the projectile's picture across the scene with the mouse. The
// pointer's position comes in the platform's unit, measured from the
// picture's top-left corner; the grab point stays under the pointer and the
// picture keeps within the limits of x0 and y0 (scenegeometry.h).

namespace scene {

// Pointer units per scene pixel. Qt reports positions in logical pixels,
// which are the scene's own pixels at any screen density.
constexpr double pointerUnitsPerPixel = 1.0;

// A pointer position in whole pixels, rounded half to even (where the
// picture was grabbed).
int pointerPixelsRounded(double units);
// The same as a single-precision quotient, unrounded (how far it moved).
float pointerPixels(double units);

struct DragState {
    bool dragActive = false;  // from the first move with the left button to the end of the drag
    bool grabbed = false;     // the grab point was taken when the button went down
    int grabOffsetX = 0;      // pixels from the picture's left edge to the grab point
    int grabOffsetY = 0;      // pixels from its top edge
};

struct ImageCorner {
    float left;
    float top;
};

// The left button went down on the picture at (x, y) pointer units from its
// corner: that point is the one that stays under the pointer.
void grabAt(DragState& drag, double x, double y);

// One move with the left button down, the pointer at (x, y) pointer units
// from the picture's corner: the picture's new corner, within Left 0..375
// and Top 0..420. A drag whose press was not seen takes its grab point at
// its first move.
ImageCorner dragMove(DragState& drag, ImageCorner corner, double x, double y);

} // namespace scene
