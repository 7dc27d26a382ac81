// The scene's frame, clearing, marks and scrolling.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "ui/paintedpanel.h"

#include <QCheckBox>
#include <QPushButton>

void FeuilleP::repere(const QRegion& within)
{
    m_frame.paint(surface(), m_ui.Check3->isChecked(), m_swatches[scene::SwatchFrame], within);
}

std::tuple<bool, bool, QRgb> FeuilleP::frameLook() const
{
    return {m_ui.Check1->isChecked(), m_ui.Check3->isChecked(), m_swatches[scene::SwatchFrame].rgba()};
}

void FeuilleP::lespoints(const QRegion& within)
{
    m_marks.lespoints(surface(), m_swatches[scene::SwatchMarkProjection], m_swatches[scene::SwatchMarkCross],
                      m_ui.Check11->isChecked(), within);
}

void FeuilleP::retico()
{
    setGraphButtonsEnabled(true);
    surface().clear();
    m_scene.sceneClean = true;
    if (m_ui.Check1->isChecked())
        repere();
    if (!m_marks.empty())
        lespoints();
    m_ui.Picture2->update();
}

void FeuilleP::Check1_Click()
{
    m_ui.Check3->setEnabled(m_ui.Check1->isChecked());
    majaff();
}

void FeuilleP::Check8_Click()
{
    m_scene.trajectoryStarted = false;
}

void FeuilleP::VScroll2_Change(int value)
{
    m_ui.Picture2->move(0, -value);
}
