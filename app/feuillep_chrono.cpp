// Chronophotography: the camera button, the interval field and what a
// photograph leaves on the scene.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "scene/marks.h"
#include "scene/scenegeometry.h"
#include "ui/dialogservice.h"
#include "ui/numberformat.h"
#include "ui/paintedpanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include "ui/updown.h"
#include <QTimer>
#include <QToolButton>

void FeuilleP::command12_Click()
{
    m_ui.Picture2->setFocus();
    if (!m_flight.chrono().chronoActive) {
        const double interval = m_chronoIntervalMs;
        if (2 * interval != m_ui.UpDown1->value() * 100 && m_ui.Check9->isChecked() && m_ui.Check6->isChecked())
            DialogService::current().inform(
                this, DialogService::Icon::Information, QStringLiteral("Avertissement"),
                QStringLiteral("Il est préférable que l'intervalle de temps qui permet de représenter les variations\n"
                               "du vecteur vitesse soit le double de la durée entre deux photographies.\n"
                               "Pour chaque photographie, la représentation sera calculée avec un intervalle\n"
                               "de temps de")
                    + formatSigned(qRound64(2 * interval)) + QStringLiteral(" ms."));
        m_flight.chrono().start(m_flight.simTime());
        if (!m_ui.Timer1->isActive())
            startFlight();
    } else {
        m_flight.chrono().stop();
    }
    maj12();
}

void FeuilleP::maj12()
{
    const bool recording = m_flight.chrono().chronoActive;
    m_ui.command12->setIcon(recording ? m_ui.Image6 : m_ui.Image5);
    const QString text = recording ? QStringLiteral("Arrêter la chronophotographie")
                                   : QStringLiteral("Activer la chronophotographie");
    m_ui.command12->setToolTip(recording ? text : QStringLiteral("Chronophotographie"));
    m_ui.Label5->setText(text);
}

void FeuilleP::chrono_LostFocus()
{
    const double interval = Val(m_ui.chrono->text());
    if (interval < 10)
        m_ui.chrono->setText(QStringLiteral("10"));
    else if (interval > 5000)
        m_ui.chrono->setText(QStringLiteral("5000"));
    else
        m_ui.chrono->setText(formatGeneral(interval));
    m_chronoIntervalMs = Val(m_ui.chrono->text());
}

void FeuilleP::Command13_Click()
{
    m_marks.clear();
    m_flight.clearHistory();
    m_keptPaths.clear();
    Combo1_Click();
}

// A photograph belongs to its tick only: a redraw before the next tick (a
// colour or a scale changed while paused) must not take it again.
bool FeuilleP::photoInstant() const
{
    return m_ticking && m_flight.chrono().photoThisTick;
}

void FeuilleP::paintPhotograph()
{
    const scene::SceneState& s = m_scene;
    if (m_ui.Check11->isChecked()) {
        paintProjectile(scene::yAxisImageLeft, s.imageTop);
        paintProjectile(s.imageLeft, scene::groundImageTop);
    }
    paintProjectile(s.imageLeft, s.imageTop);
}

void FeuilleP::photographWithVectors()
{
    if (!m_ui.Check9->isChecked() || !photoInstant())
        return;
    if (!m_ui.Check2->isChecked())
        paintPhotograph();
    m_scene.photoVectorMode = true;
    drawVectors();
}

void FeuilleP::recordMarkIfDue()
{
    if (m_ui.Check2->isChecked() && photoInstant())
        m_marks.add(scene::markAt(m_flight.state().posX, m_flight.state().posY, m_swatches[scene::SwatchMarkProjection],
                                        m_swatches[scene::SwatchMarkCross], m_ui.Check11->isChecked()));
}

bool FeuilleP::photographWithoutVectors()
{
    if (m_scene.photoVectorMode || !photoInstant() || m_ui.Check2->isChecked())
        return false;
    // Over the projectile as it is drawn at this date, as the photograph shows it.
    paintProjectile(m_scene.imageLeft, m_scene.imageTop);
    paintPhotograph();
    return true;
}
