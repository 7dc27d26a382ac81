// The ball's bounces after its first ground contact.

#include "app/feuillep.h"

#include "sim/flight.h"
#include "sim/initialconditions.h"

#include <QCheckBox>
#include <QTimer>

void FeuilleP::rebond()
{
    sim::SimulationState& s = m_state;
    if (s.bounceActive == 1) {
        s.bounce = sim::startBounce(s.imageLeft, s.imageTop, s.initialVelocityX, s.initialVelocityY, s.gravityField,
                                    s.simTime);
        s.bounceActive = 2;
        s.simTime = s.simTime + sim::firstBounceExtraStep(speed->isChecked());
    }

    s.posX = sim::bounceX(s.bounce, s.simTime);
    s.imageLeft = 36.0f * s.posX + 14.0f;
    s.posY = sim::bounceY(s.bounce, s.gravityField, s.simTime);
    s.imageTop = float(420.0 - 36.0 * s.posY);
    const double shownY = s.posY >= 0 ? s.posY : 0.0;
    if (s.posY < 0)
        s.posY = 0;
    showReadouts(s.simTime, s.posX, shownY);

    if (s.imageTop > sim::maxImageTop) {
        s.imageTop = sim::maxImageTop;
        playImpactSound();
        const bool diesOut = sim::bounceAgain(s.bounce, s.imageLeft, s.imageTop, s.gravityField, s.simTime);
        s.bounceActive = 2;
        if (diesOut)
            endOfBounce();
    }
    placeProjectileImage();

    if (s.photoThisTick == 1)
        paintProjectile(s.imageLeft, s.imageTop);

    if (Check4->isChecked() && (s.imageLeft < -16 || s.imageLeft > 400))
        leaveScene();

    majaff();
}

void FeuilleP::endOfBounce()
{
    Timer1->stop();
    Check8->setChecked(false);
    setProjectileImageVisible(true);
    setGraphButtonsEnabled(true);
    m_scene.clear();
    if (m_state.chronoActive == 1)
        paintProjectile(m_state.imageLeft, m_state.imageTop);
    m_state.chronoActive = 0;
    m_state.bounceActive = 0;
    m_state.simTime = 0;
    placeProjectileImage();
    maj12();
}
