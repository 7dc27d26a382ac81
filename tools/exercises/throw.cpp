#include "tools/exercises/throw.h"

#include "sim/catalogue.h"
#include "sim/flight.h"
#include "sim/initialconditions.h"
#include "ui/numberformat.h"

#include <algorithm>
#include <cmath>

namespace content {

namespace {

float field(const QString& text)
{
    return float(toNumber(text).value_or(0));
}

} // namespace

Throw::Throw(const config::Configuration& situation)
    : m_g(sim::place(situation.place).gravity), m_mass(sim::projectile(situation.projectile).mass),
      m_x0(field(situation.x0)), m_y0(field(situation.y0)), m_v0(sim::clampSpeed(field(situation.v0)))
{
    const sim::VelocityComponents v = sim::voxvoy(m_v0, sim::clampAngle(field(situation.alpha)));
    m_vx = v.x;
    m_vy = v.y;
}

float Throw::x(float t) const { return sim::freeFlightX(m_vx, m_x0, t); }
double Throw::y(float t) const { return sim::freeFlightY(m_g, m_vy, m_y0, t); }
float Throw::vy(float t) const { return m_vy - m_g * t; }
double Throw::speed(float t) const { return std::hypot(double(m_vx), double(vy(t))); }
float Throw::flightTime() const { return sim::groundContactTime(m_g, m_vy, m_y0); }
float Throw::range() const { return x(flightTime()) - m_x0; }
float Throw::topTime() const { return std::max(0.0f, m_vy / m_g); }
double Throw::topHeight() const { return y(topTime()); }

} // namespace content
