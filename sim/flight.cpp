#include "sim/flight.h"

#include "sim/catalogue.h"
#include "sim/initialconditions.h"

#include <algorithm>

namespace sim {

InitialConditions conditionsFor(int placeIndex, int projectileIndex, float x0, float y0, float v0, float alphaDegrees)
{
    InitialConditions c;
    c.placeIndex = placeIndex;
    c.projectileIndex = projectileIndex;
    c.gravityField = place(placeIndex).gravity;
    c.projectileMass = projectile(projectileIndex).mass;
    c.x0 = x0;
    c.y0 = y0;
    c.v0 = v0;
    c.alphaDegrees = alphaDegrees;
    c.bounces = sim::bounces(projectileIndex);
    return c;
}

Energies energiesOf(const InitialConditions& conditions, const Sample& at)
{
    const double kinetic = kineticEnergy(conditions.projectileMass, at.vx, at.vy);
    const double potential = potentialEnergy(conditions.projectileMass, conditions.gravityField, at.y);
    return {kinetic, potential, kinetic + potential};
}

Velocity velocityAt(const SimulationState& s, float date)
{
    if (s.bounceActive == BouncePhase::Bouncing)
        return {s.bounce.bounceVelocityX, freeFlightVy(s.gravityField, s.bounce.bounceVelocityY, date - s.bounce.bounceTime)};
    return {s.initialVelocityX, freeFlightVy(s.gravityField, s.initialVelocityY, date)};
}

Flight::Flight(const SceneView* view)
    : m_view(view)
{
    setConditions(m_conditions);
}

void Flight::setConditions(const InitialConditions& conditions)
{
    m_conditions = conditions;
    m_state.placeIndex = conditions.placeIndex;
    m_state.projectileIndex = conditions.projectileIndex;
    m_state.gravityField = conditions.gravityField;
    m_state.projectileMass = conditions.projectileMass;
    const VelocityComponents v = voxvoy(conditions.v0, conditions.alphaDegrees);
    m_state.initialVelocityX = v.x;
    m_state.initialVelocityY = v.y;
}

float Flight::x(float t) const { return freeFlightX(m_state.initialVelocityX, m_conditions.x0, t); }

double Flight::y(float t) const
{
    return freeFlightY(m_state.gravityField, m_state.initialVelocityY, m_conditions.y0, t);
}

Velocity Flight::velocity(float t) const
{
    return {m_state.initialVelocityX, freeFlightVy(m_state.gravityField, m_state.initialVelocityY, t)};
}

float Flight::groundContactTime() const
{
    return float(sim::groundContactTime(m_state.gravityField, m_state.initialVelocityY, m_conditions.y0));
}

float Flight::range() const { return x(groundContactTime()) - m_conditions.x0; }

float Flight::highestPointTime() const
{
    return sim::highestPointTime(m_state.gravityField, m_state.initialVelocityY);
}

double Flight::highestPointY() const { return y(highestPointTime()); }

Velocity Flight::velocityAt(float date) const { return sim::velocityAt(m_state, date); }

bool Flight::belowGround(double y) const { return m_view ? m_view->belowGround(y) : y < 0; }
float Flight::pictureX(float x) const { return m_view ? m_view->pictureX(x) : x; }
bool Flight::outside(float x, double y, bool sidewaysOnly) const
{
    return m_view && m_view->outside(x, y, sidewaysOnly);
}

Sample Flight::currentSample() const
{
    const Velocity v = velocityAt(m_state.simTime);
    return {m_state.simTime, m_state.posX, m_state.posY, v.x, v.y};
}

StepEvents Flight::advance(float dt, bool slowMotion, double photoIntervalMs)
{
    SimulationState& s = m_state;
    // A photograph at the start takes the date back to 0 without starting
    // the flight again.
    if (!m_flying) {
        m_flying = true;
        clearHistory();
        m_recorded = m_conditions;
        m_samples.push_back({0, m_conditions.x0, m_conditions.y0, s.initialVelocityX, s.initialVelocityY});
        m_arcs.push_back({0, m_conditions.x0, m_conditions.y0, s.initialVelocityX, s.initialVelocityY});
    }

    s.timeStep = dt;
    s.simTime = s.simTime + dt;

    bool impactReached = false;
    float contactTime = 0;
    if (!m_conditions.bounces && y(s.simTime) < 0) {
        contactTime = groundContactTime();
        s.simTime = contactTime;
        impactReached = true;
    }

    StepEvents events;
    // A photograph due before the contact takes the date back to it: the
    // projectile is then still in the air and this step is not the landing.
    if (s.chrono.takePhotoIfDue(s.simTime, photoIntervalMs) && impactReached && s.simTime < contactTime)
        impactReached = false;
    events.photograph = s.chrono.photoThisTick;

    if (s.bounceActive != BouncePhase::FreeFlight)
        bounceStep(events, slowMotion);
    else
        freeFlightStep(events, impactReached);

    m_samples.push_back(currentSample());
    if (events.photograph)
        m_photographSteps.push_back(std::uint32_t(m_samples.size() - 1));
    return events;
}

void Flight::freeFlightStep(StepEvents& events, bool impactReached)
{
    SimulationState& s = m_state;
    s.posX = x(s.simTime);
    s.posY = y(s.simTime);
    if (belowGround(s.posY) || impactReached) {
        events.groundContact = true;
        if (m_conditions.bounces)
            s.bounceActive = BouncePhase::Touched;
        else
            events.landed = true;
    }
    events.leftTheScene = outside(s.posX, s.posY, false);
}

void Flight::bounceStep(StepEvents& events, bool slowMotion)
{
    SimulationState& s = m_state;
    if (s.bounceActive == BouncePhase::Touched) {
        // The ball leaves from where the previous step left its picture on the ground.
        s.bounce = startBounce(pictureX(s.posX), 0.0f, s.initialVelocityX, s.initialVelocityY, s.gravityField,
                               s.simTime);
        s.bounceActive = BouncePhase::Bouncing;
        s.simTime = s.simTime + firstBounceExtraStep(slowMotion);
        recordArc();
    }

    s.posX = bounceX(s.bounce, s.simTime);
    s.posY = bounceY(s.bounce, s.gravityField, s.simTime);
    const bool contact = belowGround(s.posY);
    // Unlike free flight, the stored ordinate never stays below the ground.
    if (s.posY < 0)
        s.posY = 0;
    if (contact) {
        events.groundContact = true;
        events.bounced = true;
        events.bouncesDiedOut = bounceAgain(s.bounce, pictureX(s.posX), 0.0f, s.gravityField, s.simTime);
        events.bounceSpeed = s.bounce.bounceVelocityY;
        s.bounceActive = BouncePhase::Bouncing;
        recordArc();
    }
    // While bouncing, leaving through the top is not tested.
    events.leftTheScene = outside(s.posX, s.posY, true);
}

void Flight::reset()
{
    m_flying = false;
    m_state.simTime = 0;
    m_state.bounceActive = BouncePhase::FreeFlight;
    m_state.chrono.stop();
    m_state.posX = m_conditions.x0;
    m_state.posY = m_conditions.y0;
}

void Flight::abandon()
{
    m_flying = false;
    m_state.simTime = 0;
    m_state.bounceActive = BouncePhase::FreeFlight;
}

void Flight::land()
{
    m_flying = false;
    m_state.simTime = 0;
}

void Flight::endBounce()
{
    m_flying = false;
    m_state.chrono.stop();
    m_state.bounceActive = BouncePhase::FreeFlight;
    m_state.simTime = 0;
}

void Flight::recordArc()
{
    const BounceState& b = m_state.bounce;
    m_arcs.push_back({b.bounceTime, b.bouncePositionX, b.bouncePositionY, b.bounceVelocityX, b.bounceVelocityY});
}

Sample Flight::recordedAt(float t) const
{
    if (m_arcs.empty())
        return {t, m_conditions.x0, m_conditions.y0, m_state.initialVelocityX, m_state.initialVelocityY};
    auto arc = m_arcs.begin();
    for (auto next = arc + 1; next != m_arcs.end() && next->start <= t; ++next)
        arc = next;
    const float g = m_recorded.gravityField;
    const float tau = t - arc->start;
    const double y = freeFlightY(g, arc->vy, arc->y0, tau);
    return {t, freeFlightX(arc->vx, arc->x0, tau), y < 0 ? 0.0 : y, arc->vx, freeFlightVy(g, arc->vy, tau)};
}

std::vector<Sample> Flight::photographs() const
{
    std::vector<Sample> photographs;
    photographs.reserve(m_photographSteps.size());
    for (const std::uint32_t step : m_photographSteps)
        photographs.push_back(m_samples[step]);
    return photographs;
}

void Flight::clearHistory()
{
    m_samples.clear();
    m_photographSteps.clear();
    m_arcs.clear();
}

Flight::HistoryMemory Flight::historyMemory() const
{
    const auto bytes = [](const auto& records, size_t count) { return count * sizeof(records.front()); };
    return {bytes(m_samples, m_samples.size()) + bytes(m_photographSteps, m_photographSteps.size())
                + bytes(m_arcs, m_arcs.size()),
            bytes(m_samples, m_samples.capacity()) + bytes(m_photographSteps, m_photographSteps.capacity())
                + bytes(m_arcs, m_arcs.capacity())};
}

} // namespace sim
