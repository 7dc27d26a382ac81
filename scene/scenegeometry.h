#pragma once
// The scene: a 409 x 800 picture at a fixed 36 pixels per metre, the frame's
// origin at pixel (30, 436), y upwards.

#include <array>
#include <QColor>

namespace scene {

constexpr int sceneWidth = 409;
constexpr int sceneHeight = 800;
constexpr int viewportHeight = 457;
constexpr int groundRow = 436;

// The colour swatches of every scene drawing.
enum Swatch {
    SwatchVelocity = 0,
    SwatchVelocityChange = 1,
    SwatchConstructionAfter = 2,
    SwatchConstructionBefore = 3,
    SwatchFrame = 4,
    SwatchTrajectory = 5,
    SwatchMarkCross = 6,
    SwatchWeight = 7,
    SwatchMarkProjection = 8,
    SwatchAcceleration = 9,
};
constexpr int swatchCount = 10;
using Swatches = std::array<QColor, swatchCount>;

inline Swatches defaultSwatches()
{
    return {QColor(255, 0, 0),   QColor(255, 0, 255), QColor(255, 128, 0), QColor(0, 0, 255),
            QColor(255, 255, 255), QColor(255, 255, 0), QColor(251, 66, 145), QColor(0, 255, 255),
            QColor(0, 0, 255),   QColor(0, 192, 0)};
}

} // namespace scene
