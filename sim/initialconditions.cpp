#include "sim/initialconditions.h"

#include <cmath>

namespace sim {

float imageLeftFor(float x0) { return pixelsPerMetre * x0 + 14.0f; }
float imageTopFor(float y0) { return maxImageTop - pixelsPerMetre * y0; }

float clampImageLeft(float left)
{
    if (left < 0.0f)
        left = 0.0f;
    if (left > maxImageLeft)
        left = maxImageLeft;
    return left;
}

float clampImageTop(float top)
{
    if (top < 0.0f)
        top = 0.0f;
    if (top > maxImageTop)
        top = maxImageTop;
    return top;
}

float x0ForLeft(float left) { return (left - 14.0f) / pixelsPerMetre; }
float y0ForTop(float top) { return (maxImageTop - top) / pixelsPerMetre; }

float clampSpeed(float v0)
{
    if (v0 < 0.0f)
        v0 = 0.0f;
    if (v0 > 20.0f)
        v0 = 20.0f;
    return v0;
}

float clampAngle(float alpha)
{
    if (alpha < -180.0f)
        alpha = -180.0f;
    if (alpha > 180.0f)
        alpha = 180.0f;
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
