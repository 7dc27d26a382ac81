// The scene's frame, clearing, marks and scrolling.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "scene/frame.h"

#include <QCheckBox>
#include <QPushButton>

void FeuilleP::repere()
{
    scene::repere(m_scene, Check3->isChecked(), m_swatches[scene::SwatchFrame]);
}

void FeuilleP::lespoints()
{
    scene::lespoints(m_scene, m_marks, m_swatches[scene::SwatchMarkProjection], m_swatches[scene::SwatchMarkCross],
                     Check11->isChecked());
}

void FeuilleP::retico()
{
    setGraphButtonsEnabled(true);
    m_scene.clear();
    m_state.sceneClean = true;
    if (Check1->isChecked())
        repere();
    if (!m_marks.empty())
        lespoints();
    Picture2->update();
}

void FeuilleP::Check1_Click()
{
    Check3->setEnabled(Check1->isChecked());
    majaff();
}

void FeuilleP::Check8_Click()
{
    m_state.trajectoryStarted = false;
}

void FeuilleP::VScroll2_Change(int value)
{
    Picture2->move(0, -value);
}
