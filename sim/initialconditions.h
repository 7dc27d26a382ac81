#pragma once
// The limits of v0 and alpha and the launch velocity. The limits of x0 and
// y0 are those of the scene (scene/scenegeometry.h).

namespace sim {

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
