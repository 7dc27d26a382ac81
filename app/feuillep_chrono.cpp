// Chronophotography: the camera button, the interval field and what a
// photograph leaves on the scene.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "scene/marks.h"
#include "ui/dialogservice.h"
#include "ui/numberformat.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include "ui/updown.h"
#include <QTimer>
#include <QToolButton>

double FeuilleP::chronoInterval() const
{
    return Val(chrono->text());
}

void FeuilleP::command12_Click()
{
    Picture2->setFocus();
    if (m_state.chronoActive == 0) {
        const double interval = chronoInterval();
        if (2 * interval != UpDown1->value() * 100 && Check9->isChecked() && Check6->isChecked())
            DialogService::current().inform(
                this, DialogService::Icon::Information, QStringLiteral("Avertissement"),
                QStringLiteral("Il est préférable que l'intervalle de temps qui permet de représenter les variations\n"
                               "du vecteur vitesse soit le double de la durée entre deux photographies.\n"
                               "Pour chaque photographie, la représentation sera calculée avec un intervalle\n"
                               "de temps de")
                    + formatSigned(qRound64(2 * interval)) + QStringLiteral(" ms."));
        m_state.chronoActive = 1;
        if (!Timer1->isActive()) {
            m_state.nextPhotoTime = m_state.simTime;
            if (y0() != 0.0f || fieldNumber(Text3) != 0.0f) {
                Timer1->start();
                setProjectileImageVisible(false);
                m_state.sceneClean = false;
            }
        }
        if (Timer1->isActive())
            m_state.nextPhotoTime = m_state.simTime;
    } else {
        m_state.chronoActive = 0;
    }
    maj12();
}

void FeuilleP::maj12()
{
    if (!command12)
        return;
    const bool recording = m_state.chronoActive != 0;
    command12->setIcon(recording ? m_recordingCamera : m_idleCamera);
    const QString text = recording ? QStringLiteral("Arrêter la chronophotographie")
                                   : QStringLiteral("Activer la chronophotographie");
    command12->setToolTip(recording ? text : QStringLiteral("Chronophotographie"));
    Label5->setText(text);
}

void FeuilleP::chrono_LostFocus()
{
    const double interval = Val(chrono->text());
    if (interval < 10)
        chrono->setText(QStringLiteral("10"));
    else if (interval > 5000)
        chrono->setText(QStringLiteral("5000"));
    else
        chrono->setText(formatGeneral(interval));
}

void FeuilleP::Command13_Click()
{
    m_marks.clear();
    Combo1_Click();
}

bool FeuilleP::takePhotoIfDue()
{
    sim::SimulationState& s = m_state;
    s.photoThisTick = 0;
    if (s.chronoActive == 1 && s.simTime >= s.nextPhotoTime) {
        s.simTime = s.nextPhotoTime;
        s.nextPhotoTime = float(s.nextPhotoTime + chronoInterval() / 1000.0);
        s.photoThisTick = 1;
        return true;
    }
    return false;
}

// A photograph belongs to its tick only: a redraw before the next tick (a
// colour or a scale changed while paused) must not take it again.
bool FeuilleP::photoInstant() const
{
    return m_ticking && m_state.photoThisTick == 1;
}

void FeuilleP::paintPhotograph()
{
    const sim::SimulationState& s = m_state;
    if (Check11->isChecked()) {
        paintProjectile(16, s.imageTop);
        paintProjectile(s.imageLeft, 420);
    }
    paintProjectile(s.imageLeft, s.imageTop);
}

void FeuilleP::photographWithVectors()
{
    if (!Check9->isChecked() || !photoInstant())
        return;
    if (!Check2->isChecked())
        paintPhotograph();
    m_state.photoVectorMode = true;
    drawVectors();
    m_scene.bake();
}

void FeuilleP::recordMarkIfDue()
{
    if (Check2->isChecked() && photoInstant())
        m_marks.push_back(scene::markAt(m_state.posX, m_state.posY, m_swatches[scene::SwatchMarkProjection],
                                        m_swatches[scene::SwatchMarkCross], Check11->isChecked()));
}

void FeuilleP::photographWithoutVectors()
{
    if (m_state.photoVectorMode || !photoInstant() || Check2->isChecked())
        return;
    paintPhotograph();
    m_scene.bake();
}
