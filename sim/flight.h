#pragma once
// One throw: its initial conditions, its motion in closed form, the animation
// that steps it date by date (free flight, the ball's bounces, the
// chronophotography's dates) and the history of what it went through, kept
// as data until the next flight or until the scene is erased.

#include "sim/motion.h"
#include "sim/simstate.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sim {

// The throw as the fields and lists give it, once validated: metres,
// degrees, m·s-1.
struct InitialConditions {
    int placeIndex = 0;
    int projectileIndex = 2;
    float gravityField = 9.8f;
    float projectileMass = 0.45f;
    float x0 = 0;
    float y0 = 0;
    float v0 = 15;
    float alphaDegrees = 77;
    // Only the ball bounces after its first ground contact.
    bool bounces = true;
};

// The date step of one tick: 0.04 s, or 0.005 s in slow motion.
inline float tickStep(bool slowMotion) { return slowMotion ? 0.005f : 0.04f; }

// The conditions of a place and a projectile of the catalogue.
InitialConditions conditionsFor(int placeIndex, int projectileIndex, float x0, float y0, float v0, float alphaDegrees);

// The centre of inertia at one date: x in single, y in double precision.
struct Sample {
    float t;
    float x;
    double y;
    float vx;
    float vy;
};

// How the scene sees the projectile. The animation detects the ground and
// the edges on the projectile's picture, and the ball bounces from where its
// picture stands; the scene answers in metres.
class SceneView {
public:
    virtual ~SceneView() = default;
    // The picture, centred on (x, y), reaches below the ground.
    virtual bool belowGround(double y) const = 0;
    // x as read back from the picture standing at x.
    virtual float pictureX(float x) const = 0;
    // The picture has left the scene (sideways only, or also through the top).
    virtual bool outside(float x, double y, bool sidewaysOnly) const = 0;
};

// What one step went through.
struct StepEvents {
    bool groundContact = false;  // the projectile touched the ground: its sound plays
    bool landed = false;         // a projectile that does not bounce ends its flight
    bool bounced = false;        // the ball bounced again, at bounceSpeed
    float bounceSpeed = 0;       // the vertical speed after that bounce
    bool bouncesDiedOut = false; // the bounce was too weak: the flight ends
    bool leftTheScene = false;   // the picture is past an edge of the scene
    bool photograph = false;     // a chronophotograph falls on this step
};

// The kinetic, potential and mechanical energies of a sample (J).
struct Energies {
    double kinetic;
    double potential;
    double mechanical;
};
Energies energiesOf(const InitialConditions& conditions, const Sample& at);

class Flight {
public:
    // Without a scene, the ground is y = 0 and the scene has no edges.
    explicit Flight(const SceneView* view = nullptr);

    // New conditions keep the date and the phase: a change comes with a
    // reset, and the next step works from the new state.
    void setConditions(const InitialConditions& conditions);
    const InitialConditions& conditions() const { return m_conditions; }
    float initialVelocityX() const { return m_state.initialVelocityX; }
    float initialVelocityY() const { return m_state.initialVelocityY; }

    // The free flight in closed form.
    float x(float t) const;
    double y(float t) const;
    Velocity velocity(float t) const;
    // The ground contact of the free flight and the distance covered until then.
    float groundContactTime() const;
    float range() const;
    // The top of the free flight (the start when the throw does not rise).
    float highestPointTime() const;
    double highestPointY() const;

    // The animation.
    const SimulationState& state() const { return m_state; }
    float simTime() const { return m_state.simTime; }
    BouncePhase phase() const { return m_state.bounceActive; }
    bool atStart() const { return m_state.simTime == 0; }
    // The velocity at a date in the phase in force: free flight, or the
    // parabola after the last bounce.
    Velocity velocityAt(float date) const;
    Chronophotography& chrono() { return m_state.chrono; }
    const Chronophotography& chrono() const { return m_state.chrono; }

    // Moves the date by dt (the extra step at the ball's first bounce:
    // 0.04 s, or 0.02 s in slow motion) and says what happened. The first
    // step from the start begins a new history.
    StepEvents advance(float dt, bool slowMotion, double photoIntervalMs);
    // Back at the initial position: date 0, free flight, not recording.
    void reset();
    // The run is given up (a drag): date 0, free flight; the position stays.
    void abandon();
    // The flight ended at the ground: the date returns to 0, the position stays.
    void land();
    // The ball's bounces died out: not recording, free flight, date 0.
    void endBounce();

    // The history of the last flight: a sample at the start and at every
    // step, and the chronophotographs taken, each the sample of its step.
    const std::vector<Sample>& samples() const { return m_samples; }
    std::vector<Sample> photographs() const;
    // The last flight at any date of its history, on the parabola in force
    // at that date (the free flight, then each bounce's), never below the
    // ground: what its samples were taken from.
    Sample recordedAt(float t) const;
    float recordedDuration() const { return m_samples.empty() ? 0.0f : m_samples.back().t; }
    const InitialConditions& recordedConditions() const { return m_recorded; }
    void clearHistory();
    // The memory the history takes, in bytes: used by its records, and
    // reserved for them.
    struct HistoryMemory {
        size_t used;
        size_t reserved;
    };
    HistoryMemory historyMemory() const;

private:
    void freeFlightStep(StepEvents& events, bool impactReached);
    void bounceStep(StepEvents& events, bool slowMotion);
    Sample currentSample() const;
    void recordArc();
    bool belowGround(double y) const;
    float pictureX(float x) const;
    bool outside(float x, double y, bool sidewaysOnly) const;

    // One parabola of the history, from its start date.
    struct Arc {
        float start;
        float x0;
        float y0;
        float vx;
        float vy;
    };

    const SceneView* m_view;
    InitialConditions m_conditions;
    SimulationState m_state;
    // Between the first step from the start and the end of the flight.
    bool m_flying = false;
    InitialConditions m_recorded;
    std::vector<Sample> m_samples;
    // The steps that took a photograph, as their samples' places.
    std::vector<std::uint32_t> m_photographSteps;
    std::vector<Arc> m_arcs;
};

} // namespace sim
