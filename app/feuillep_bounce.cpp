// The ball's bounces after its first ground contact.

#include "app/feuillep.h"

#include "scene/scenegeometry.h"

#include <QCheckBox>
#include <QTimer>

void FeuilleP::rebond(const sim::StepEvents& events)
{
    const sim::SimulationState& s = m_flight.state();
    m_scene.imageLeft = scene::imageLeftFor(s.posX);
    m_scene.imageTop = float(scene::imageTopFor(s.posY));
    showReadouts(s.simTime, s.posX, s.posY);

    if (events.bounced) {
        m_scene.imageTop = scene::groundImageTop;
        playImpactSound();
        if (events.bouncesDiedOut)
            endOfBounce();
    }
    placeProjectileImage();

    if (m_ui.Check4->isChecked() && events.leftTheScene)
        leaveScene();
}

void FeuilleP::endOfBounce()
{
    m_ui.Timer1->stop();
    m_ui.Check8->setChecked(false);
    setProjectileImageVisible(true);
    setGraphButtonsEnabled(true);
    surface().clear();
    keepFlightPath();
    if (m_flight.chrono().chronoActive)
        paintProjectile(m_scene.imageLeft, m_scene.imageTop);
    m_flight.endBounce();
    placeProjectileImage();
    maj12();
}
