#pragma once
// Free flight in closed form, from the date alone.

namespace sim {

// x(t) = vx t + x0, in single precision.
float freeFlightX(float vx, float x0, float t);
// y(t) = (-g/2) t^2 + vy t + y0, in double precision from single inputs.
double freeFlightY(float g, float vy, float y0, float t);
// The positive root of y(t) = 0: (vy + sqrt(vy^2 + 2 g y0)) / g.
float groundContactTime(float g, float vy, float y0);

// The date step of one tick: 0.04 s, or 0.005 s in slow motion.
inline float tickStep(bool slowMotion) { return slowMotion ? 0.005f : 0.04f; }

} // namespace sim
