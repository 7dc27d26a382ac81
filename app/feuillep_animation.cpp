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
    const QPoint at(qRound(m_state.imageLeft), qRound(m_state.imageTop));
    m_ui.projectile->move(at);
    m_ui.ombre->move(at.x(), qRound(scene::groundImageTop));
}

void FeuilleP::setProjectileImageVisible(bool visible)
{
    m_ui.projectile->setVisible(visible);
}

void FeuilleP::paintProjectile(float left, float top)
{
    surface().paintPicture(m_projectilePictures[size_t(m_state.projectileIndex)], left, top);
}

void FeuilleP::playImpactSound()
{
    if (!sim::isSilent(m_state.placeIndex))
        SoundService::current().play();
}

void FeuilleP::Timer1_Timer()
{
    sim::SimulationState& s = m_state;
    const QScopedValueRollback ticking(m_ticking, true);
    setGraphButtonsEnabled(false);

    if (s.simTime == 0) {
        s.trajectoryStarted = true;
        // The centre of the projectile at its initial position.
        s.trajPrevX = scene::imageLeftFor(x0()) + scene::pictureHalf;
        s.trajPrevY = scene::imageTopFor(y0()) + scene::pictureHalf;
        repgraphe();
    }

    s.timeStep = sim::tickStep(m_ui.speed->isChecked());
    s.simTime = s.simTime + s.timeStep;

    bool impactReached = false;
    float contactTime = 0;
    if (!sim::bounces(s.projectileIndex)
        && sim::freeFlightY(s.gravityField, s.initialVelocityY, y0(), s.simTime) < 0) {
        contactTime = sim::groundContactTime(s.gravityField, s.initialVelocityY, y0());
        s.simTime = contactTime;
        impactReached = true;
    }

    // A photograph due before the contact takes the date back to it: the
    // projectile is then still in the air and this tick is not the landing.
    if (takePhotoIfDue() && impactReached && s.simTime < contactTime)
        impactReached = false;

    if (s.bounceActive != sim::BouncePhase::FreeFlight) {
        rebond();
        return;
    }

    s.posX = sim::freeFlightX(s.initialVelocityX, x0(), s.simTime);
    s.imageLeft = scene::imageLeftFor(s.posX);
    s.posY = sim::freeFlightY(s.gravityField, s.initialVelocityY, y0(), s.simTime);
    const double shownY = s.posY >= 0 ? s.posY : 0.0;
    showReadouts(s.simTime, s.posX, shownY);
    s.imageTop = float(scene::imageTopFor(s.posY));

    if (s.imageTop > scene::groundImageTop || impactReached) {
        s.imageTop = scene::groundImageTop;
        playImpactSound();
        if (sim::bounces(s.projectileIndex))
            s.bounceActive = sim::BouncePhase::Touched;
        else
            endOfFlight();
    }
    placeProjectileImage();

    if (s.chrono.photoThisTick) {
        paintProjectile(s.imageLeft, s.imageTop);
        if (m_ui.Check1->isChecked())
            repere();
    }

    if (m_ui.Check4->isChecked() && scene::leftTheScene(s.imageLeft, s.imageTop))
        leaveScene();

    majaff();
}

void FeuilleP::endOfFlight()
{
    m_state.simTime = 0;
    m_ui.Timer1->stop();
    m_ui.Check8->setChecked(false);
    setProjectileImageVisible(true);
    setGraphButtonsEnabled(true);
    surface().clear();
    if (m_state.chrono.chronoActive) {
        placeProjectileImage();
        paintProjectile(m_state.imageLeft, m_state.imageTop);
        if (m_ui.Check1->isChecked())
            repere();
    }
    m_state.chrono.stop();
    maj12();
}

void FeuilleP::leaveScene()
{
    // Stop the clock itself: "Pause" would take one more step when the clock
    // is already stopped (a step by "Pause" past the edge), and that step would
    // leave the scene again, without end.
    m_state.chrono.stop();
    maj12();
    m_ui.Timer1->stop();
    command18_Click();
    m_state.trajectoryStarted = false;
    retico();
    setProjectileImageVisible(true);
    m_ui.Check8->setChecked(false);
    SoundService::current().beep();
}

// The clock starts when there is something to throw; the projectile is then
// painted on the scene by majaff instead of standing as an image control.
void FeuilleP::startFlight()
{
    if (y0() != 0.0f || fieldNumber(m_ui.Text3) != 0.0f) {
        m_ui.Timer1->start();
        setProjectileImageVisible(false);
        m_state.sceneClean = false;
    }
}

void FeuilleP::command15_Click()
{
    m_ui.Picture2->setFocus();
    m_state.chrono.stop();
    maj12();
    startFlight();
}

void FeuilleP::command16_Click()
{
    if (m_ui.Timer1->isActive()) {
        m_state.chrono.stop();
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
    m_state.chrono.stop();
    maj12();
    m_ui.Timer1->stop();
    setProjectileImageVisible(true);
    retico();
    command18_Click();
}

void FeuilleP::command18_Click()
{
    sim::SimulationState& s = m_state;
    s.simTime = 0;
    s.bounceActive = sim::BouncePhase::FreeFlight;
    s.chrono.stop();

    s.posX = x0();
    s.imageLeft = scene::imageLeftFor(s.posX);
    // The start is stored in single precision here.
    const float startY = y0();
    s.posY = startY;
    s.imageTop = scene::imageTopFor(startY);
    placeProjectileImage();

    showReadouts(0.0f, x0(), y0());
    maj12();
    plusbouton();
    retico();
    if (!m_ui.Timer1->isActive())
        setProjectileImageVisible(true);
}

void FeuilleP::majaff()
{
    sim::SimulationState& s = m_state;
    surface().clear();
    const int thickness = m_ui.Check10->isChecked() ? 2 : 1;
    surface().setLineWidth(thickness);

    if (m_ui.Check8->isChecked()) {
        scene::tracetraj(surface(), s, m_swatches[scene::SwatchTrajectory]);
        surface().bake();
    }

    s.photoVectorMode = false;
    photographWithVectors();
    recordMarkIfDue();

    paintProjectile(s.imageLeft, s.imageTop);
    photographWithoutVectors();

    if (m_ui.Check1->isChecked())
        repere();

    surface().setLineWidth(thickness);
    if (!s.photoVectorMode)
        drawVectors();

    surface().setLineWidth(1);
    s.sceneClean = false;
    if (!m_marks.empty())
        lespoints();
    tracegraphe();
    m_ui.Picture2->update();
}
