// The vectors on the projectile and their scales.

#include "app/feuillep.h"

#include "scene/vectors.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include "ui/updown.h"
#include <QTimer>

void FeuilleP::drawVectors()
{
    scene::VectorSettings settings;
    settings.timerRunning = Timer1->isActive();
    settings.velocityScale = 50 - VScroll1->value();
    settings.accelerationScale = 50 - VScroll4->value();
    settings.weightScale = 100 - VScroll3->value();
    settings.intervalSpin = UpDown1->value();
    settings.chronoIntervalMs = chronoInterval();
    settings.swatches = m_swatches;
    scene::drawVectors(m_scene, m_state, settings, Check5->isChecked(), Check14->isChecked(), Check6->isChecked(),
                       Check7->isChecked(), Check12->isChecked());
}

// A scale or the interval changed: the legends follow, and so does the
// projectile in motion.
void FeuilleP::vectorScaleChanged()
{
    Label9->setText(QString::number(UpDown1->value() * 100));
    Picture1->update();
    majaff();
}

void FeuilleP::Check6_Click()
{
    Check7->setEnabled(Check6->isChecked());
    majaff();
}
