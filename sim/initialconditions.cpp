#include "sim/initialconditions.h"

#include <algorithm>
#include <cmath>

namespace sim {

float clampSpeed(float v0) { return std::clamp(v0, 0.0f, 20.0f); }

float clampAngle(float alpha)
{
    alpha = std::clamp(alpha, -180.0f, 180.0f);
    if (std::fabs(alpha) < 5.0f)
        alpha = 0.0f;
    return alpha;
}

VelocityComponents voxvoy(float v0, float alphaDegrees)
{
    if (alphaDegrees < 0.0f)
        alphaDegrees += 360.0f;
    const double a = double(alphaDegrees) * 3.1415927 / 180.0;
    return {float(v0 * std::cos(a)), float(v0 * std::sin(a))};
}

} // namespace sim
