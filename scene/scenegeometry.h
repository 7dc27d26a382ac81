#pragma once
// The one mapping between metres and the scene's pixels: 36 pixels per
// metre, the frame's origin at pixel (30, 436), y upwards. The projectile's
// 32 x 32 picture stands with its top-left corner 16 pixels up and left of
// the centre of inertia, so Left = 36 x + 14 and Top = 420 - 36 y.
//
// x is a single-precision quantity and y a double-precision one in the
// throw's physics; each conversion keeps the precision of its argument, and
// the order of the operations is part of the result.

#include <algorithm>

namespace scene {

constexpr int sceneWidth = 409;
constexpr int sceneHeight = 800;
constexpr int viewportHeight = 457;

constexpr float pixelsPerMetre = 36.0f;
constexpr int originX = 30;             // x = 0
constexpr int groundRow = 436;          // y = 0
constexpr float pictureHalf = 16.0f;    // half the projectile picture's side

// The centre of inertia on the scene.
inline float sceneX(float x) { return 30.0f + 36.0f * x; }
inline double sceneX(double x) { return 30.0 + 36.0 * x; }
inline double sceneY(double y) { return 436.0 - 36.0 * y; }
// A point of the scene back in metres.
inline float xForSceneX(float X) { return (X - 30.0f) / 36.0f; }
inline float yForSceneY(float Y) { return (436.0f - Y) / 36.0f; }

// The projectile picture's corner, and back.
constexpr float groundImageTop = 420.0f;   // the picture standing on the ground
inline float imageLeftFor(float x) { return 36.0f * x + 14.0f; }
inline float imageTopFor(float y) { return 420.0f - 36.0f * y; }
inline double imageTopFor(double y) { return 420.0 - 36.0 * y; }
inline float xForImageLeft(float left) { return (left - 14.0f) / 36.0f; }
inline float yForImageTop(float top) { return (420.0f - top) / 36.0f; }

// The picture's projections on the axes: on the y axis its left edge is at
// 16, on the x axis it stands on the ground.
constexpr float yAxisImageLeft = 16.0f;

// The limits of x0 and y0: the picture stays within Left 0..375 and Top
// 0..420.
constexpr float maxImageLeft = 375.0f;
inline float clampImageLeft(float left) { return std::clamp(left, 0.0f, maxImageLeft); }
inline float clampImageTop(float top) { return std::clamp(top, 0.0f, groundImageTop); }

// The edges past which a flight leaves the scene: Left or Top below -16,
// Left beyond 400.
constexpr float sceneEdgeLow = -16.0f;
constexpr float sceneEdgeRight = 400.0f;
inline bool leftTheSceneSideways(float left) { return left < sceneEdgeLow || left > sceneEdgeRight; }
inline bool leftTheScene(float left, float top) { return leftTheSceneSideways(left) || top < sceneEdgeLow; }

// The vector scales from their scroll bars, whose upper arrow lowers the
// value and lengthens the vectors: velocity and acceleration 50 - value
// units per unit, the weight 100 - value.
inline int vectorScaleFor(int scrollValue) { return 50 - scrollValue; }
inline int weightScaleFor(int scrollValue) { return 100 - scrollValue; }

} // namespace scene
