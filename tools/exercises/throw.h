#pragma once
// One throw as the simulator computes it from a situation, read back from
// the fields' texts as the window reads them: the flight of the model.

#include "config/configuration.h"
#include "sim/flight.h"

namespace content {

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

private:
    sim::Flight m_flight;
};

} // namespace content
