#include "graphs/graphscale.h"

#include "sim/motion.h"

#include <cmath>

namespace graphs {

namespace {

struct AxisScale {
    int mantissa = 0;
    int exponent = 0;
    int step = 0;
};

// The smallest k * 10^e (k from 3 to 29, e from -7 to 10) not below largest,
// compared as a ratio in double precision; mantissa 0 when none fits.
AxisScale searchScale(double largest)
{
    AxisScale scale;
    for (int e = -7; e <= 10 && scale.mantissa == 0; ++e) {
        for (int k = 3; k <= 29; ++k) {
            if ((k * std::pow(10.0, e)) / largest >= 1) {
                scale.mantissa = k;
                scale.exponent = e;
                break;
            }
        }
    }
    return scale;
}

// The step is chosen from the mantissa first, then the mantissa is rounded up
// to a multiple of it: 19 becomes 20 and keeps its step 2, ten divisions.
void chooseDivision(AxisScale& scale)
{
    const int k = scale.mantissa;
    scale.step = k <= 9 ? 1 : k <= 19 ? 2 : 5;
    if (k % scale.step != 0)
        scale.mantissa = (k / scale.step + 1) * scale.step;
}

} // namespace

double graphQuantity(GraphKind kind, const GraphInputs& in, double t)
{
    const double vx = in.initialVelocityX;
    const double g = in.gravityField;
    const double m = in.projectileMass;
    const double vy = sim::freeFlightVy(g, double(in.initialVelocityY), t);
    const double y = sim::freeFlightY(g, in.initialVelocityY, in.y0, t);
    const double ec = sim::kineticEnergy(m, vx, vy);
    const double ep = sim::potentialEnergy(m, g, y);
    switch (kind) {
    case KindX: return sim::freeFlightX(vx, in.x0, t);
    case KindY: return y;
    case KindVx: return vx;
    case KindVy: return vy;
    case KindV: return sim::speed(vx, vy);
    case KindEc: return ec;
    case KindEp: return ep;
    case KindEm: return ec + ep;
    }
    return 0;
}

double flightDuration(const GraphInputs& in)
{
    return sim::groundContactTime(double(in.gravityField), double(in.initialVelocityY), in.y0);
}

bool anyChecked(const GraphInputs& in)
{
    for (bool c : in.checked)
        if (c)
            return true;
    return false;
}

GraphScale computeGraphScale(const GraphInputs& in)
{
    GraphScale scale;
    scale.flightDuration = flightDuration(in);
    const double duration = scale.flightDuration;
    if (duration == 0 || !std::isfinite(duration))
        return scale;

    // Every energy kind is scaled on the mechanical energy, so that the three
    // curves share one axis whichever of them are shown.
    double minimum = 0;
    double maximum = 0;
    const double d = duration / 240;
    for (double t = 0; t <= duration; t += d) {
        for (int i = 0; i < kindCount; ++i) {
            if (!in.checked[size_t(i)])
                continue;
            const GraphKind kind = i >= KindEc ? KindEm : GraphKind(i);
            const double q = graphQuantity(kind, in, t);
            if (q < minimum)
                minimum = q;
            if (q > maximum)
                maximum = q;
        }
    }

    scale.graphHasNegative = minimum != 0;
    if (std::fabs(minimum) > maximum)
        maximum = std::fabs(minimum);
    // A constant zero (vx of a vertical throw) still gets a scale.
    if (maximum < 1e-6)
        maximum = 1e-5;

    AxisScale time = searchScale(duration);
    AxisScale value = searchScale(maximum);
    if (time.mantissa == 0 || value.mantissa == 0)
        return scale;
    chooseDivision(time);
    chooseDivision(value);
    if (scale.graphHasNegative)
        value.mantissa *= 2;

    scale.valid = true;
    scale.timeAxisMantissa = time.mantissa;
    scale.timeAxisExponent = time.exponent;
    scale.timeDivisionStep = time.step;
    scale.valueAxisMantissa = value.mantissa;
    scale.valueAxisExponent = value.exponent;
    scale.valueDivisionStep = value.step;
    return scale;
}

} // namespace graphs
