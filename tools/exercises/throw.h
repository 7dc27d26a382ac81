#pragma once
// One throw as the simulator computes it from a situation: the place's g,
// the launch velocity of voxvoy, free flight in closed form and the ground
// contact. The fields' texts are read back as the window reads them.

#include "config/configuration.h"

namespace content {

class Throw {
public:
    explicit Throw(const config::Configuration& situation);

    float g() const { return m_g; }
    float mass() const { return m_mass; }
    float x0() const { return m_x0; }
    float y0() const { return m_y0; }
    float v0() const { return m_v0; }
    float vx() const { return m_vx; }
    float vy0() const { return m_vy; }

    float x(float t) const;
    double y(float t) const;
    float vy(float t) const;
    double speed(float t) const;
    // The date of the ground contact and the distance covered until then.
    float flightTime() const;
    float range() const;
    // The top of the flight, where vy = 0 (the start when thrown downwards).
    float topTime() const;
    double topHeight() const;

private:
    float m_g, m_mass, m_x0, m_y0, m_v0, m_vx, m_vy;
};

} // namespace content
