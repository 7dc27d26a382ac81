// The vectors on the projectile and their scales.

#include "app/feuillep.h"

#include "scene/scenegeometry.h"
#include "scene/vectors.h"
#include "ui/paintedpanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include "ui/updown.h"
#include <QTimer>

void FeuilleP::drawVectors()
{
    scene::VectorSettings settings;
    settings.timerRunning = m_ui.Timer1->isActive();
    settings.velocityScale = scene::vectorScaleFor(m_ui.VScroll1->value());
    settings.accelerationScale = scene::vectorScaleFor(m_ui.VScroll4->value());
    settings.weightScale = scene::weightScaleFor(m_ui.VScroll3->value());
    settings.intervalSpin = m_ui.UpDown1->value();
    settings.chronoIntervalMs = m_chronoIntervalMs;
    settings.photograph = m_scene.photoVectorMode;
    settings.swatches = m_swatches;
    scene::drawVectors(surface(), m_flight.state(), settings, m_ui.Check5->isChecked(), m_ui.Check14->isChecked(), m_ui.Check6->isChecked(),
                       m_ui.Check7->isChecked(), m_ui.Check12->isChecked());
}

// A scale or the interval changed: the legends follow, and so does the
// projectile in motion.
void FeuilleP::vectorScaleChanged()
{
    m_ui.Label9->setText(QString::number(m_ui.UpDown1->value() * 100));
    m_ui.Picture1->update();
    majaff();
}

void FeuilleP::Check6_Click()
{
    m_ui.Check7->setEnabled(m_ui.Check6->isChecked());
    majaff();
}
