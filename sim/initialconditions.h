#pragma once
// The four initial conditions: where the projectile picture stands for a
// given x0 and y0, the limits enforced on each field, and the velocity
// components.

namespace sim {

// The 32 x 32 picture of the projectile is placed with its top-left corner
// at Left = 36 x + 14, Top = 420 - 36 y: 36 pixels per metre, its centre on
// the centre of inertia.
constexpr float pixelsPerMetre = 36.0f;
constexpr float maxImageLeft = 375.0f;
constexpr float maxImageTop = 420.0f;   // the ground

float imageLeftFor(float x0);           // unclamped
float imageTopFor(float y0);            // unclamped
float clampImageLeft(float left);       // 0 .. 375
float clampImageTop(float top);         // 0 .. 420
float x0ForLeft(float left);            // (Left - 14) / 36
float y0ForTop(float top);              // (420 - Top) / 36

float clampSpeed(float v0);             // 0 .. 20 m·s-1
float clampAngle(float alpha);          // -180 .. 180, |alpha| < 5 becomes 0

struct VelocityComponents {
    float x;
    float y;
};

// The launch velocity from v0 and alpha in degrees (negative angles are
// brought into 180 .. 360 first; pi is the literal 3.1415927).
VelocityComponents voxvoy(float v0, float alphaDegrees);

} // namespace sim
