// The animation clock: the tick, start, pause or step, stop, reset, the end
// of a flight, leaving the scene, and the redraw of the scene.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "scene/scenegeometry.h"
#include "scene/trajectory.h"
#include "sim/catalogue.h"
#include "sim/flight.h"
#include "ui/numberformat.h"
#include "ui/paintedpanel.h"
#include "ui/soundservice.h"

#include <QCheckBox>
#include <QScopedValueRollback>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {
const QString readoutPattern = QStringLiteral("#######0.00");
}

void FeuilleP::setGraphButtonsEnabled(bool enabled)
{
    m_ui.Command3->setEnabled(enabled);
    m_ui.Command5->setEnabled(enabled && !startsWithoutFlight());
}

void FeuilleP::showReadouts(float date, double x, double y)
{
    m_ui.Label3->setText(QStringLiteral(" Date: t = ") + formatPattern(date, readoutPattern) + QStringLiteral(" s."));
    m_ui.Label1->setText(QStringLiteral("Coordonnées : x = ") + formatPattern(x, readoutPattern) + QStringLiteral(" m ; y = ")
                    + formatPattern(y, readoutPattern) + QStringLiteral(" m. "));
}

void FeuilleP::placeProjectileImage()
{
    const QPoint at(qRound(m_scene.imageLeft), qRound(m_scene.imageTop));
    m_ui.projectile->move(at);
    m_ui.ombre->move(at.x(), qRound(scene::groundImageTop));
}

void FeuilleP::setProjectileImageVisible(bool visible)
{
    m_ui.projectile->setVisible(visible);
}

void FeuilleP::paintProjectile(float left, float top)
{
    surface().paintPicture(m_projectilePictures[size_t(m_flight.conditions().projectileIndex)], left, top);
}

void FeuilleP::playImpactSound()
{
    if (!sim::isSilent(m_flight.conditions().placeIndex))
        SoundService::current().play();
}

void FeuilleP::Timer1_Timer()
{
    const QScopedValueRollback ticking(m_ticking, true);
    setGraphButtonsEnabled(false);

    if (m_flight.atStart()) {
        m_scene.trajectoryStarted = true;
        // The centre of the projectile at its initial position.
        m_scene.trajPrevX = scene::imageLeftFor(m_flight.conditions().x0) + scene::pictureHalf;
        m_scene.trajPrevY = scene::imageTopFor(m_flight.conditions().y0) + scene::pictureHalf;
        repgraphe();
    }

    const bool slowMotion = m_ui.speed->isChecked();
    const bool wasBouncing = m_flight.phase() != sim::BouncePhase::FreeFlight;
    const sim::StepEvents events = m_flight.advance(sim::tickStep(slowMotion), slowMotion, m_chronoIntervalMs);
    if (wasBouncing)
        rebond(events);
    else
        freeFlightTick(events);
    majaff();
}

void FeuilleP::freeFlightTick(const sim::StepEvents& events)
{
    const sim::SimulationState& s = m_flight.state();
    showReadouts(s.simTime, s.posX, s.posY >= 0 ? s.posY : 0.0);
    m_scene.imageLeft = scene::imageLeftFor(s.posX);
    m_scene.imageTop = events.groundContact ? scene::groundImageTop : float(scene::imageTopFor(s.posY));
    if (events.groundContact) {
        playImpactSound();
        if (events.landed)
            endOfFlight();
    }
    placeProjectileImage();

    if (m_ui.Check4->isChecked() && events.leftTheScene)
        leaveScene();
}

void FeuilleP::endOfFlight()
{
    m_flight.land();
    m_ui.Timer1->stop();
    m_ui.Check8->setChecked(false);
    setProjectileImageVisible(true);
    setGraphButtonsEnabled(true);
    surface().clear();
    keepFlightPath();
    if (m_flight.chrono().chronoActive) {
        placeProjectileImage();
        paintProjectile(m_scene.imageLeft, m_scene.imageTop);
        if (m_ui.Check1->isChecked())
            repere();
    }
    m_flight.chrono().stop();
    maj12();
}

void FeuilleP::leaveScene()
{
    // Stop the clock itself: "Pause" would take one more step when the clock
    // is already stopped (a step by "Pause" past the edge), and that step would
    // leave the scene again, without end.
    m_flight.chrono().stop();
    maj12();
    m_ui.Timer1->stop();
    command18_Click();
    m_scene.trajectoryStarted = false;
    retico();
    // A throw that left the scene is compared like one that landed.
    keepFlightPath();
    setProjectileImageVisible(true);
    m_ui.Check8->setChecked(false);
    SoundService::current().beep();
}

// The clock starts when there is something to throw; the projectile is then
// painted on the scene by majaff instead of standing as an image control.
void FeuilleP::startFlight()
{
    if (m_flight.conditions().y0 != 0.0f || m_flight.conditions().v0 != 0.0f) {
        m_ui.Timer1->start();
        setProjectileImageVisible(false);
        m_scene.sceneClean = false;
    }
}

void FeuilleP::command15_Click()
{
    hidePointValues();
    m_ui.Picture2->setFocus();
    m_flight.chrono().stop();
    maj12();
    startFlight();
}

void FeuilleP::command16_Click()
{
    if (m_ui.Timer1->isActive()) {
        m_flight.chrono().stop();
        maj12();
        m_ui.Timer1->stop();
    } else {
        // A step from rest starts a paused flight: the projectile is painted
        // on the scene, as while running, and the image control would hide
        // the frame and the vectors' origin.
        setProjectileImageVisible(false);
        Timer1_Timer();
    }
}

void FeuilleP::Image4_Click()
{
    m_ui.Picture2->setFocus();
    m_flight.chrono().stop();
    maj12();
    m_ui.Timer1->stop();
    setProjectileImageVisible(true);
    retico();
    command18_Click();
}

void FeuilleP::command18_Click()
{
    m_flight.reset();
    const sim::InitialConditions& start = m_flight.conditions();
    m_scene.imageLeft = scene::imageLeftFor(start.x0);
    m_scene.imageTop = scene::imageTopFor(start.y0);
    placeProjectileImage();

    showReadouts(0.0f, start.x0, start.y0);
    maj12();
    plusbouton();
    retico();
    if (!m_ui.Timer1->isActive())
        setProjectileImageVisible(true);
}

// One rule: a tick redraws only what moved when the scene still shows the
// last redraw with the same frame; a redraw outside the clock, or after any
// other drawing on the scene, redraws the whole scene.
bool FeuilleP::onlyWhatMovedToRedraw() const
{
    return m_ticking && m_redrawn.changeCount == sceneSurface().changeCount() && m_redrawn.frame == frameLook();
}

void FeuilleP::majaff()
{
    PictureSurface& s = surface();
    const bool onlyWhatMoved = onlyWhatMovedToRedraw();
    const int thickness = m_ui.Check10->isChecked() ? 2 : 1;

    // What the tick leaves for good goes straight into the background.
    s.gatherDrawnArea();
    s.drawOn(PictureSurface::Layer::Background);
    s.setLineWidth(thickness);
    if (m_ui.Check8->isChecked())
        scene::tracetraj(s, m_flight.state(), m_scene, m_swatches[scene::SwatchTrajectory]);
    m_scene.photoVectorMode = false;
    photographWithVectors();
    recordMarkIfDue();
    const bool projectile = !photographWithoutVectors();
    s.drawOn(PictureSurface::Layer::Canvas);
    const QRegion baked = s.takeDrawnArea();

    s.gatherDrawnArea();
    s.setMeasuring(true);
    drawOverScene(projectile, thickness, QRegion());
    s.setMeasuring(false);
    const QRegion moving = s.takeDrawnArea();

    const QRegion area = onlyWhatMoved ? baked | moving | m_redrawn.moving : QRegion(s.rect());
    s.restore(area);
    drawOverScene(projectile, thickness, area);
    m_redrawn = {s.changeCount(), moving, frameLook()};
    m_scene.sceneClean = false;
    tracegraphe();
    m_ui.Picture2->update(area);
}

void FeuilleP::drawOverScene(bool projectile, int thickness, const QRegion& still)
{
    if (projectile)
        paintProjectile(m_scene.imageLeft, m_scene.imageTop);
    if (m_ui.Check1->isChecked())
        repere(still);
    surface().setLineWidth(thickness);
    if (!m_scene.photoVectorMode)
        drawVectors();
    surface().setLineWidth(1);
    if (!m_marks.empty())
        lespoints(still);
}
