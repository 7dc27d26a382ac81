#pragma once
// The ball's chain of parabolas after its first ground contact: at each
// contact both velocity components lose 30 % and the vertical one turns
// upwards, until the upward speed after a bounce is below 2 m·s-1.

namespace sim {

// Who moves the projectile: the free flight, the tick of the ball's first
// contact (its bounce starts at the next tick), or the bounce.
enum class BouncePhase { FreeFlight, Touched, Bouncing };

constexpr float restitution = 0.7f;
constexpr float bounceEndSpeed = 2.0f;

// The current parabola, from the last contact.
struct BounceState {
    float bouncePositionX = 0;
    float bouncePositionY = 0;
    float bounceVelocityX = 0;
    float bounceVelocityY = 0;
    float bounceTime = 0;
};

// The first contact: where the ball was left on the ground by the previous
// tick (m, read back from its picture), its launch velocity and the date
// already advanced.
BounceState startBounce(float positionX, float positionY, float initialVelocityX, float initialVelocityY,
                        float g, float simTime);

// The extra date step taken at the start of the bounce: 0.04 s, or 0.02 s in
// slow motion.
inline float firstBounceExtraStep(bool slowMotion) { return slowMotion ? 0.02f : 0.04f; }

// Position on the current parabola at simTime.
float bounceX(const BounceState& b, float simTime);
double bounceY(const BounceState& b, float g, float simTime);

// A further contact at simTime, the ball at (positionX, positionY) m;
// returns true when the bounce dies out.
bool bounceAgain(BounceState& b, float positionX, float positionY, float g, float simTime);

} // namespace sim
