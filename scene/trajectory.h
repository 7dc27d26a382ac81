#pragma once
// One segment of the trajectory, from the previous point to the centre of
// inertia now; the trajectory never goes below the ground row.

#include <QColor>

class PictureSurface;
namespace sim { struct SimulationState; }

namespace scene {

struct SceneState;

void tracetraj(PictureSurface& surface, const sim::SimulationState& state, SceneState& scene, QColor colour);

} // namespace scene
