#pragma once
// The state of a throw between two steps, kept by its Flight: the derived
// quantities of the situation and where the animation stands.

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

    Chronophotography chrono;
};

// A velocity in m·s-1.
struct Velocity {
    float x;
    float y;
};

// The velocity of the centre of inertia at a date, in the phase in force:
// free flight, or the parabola after the last bounce.
Velocity velocityAt(const SimulationState& s, float date);

} // namespace sim
