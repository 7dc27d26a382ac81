#include "scene/trajectory.h"

#include "scene/scenegeometry.h"
#include "scene/scenestate.h"
#include "sim/simstate.h"
#include "ui/picturesurface.h"

namespace scene {

void tracetraj(PictureSurface& surface, const sim::SimulationState& state, SceneState& scene, QColor colour)
{
    const float xn = sceneX(state.posX);
    // The trajectory never goes below the ground row.
    float yn = float(pictureHalf + imageTopFor(state.posY));
    if (yn > float(groundRow))
        yn = float(groundRow);
    if (scene.trajectoryStarted)
        surface.line(scene.trajPrevX, scene.trajPrevY, xn, yn, colour);
    else
        scene.trajectoryStarted = true;
    scene.trajPrevX = xn;
    scene.trajPrevY = yn;
}

} // namespace scene
