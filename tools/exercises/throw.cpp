#include "tools/exercises/throw.h"

#include "scene/sceneview.h"
#include "sim/initialconditions.h"
#include "ui/numberformat.h"

#include <algorithm>

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

Bounces Throw::bounces(double photoIntervalMs) const
{
    sim::Flight run(&scene::pictureView());
    run.setConditions(m_flight.conditions());
    run.reset();
    if (photoIntervalMs > 0)
        run.chrono().start(0);
    Bounces result;
    // A flight lasts a few seconds: this bound only stops a throw that never ends.
    for (int tick = 0; tick < 10000; ++tick) {
        const sim::BouncePhase before = run.phase();
        const sim::StepEvents events = run.advance(sim::tickStep(false), false, photoIntervalMs);
        if (events.landed)
            break;
        if (events.bouncesDiedOut) {
            result.lastSpeed = events.bounceSpeed;
            break;
        }
        if (before == sim::BouncePhase::Touched)
            result.firstBounceTime = run.state().bounce.bounceTime;
        if (before == sim::BouncePhase::Touched || events.bounced) {
            result.speeds.push_back(run.state().bounce.bounceVelocityY);
            result.heights.push_back(0);
        }
        if (!result.heights.empty())
            result.heights.back() = std::max(result.heights.back(), run.state().posY);
    }
    return result;
}

} // namespace content
