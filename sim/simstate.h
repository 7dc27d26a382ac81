#pragma once
// The one state of a throw, owned by the main window and handed by
// reference to whoever draws or advances it.

#include "sim/bounce.h"
#include "sim/chronophotography.h"

namespace sim {

struct SimulationState {
    // Derived from the place and projectile lists and the four fields.
    int placeIndex = 0;
    int projectileIndex = 2;
    float gravityField = 9.8f;
    float projectileMass = 0.45f;
    float initialVelocityX = 0;
    float initialVelocityY = 0;

    // The animation.
    float simTime = 0;          // 0: at the initial position
    float timeStep = 0.04f;
    float posX = 0;
    double posY = 0;            // may dip below 0 on the tick that crosses the ground
    BouncePhase bounceActive = BouncePhase::FreeFlight;
    BounceState bounce;

    // The projectile picture's top-left corner on the scene, in pixels.
    float imageLeft = 14;
    float imageTop = 420;

    // The trajectory's previous point, in scene pixels.
    bool trajectoryStarted = false;
    float trajPrevX = 0;
    float trajPrevY = 0;
    bool sceneClean = true;

    Chronophotography chrono;
    // The vectors of this tick are drawn for a photograph.
    bool photoVectorMode = false;
};

// The velocity of the centre of inertia at date s, in the phase in force:
// free flight, or the parabola after the last bounce.
struct Velocity {
    float x;
    float y;
};

inline Velocity velocityAt(const SimulationState& s, float date)
{
    if (s.bounceActive == BouncePhase::Bouncing)
        return {s.bounce.bounceVelocityX, s.bounce.bounceVelocityY - s.gravityField * (date - s.bounce.bounceTime)};
    return {s.initialVelocityX, s.initialVelocityY - s.gravityField * date};
}

} // namespace sim
