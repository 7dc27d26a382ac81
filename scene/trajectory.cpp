#include "scene/trajectory.h"

#include "scene/scenegeometry.h"
#include "sim/simstate.h"
#include "ui/picturesurface.h"

namespace scene {

void tracetraj(PictureSurface& surface, sim::SimulationState& state, QColor colour)
{
    const float xn = sceneX(state.posX);
    // The trajectory never goes below the ground row.
    float yn = float(pictureHalf + imageTopFor(state.posY));
    if (yn > float(groundRow))
        yn = float(groundRow);
    if (state.trajectoryStarted)
        surface.line(state.trajPrevX, state.trajPrevY, xn, yn, colour);
    else
        state.trajectoryStarted = true;
    state.trajPrevX = xn;
    state.trajPrevY = yn;
}

} // namespace scene
