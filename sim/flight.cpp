#include "sim/flight.h"

#include <cmath>

namespace sim {

float freeFlightX(float vx, float x0, float t) { return vx * t + x0; }

double freeFlightY(float g, float vy, float y0, float t)
{
    const double t2 = std::pow(double(t), 2.0);
    return (-0.5 * g) * t2 + double(vy) * t + y0;
}

float groundContactTime(float g, float vy, float y0)
{
    const float twoG = 2.0f * g;
    return float((double(vy) + std::sqrt(std::pow(double(vy), 2.0) + double(twoG * y0))) / g);
}

} // namespace sim
