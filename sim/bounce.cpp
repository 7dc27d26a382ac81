#include "sim/bounce.h"

#include "sim/initialconditions.h"

#include <cmath>

namespace sim {

BounceState startBounce(float imageLeft, float imageTop, float initialVelocityX, float initialVelocityY,
                        float g, float simTime)
{
    BounceState b;
    b.bouncePositionX = x0ForLeft(imageLeft);
    b.bouncePositionY = y0ForTop(imageTop);
    b.bounceVelocityX = restitution * initialVelocityX;
    b.bounceVelocityY = -(restitution * (initialVelocityY - g * simTime));
    b.bounceTime = simTime;
    return b;
}

float bounceX(const BounceState& b, float simTime)
{
    const float tau = simTime - b.bounceTime;
    return tau * b.bounceVelocityX + b.bouncePositionX;
}

double bounceY(const BounceState& b, float g, float simTime)
{
    const float tau = simTime - b.bounceTime;
    return (-0.5 * g) * std::pow(double(tau), 2.0) + double(tau) * b.bounceVelocityY + b.bouncePositionY;
}

bool bounceAgain(BounceState& b, float imageLeft, float imageTop, float g, float simTime)
{
    const float tau = simTime - b.bounceTime;
    b.bouncePositionX = x0ForLeft(imageLeft);
    b.bouncePositionY = y0ForTop(imageTop);
    b.bounceVelocityX = restitution * b.bounceVelocityX;
    b.bounceVelocityY = -(restitution * (b.bounceVelocityY - g * tau));
    b.bounceTime = simTime;
    return std::fabs(b.bounceVelocityY) < bounceEndSpeed;
}

} // namespace sim
