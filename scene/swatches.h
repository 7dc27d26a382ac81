#pragma once
// The ten colour swatches (`Label4`) in which every scene drawing is made.

#include <QColor>
#include <array>

namespace scene {

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
