#pragma once
// One segment of the trajectory, from the previous point to the centre of
// inertia now; the trajectory never goes below the ground row.

#include <QColor>

class PictureSurface;
namespace sim { struct SimulationState; }

namespace scene {

struct SceneState;

// Traces the trajectory: the segment from the previous point to the projectile.
void tracetraj(PictureSurface& surface, const sim::SimulationState& state, SceneState& scene, QColor colour);

} // namespace scene
