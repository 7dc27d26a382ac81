#pragma once
// The vectors drawn on the moving projectile: velocity, acceleration,
// weight, the variation of the velocity vector over Dt and its construction
// from v(t + Dt/2) and -v(t - Dt/2).

#include "scene/scenegeometry.h"
#include "scene/swatches.h"
#include "sim/simstate.h"

#include <QPointF>
#include <optional>

class PictureSurface;

namespace scene {

// What the Vecteurs panel and the chronophotography field set.
struct VectorSettings {
    bool timerRunning = false;
    int velocityScale = 20;        // units per m·s-1: vectorScaleFor(VScroll1 value)
    int accelerationScale = 20;    // units per m·s-2: vectorScaleFor(VScroll4 value)
    int weightScale = 30;          // units per N (per 10 000 N for the rocher): weightScaleFor(VScroll3 value)
    int intervalSpin = 6;          // UpDown1 value: Dt = value / 10 s
    double chronoIntervalMs = 300; // the number typed in the chrono field
    // The vectors are drawn for a chronophotograph: the variation is taken
    // over twice its interval.
    bool photograph = false;
    Swatches swatches = defaultSwatches();
};

// A vector on the scene, drawn from (x, y) to (x + dx, y + dy).
struct SceneVector {
    double x;
    double y;
    double dx;
    double dy;
};

// The construction: `after` is v(t + Dt/2) from the centre of inertia,
// `before` is -v(t - Dt/2) from the tip of `after`.
struct ConstructionPoints {
    std::optional<SceneVector> after;
    std::optional<SceneVector> before;
};

// The centre of inertia at the current date.
QPointF centreOfInertia(const sim::SimulationState& state);

// Each is empty when nothing is to be drawn.
std::optional<SceneVector> velocityVector(const sim::SimulationState& state, const VectorSettings& settings);
std::optional<SceneVector> accelerationVector(const sim::SimulationState& state, const VectorSettings& settings);
SceneVector weightVector(const sim::SimulationState& state, const VectorSettings& settings);
std::optional<SceneVector> velocityChangeVector(const sim::SimulationState& state, const VectorSettings& settings);
ConstructionPoints constructionGeometry(const sim::SimulationState& state, const VectorSettings& settings);

// Line plus arrow head, each in its swatch, at the line width in force.
void vecteurV(PictureSurface& surface, const sim::SimulationState& state, const VectorSettings& settings);
void vecteurA(PictureSurface& surface, const sim::SimulationState& state, const VectorSettings& settings);
void poids(PictureSurface& surface, const sim::SimulationState& state, const VectorSettings& settings);
void deltaV(PictureSurface& surface, const sim::SimulationState& state, const VectorSettings& settings);
void constdeltaV(PictureSurface& surface, const sim::SimulationState& state, const VectorSettings& settings);

// The ticked vectors in drawing order: velocity, acceleration, construction
// (only with the variation), variation, weight.
void drawVectors(PictureSurface& surface, const sim::SimulationState& state, const VectorSettings& settings,
                 bool showV, bool showA, bool showDeltaV, bool showConstruction, bool showWeight);

} // namespace scene
