#include "scene/trajectory.h"

#include "sim/simstate.h"
#include "ui/picturesurface.h"

namespace scene {

void tracetraj(PictureSurface& surface, sim::SimulationState& state, QColor colour)
{
    const float xn = 30.0f + 36.0f * state.posX;
    float yn = float(16.0 + (420.0 - 36.0 * state.posY));
    if (yn > 436.0f)
        yn = 436.0f;
    if (state.trajectoryStarted)
        surface.line(state.trajPrevX, state.trajPrevY, xn, yn, colour);
    else
        state.trajectoryStarted = true;
    state.trajPrevX = xn;
    state.trajPrevY = yn;
}

} // namespace scene
