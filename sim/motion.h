#pragma once
// The motion of a throw in closed form: the one formula of the position, the
// velocity, the ground contact and the energies, in whichever precision the
// caller computes. The animation takes x in single precision and y in double
// from single-precision inputs; the graphs take everything in double.

#include <cmath>

namespace sim {

// x(t) = vx t + x0.
template <typename Real>
Real freeFlightX(Real vx, Real x0, Real t)
{
    return vx * t + x0;
}

// y(t) = (-g/2) t^2 + vy t + y0, always in double precision (t^2 as a power
// of the date).
inline double freeFlightY(double g, double vy, double y0, double t)
{
    return (-0.5 * g) * std::pow(t, 2.0) + vy * t + y0;
}

// vy(t) = vy0 - g t.
template <typename Real>
Real freeFlightVy(Real g, Real vy0, Real t)
{
    return vy0 - g * t;
}

// The positive root of y(t) = 0: (vy + sqrt(vy^2 + 2 g y0)) / g, the product
// 2 g y0 taken in the caller's precision. NaN when y0 is too far below the
// ground for a real root.
template <typename Real>
double groundContactTime(Real g, Real vy, Real y0)
{
    const Real twoG = Real(2) * g;
    return (double(vy) + std::sqrt(std::pow(double(vy), 2.0) + double(twoG * y0))) / double(g);
}

// The date of the highest point: where vy = 0, or the start when the throw
// does not rise.
template <typename Real>
Real highestPointTime(Real g, Real vy0)
{
    return vy0 > 0 ? vy0 / g : Real(0);
}

// The speed from the velocity's components.
inline double speed(double vx, double vy) { return std::sqrt(vx * vx + vy * vy); }

// Energies in joules, the ground y = 0 as the reference level.
inline double kineticEnergy(double mass, double vx, double vy) { return 0.5 * mass * (vx * vx + vy * vy); }
inline double potentialEnergy(double mass, double g, double y) { return mass * g * y; }

} // namespace sim
