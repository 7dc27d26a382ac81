#include "sim/bounce.h"

#include "sim/motion.h"

#include <cmath>

namespace sim {

BounceState startBounce(float positionX, float positionY, float initialVelocityX, float initialVelocityY,
                        float g, float simTime)
{
    BounceState b;
    b.bouncePositionX = positionX;
    b.bouncePositionY = positionY;
    b.bounceVelocityX = restitution * initialVelocityX;
    b.bounceVelocityY = -(restitution * freeFlightVy(g, initialVelocityY, simTime));
    b.bounceTime = simTime;
    return b;
}

float bounceX(const BounceState& b, float simTime)
{
    return freeFlightX(b.bounceVelocityX, b.bouncePositionX, simTime - b.bounceTime);
}

double bounceY(const BounceState& b, float g, float simTime)
{
    return freeFlightY(g, b.bounceVelocityY, b.bouncePositionY, simTime - b.bounceTime);
}

bool bounceAgain(BounceState& b, float positionX, float positionY, float g, float simTime)
{
    const float tau = simTime - b.bounceTime;
    b.bouncePositionX = positionX;
    b.bouncePositionY = positionY;
    b.bounceVelocityX = restitution * b.bounceVelocityX;
    b.bounceVelocityY = -(restitution * freeFlightVy(g, b.bounceVelocityY, tau));
    b.bounceTime = simTime;
    return std::fabs(b.bounceVelocityY) < bounceEndSpeed;
}

} // namespace sim
