// The ball's bounces after its first ground contact.

#include "app/feuillep.h"

#include "scene/scenegeometry.h"
#include "sim/flight.h"

#include <QCheckBox>
#include <QTimer>

void FeuilleP::rebond()
{
    sim::SimulationState& s = m_state;
    if (s.bounceActive == sim::BouncePhase::Touched) {
        s.bounce = sim::startBounce(scene::xForImageLeft(s.imageLeft), scene::yForImageTop(s.imageTop),
                                    s.initialVelocityX, s.initialVelocityY, s.gravityField, s.simTime);
        s.bounceActive = sim::BouncePhase::Bouncing;
        s.simTime = s.simTime + sim::firstBounceExtraStep(m_ui.speed->isChecked());
    }

    s.posX = sim::bounceX(s.bounce, s.simTime);
    s.imageLeft = scene::imageLeftFor(s.posX);
    s.posY = sim::bounceY(s.bounce, s.gravityField, s.simTime);
    s.imageTop = float(scene::imageTopFor(s.posY));
    const double shownY = s.posY >= 0 ? s.posY : 0.0;
    if (s.posY < 0)
        s.posY = 0;
    showReadouts(s.simTime, s.posX, shownY);

    if (s.imageTop > scene::groundImageTop) {
        s.imageTop = scene::groundImageTop;
        playImpactSound();
        const bool diesOut = sim::bounceAgain(s.bounce, scene::xForImageLeft(s.imageLeft),
                                              scene::yForImageTop(s.imageTop), s.gravityField, s.simTime);
        s.bounceActive = sim::BouncePhase::Bouncing;
        if (diesOut)
            endOfBounce();
    }
    placeProjectileImage();

    if (s.chrono.photoThisTick)
        paintProjectile(s.imageLeft, s.imageTop);

    // While bouncing, leaving through the top is not tested.
    if (m_ui.Check4->isChecked() && scene::leftTheSceneSideways(s.imageLeft))
        leaveScene();

    majaff();
}

void FeuilleP::endOfBounce()
{
    m_ui.Timer1->stop();
    m_ui.Check8->setChecked(false);
    setProjectileImageVisible(true);
    setGraphButtonsEnabled(true);
    surface().clear();
    if (m_state.chrono.chronoActive)
        paintProjectile(m_state.imageLeft, m_state.imageTop);
    m_state.chrono.stop();
    m_state.bounceActive = sim::BouncePhase::FreeFlight;
    m_state.simTime = 0;
    placeProjectileImage();
    maj12();
}
