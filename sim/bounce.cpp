#include "sim/bounce.h"

#include <cmath>

namespace sim {

BounceState startBounce(float positionX, float positionY, float initialVelocityX, float initialVelocityY,
                        float g, float simTime)
{
    BounceState b;
    b.bouncePositionX = positionX;
    b.bouncePositionY = positionY;
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

bool bounceAgain(BounceState& b, float positionX, float positionY, float g, float simTime)
{
    const float tau = simTime - b.bounceTime;
    b.bouncePositionX = positionX;
    b.bouncePositionY = positionY;
    b.bounceVelocityX = restitution * b.bounceVelocityX;
    b.bounceVelocityY = -(restitution * (b.bounceVelocityY - g * tau));
    b.bounceTime = simTime;
    return std::fabs(b.bounceVelocityY) < bounceEndSpeed;
}

} // namespace sim
