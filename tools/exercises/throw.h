#pragma once
// One throw as the simulator computes it from a situation, read back from
// the fields' texts as the window reads them: the flight of the model.

#include "config/configuration.h"
#include "sim/flight.h"

#include <vector>

namespace content {

// The bounces of the ball as the animation plays them, tick after tick.
struct Bounces {
    // The vertical speed after each bounce that sends the ball up again.
    std::vector<float> speeds;
    // The greatest height of the centre, tick after tick, after each of them.
    std::vector<double> heights;
    // The date of the first bounce, from which the ball leaves again.
    float firstBounceTime = 0;
    // The vertical speed at the last contact, too weak for one more bounce.
    float lastSpeed = 0;
};

class Throw {
public:
    explicit Throw(const config::Configuration& situation);

    float g() const { return m_flight.conditions().gravityField; }
    float mass() const { return m_flight.conditions().projectileMass; }
    float x0() const { return m_flight.conditions().x0; }
    float y0() const { return m_flight.conditions().y0; }
    float v0() const { return m_flight.conditions().v0; }
    float vx() const { return m_flight.initialVelocityX(); }
    float vy0() const { return m_flight.initialVelocityY(); }

    float x(float t) const { return m_flight.x(t); }
    double y(float t) const { return m_flight.y(t); }
    float vy(float t) const { return m_flight.velocity(t).y; }
    double speed(float t) const;
    // The date of the ground contact and the distance covered until then.
    float flightTime() const { return m_flight.groundContactTime(); }
    float range() const { return m_flight.range(); }
    // The top of the flight, where vy = 0 (the start when thrown downwards).
    float topTime() const { return m_flight.highestPointTime(); }
    double topHeight() const { return m_flight.highestPointY(); }
    // The throw run by the animation's ticks, as by "Simulation", or by the
    // chronophotography's button with a photograph every so many ms.
    Bounces bounces(double photoIntervalMs = 0) const;

private:
    sim::Flight m_flight;
};

} // namespace content
