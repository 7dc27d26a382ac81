#include "scene/vectors.h"

#include "scene/arrowhead.h"
#include "sim/catalogue.h"
#include "ui/picturesurface.h"

#include <cmath>
#include <cstdint>

namespace scene {

namespace {

// Before a launch, after a reset or a drag, only the weight means anything.
bool atInitialPosition(const sim::SimulationState& state, const VectorSettings& settings)
{
    return !settings.timerRunning && state.simTime == 0;
}

// Rounds half to even, as every conversion of a scene length to an integer.
std::int32_t roundToInt32(double value) { return static_cast<std::int32_t>(std::nearbyint(value)); }

void drawVector(PictureSurface& surface, const SceneVector& v, QColor colour)
{
    surface.line(v.x, v.y, v.x + v.dx, v.y + v.dy, colour);
    fleche(surface, v.x, v.y, v.dx, v.dy, colour);
}

} // namespace

QPointF centreOfInertia(const sim::SimulationState& state)
{
    return {sceneX(state.posX), sceneY(state.posY)};
}

std::optional<SceneVector> velocityVector(const sim::SimulationState& state, const VectorSettings& settings)
{
    if (atInitialPosition(state, settings))
        return std::nullopt;
    const sim::Velocity v = sim::velocityAt(state, state.simTime);
    const float dx = v.x * settings.velocityScale;
    const float dy = -v.y * settings.velocityScale;
    if (dx == 0 && dy == 0)
        return std::nullopt;
    const QPointF p = centreOfInertia(state);
    return SceneVector{p.x(), p.y(), dx, dy};
}

std::optional<SceneVector> accelerationVector(const sim::SimulationState& state, const VectorSettings& settings)
{
    if (atInitialPosition(state, settings))
        return std::nullopt;
    const float dy = state.gravityField * settings.accelerationScale;
    if (dy == 0)
        return std::nullopt;
    // One unit left of the centre, so that it does not hide the velocity
    // variation drawn down the same column.
    const QPointF p = centreOfInertia(state);
    return SceneVector{float(p.x()) - 1.0f, p.y(), 0, dy};
}

SceneVector weightVector(const sim::SimulationState& state, const VectorSettings& settings)
{
    const QPointF p = centreOfInertia(state);
    // On the tick that crosses the ground the weight still starts on it.
    const double y = p.y() > groundRow ? groundRow : p.y();
    const float newtonsTimesScale = settings.weightScale * state.projectileMass * state.gravityField;
    std::int32_t length = roundToInt32(newtonsTimesScale);
    // The rocher's scale reads per 10 000 N.
    if (state.projectileIndex == sim::Rocher)
        length = roundToInt32(length / 10000.0);
    return {p.x(), y, 0, double(length)};
}

std::optional<SceneVector> velocityChangeVector(const sim::SimulationState& state, const VectorSettings& settings)
{
    if (atInitialPosition(state, settings))
        return std::nullopt;
    // g · scale in single precision; the interval, a 32-bit count or the
    // typed chronophotography interval, carries the product on in double.
    const float gScale = state.gravityField * settings.velocityScale;
    const double dy = settings.photograph ? double(gScale * 2) * settings.chronoIntervalMs / 1000
                                            : double(gScale) * settings.intervalSpin / 10;
    const QPointF p = centreOfInertia(state);
    return SceneVector{p.x(), p.y(), 0, dy};
}

ConstructionPoints constructionGeometry(const sim::SimulationState& state, const VectorSettings& settings)
{
    if (atInitialPosition(state, settings))
        return {};
    // Half the interval: Dt / 2, or the chronophotography interval τ.
    const double h = settings.photograph ? settings.chronoIntervalMs / 1000 : settings.intervalSpin / 20.0;
    const int scale = settings.velocityScale;

    const sim::Velocity later = sim::velocityAt(state, float(state.simTime + h));
    const float ax = later.x * scale;
    const float ay = -later.y * scale;
    if (ax == 0 && ay == 0)
        return {};
    const QPointF p = centreOfInertia(state);
    ConstructionPoints points;
    points.after = SceneVector{p.x(), p.y(), ax, ay};

    const sim::Velocity earlier = sim::velocityAt(state, float(state.simTime - h));
    const float bx = -earlier.x * scale;
    const float by = earlier.y * scale;
    if (bx != 0 || by != 0)
        points.before = SceneVector{p.x() + ax, p.y() + ay, bx, by};
    return points;
}

void vecteurV(PictureSurface& surface, const sim::SimulationState& state, const VectorSettings& settings)
{
    if (const auto v = velocityVector(state, settings))
        drawVector(surface, *v, settings.swatches[SwatchVelocity]);
}

void vecteurA(PictureSurface& surface, const sim::SimulationState& state, const VectorSettings& settings)
{
    if (const auto a = accelerationVector(state, settings))
        drawVector(surface, *a, settings.swatches[SwatchAcceleration]);
}

void poids(PictureSurface& surface, const sim::SimulationState& state, const VectorSettings& settings)
{
    drawVector(surface, weightVector(state, settings), settings.swatches[SwatchWeight]);
}

void deltaV(PictureSurface& surface, const sim::SimulationState& state, const VectorSettings& settings)
{
    if (const auto d = velocityChangeVector(state, settings))
        drawVector(surface, *d, settings.swatches[SwatchVelocityChange]);
}

void constdeltaV(PictureSurface& surface, const sim::SimulationState& state, const VectorSettings& settings)
{
    const ConstructionPoints points = constructionGeometry(state, settings);
    if (points.after)
        drawVector(surface, *points.after, settings.swatches[SwatchConstructionAfter]);
    if (points.before)
        drawVector(surface, *points.before, settings.swatches[SwatchConstructionBefore]);
}

void drawVectors(PictureSurface& surface, const sim::SimulationState& state, const VectorSettings& settings,
                 bool showV, bool showA, bool showDeltaV, bool showConstruction, bool showWeight)
{
    if (showV)
        vecteurV(surface, state, settings);
    if (showA)
        vecteurA(surface, state, settings);
    if (showDeltaV && showConstruction)
        constdeltaV(surface, state, settings);
    if (showDeltaV)
        deltaV(surface, state, settings);
    if (showWeight)
        poids(surface, state, settings);
}

} // namespace scene
