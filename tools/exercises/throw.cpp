#include "tools/exercises/throw.h"

#include "sim/initialconditions.h"
#include "ui/numberformat.h"

namespace content {

namespace {

float field(const QString& text)
{
    return float(toNumber(text).value_or(0));
}

} // namespace

Throw::Throw(const config::Configuration& situation)
{
    m_flight.setConditions(sim::conditionsFor(situation.place, situation.projectile, field(situation.x0),
                                              field(situation.y0), sim::clampSpeed(field(situation.v0)),
                                              sim::clampAngle(field(situation.alpha))));
}

double Throw::speed(float t) const
{
    const sim::Velocity v = m_flight.velocity(t);
    return sim::speed(v.x, v.y);
}

} // namespace content
