// The animation clock: the tick, start, pause or step, stop, reset, the end
// of a flight, leaving the scene, and the redraw of the scene.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "scene/trajectory.h"
#include "sim/catalogue.h"
#include "sim/flight.h"
#include "sim/initialconditions.h"
#include "ui/numberformat.h"
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
    if (Command3)
        Command3->setEnabled(enabled);
    if (Command5)
        Command5->setEnabled(enabled);
}

void FeuilleP::showReadouts(float date, double x, double y)
{
    Label3->setText(QStringLiteral(" Date: t = ") + formatPattern(date, readoutPattern) + QStringLiteral(" s."));
    Label1->setText(QStringLiteral("Coordonnées : x = ") + formatPattern(x, readoutPattern) + QStringLiteral(" m ; y = ")
                    + formatPattern(y, readoutPattern) + QStringLiteral(" m. "));
}

void FeuilleP::placeProjectileImage()
{
    const QPoint at(qRound(m_state.imageLeft), qRound(m_state.imageTop));
    projectile->move(at);
    ombre->move(at.x(), qRound(sim::maxImageTop));
}

void FeuilleP::setProjectileImageVisible(bool visible)
{
    projectile->setVisible(visible);
}

void FeuilleP::paintProjectile(float left, float top)
{
    m_scene.paintPicture(m_projectilePictures[size_t(m_state.projectileIndex)], left, top);
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
        s.trajPrevX = 36.0f * x0() + 14.0f + 16.0f;
        s.trajPrevY = 420.0f - 36.0f * y0() + 16.0f;
        repgraphe();
    }

    s.timeStep = sim::tickStep(speed->isChecked());
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

    if (s.bounceActive != 0) {
        rebond();
        return;
    }

    s.posX = sim::freeFlightX(s.initialVelocityX, x0(), s.simTime);
    s.imageLeft = 36.0f * s.posX + 14.0f;
    s.posY = sim::freeFlightY(s.gravityField, s.initialVelocityY, y0(), s.simTime);
    const double shownY = s.posY >= 0 ? s.posY : 0.0;
    showReadouts(s.simTime, s.posX, shownY);
    s.imageTop = float(420.0 - 36.0 * s.posY);

    if (s.imageTop > sim::maxImageTop || impactReached) {
        s.imageTop = sim::maxImageTop;
        playImpactSound();
        if (sim::bounces(s.projectileIndex))
            s.bounceActive = 1;
        else
            endOfFlight();
    }
    placeProjectileImage();

    if (s.photoThisTick == 1) {
        paintProjectile(s.imageLeft, s.imageTop);
        if (Check1->isChecked())
            repere();
    }

    if (Check4->isChecked() && (s.imageLeft < -16 || s.imageLeft > 400 || s.imageTop < -16))
        leaveScene();

    majaff();
}

void FeuilleP::endOfFlight()
{
    m_state.simTime = 0;
    Timer1->stop();
    Check8->setChecked(false);
    setProjectileImageVisible(true);
    setGraphButtonsEnabled(true);
    m_scene.clear();
    if (m_state.chronoActive == 1) {
        placeProjectileImage();
        paintProjectile(m_state.imageLeft, m_state.imageTop);
        if (Check1->isChecked())
            repere();
    }
    m_state.chronoActive = 0;
    maj12();
}

void FeuilleP::leaveScene()
{
    // Stop the clock itself: "Pause" would take one more step when the clock
    // is already stopped (a step by "Pause" past the edge), and that step would
    // leave the scene again, without end.
    m_state.chronoActive = 0;
    maj12();
    Timer1->stop();
    command18_Click();
    m_state.trajectoryStarted = false;
    retico();
    setProjectileImageVisible(true);
    Check8->setChecked(false);
    SoundService::current().beep();
}

void FeuilleP::command15_Click()
{
    Picture2->setFocus();
    m_state.chronoActive = 0;
    maj12();
    if (y0() != 0.0f || fieldNumber(Text3) != 0.0f) {
        Timer1->start();
        setProjectileImageVisible(false);
        m_state.sceneClean = false;
    }
}

void FeuilleP::command16_Click()
{
    if (Timer1->isActive()) {
        m_state.chronoActive = 0;
        maj12();
        Timer1->stop();
    } else {
        Timer1_Timer();
    }
}

void FeuilleP::Image4_Click()
{
    Picture2->setFocus();
    m_state.chronoActive = 0;
    maj12();
    Timer1->stop();
    setProjectileImageVisible(true);
    retico();
    command18_Click();
}

void FeuilleP::command18_Click()
{
    sim::SimulationState& s = m_state;
    s.simTime = 0;
    s.bounceActive = 0;
    s.chronoActive = 0;

    s.posX = x0();
    s.imageLeft = 36.0f * s.posX + 14.0f;
    const float startY = y0();
    s.posY = startY;
    s.imageTop = 420.0f - 36.0f * startY;
    placeProjectileImage();

    showReadouts(0.0f, x0(), y0());
    maj12();
    plusbouton();
    retico();
    if (!Timer1->isActive())
        setProjectileImageVisible(true);
}

void FeuilleP::majaff()
{
    sim::SimulationState& s = m_state;
    m_scene.clear();
    const int thickness = Check10->isChecked() ? 2 : 1;
    m_scene.setLineWidth(thickness);

    if (Check8->isChecked()) {
        scene::tracetraj(m_scene, s, m_swatches[scene::SwatchTrajectory]);
        m_scene.bake();
    }

    s.photoVectorMode = false;
    photographWithVectors();
    recordMarkIfDue();

    paintProjectile(s.imageLeft, s.imageTop);
    photographWithoutVectors();

    if (Check1->isChecked())
        repere();

    m_scene.setLineWidth(thickness);
    if (!s.photoVectorMode)
        drawVectors();

    m_scene.setLineWidth(1);
    s.sceneClean = false;
    if (!m_marks.empty())
        lespoints();
    tracegraphe();
    Picture2->update();
}
