#include "sim/initialconditions.h"

#include <algorithm>
#include <cmath>

namespace sim {

float imageLeftFor(float x0) { return pixelsPerMetre * x0 + 14.0f; }
float imageTopFor(float y0) { return maxImageTop - pixelsPerMetre * y0; }

float clampImageLeft(float left) { return std::clamp(left, 0.0f, maxImageLeft); }
float clampImageTop(float top) { return std::clamp(top, 0.0f, maxImageTop); }

float x0ForLeft(float left) { return (left - 14.0f) / pixelsPerMetre; }
float y0ForTop(float top) { return (maxImageTop - top) / pixelsPerMetre; }

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
