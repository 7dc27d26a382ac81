// The live graph of the Graphes tab and its choice panel.

#include "app/feuillep.h"

#include "graphs/choicepanel.h"
#include "ui/paintedpanel.h"

#include <QCheckBox>
#include <algorithm>
#include <QLineEdit>
#include <QPushButton>

graphs::GraphInputs FeuilleP::graphInputs() const
{
    graphs::GraphInputs in;
    in.initialVelocityX = m_flight.initialVelocityX();
    in.initialVelocityY = m_flight.initialVelocityY();
    in.gravityField = m_flight.conditions().gravityField;
    in.projectileMass = m_flight.conditions().projectileMass;
    in.x0 = m_flight.conditions().x0;
    in.y0 = m_flight.conditions().y0;
    for (size_t i = 0; i < m_ui.Check13.size(); ++i)
        in.checked[i] = m_ui.Check13[i]->isChecked();
    return in;
}

graphs::GraphesSetup FeuilleP::graphesSetup() const
{
    graphs::GraphesSetup in;
    in.situation = graphInputs();
    in.icon = windowIcon();
    in.geometry = geometry();
    return in;
}

void FeuilleP::repgraphe()
{
    if (!m_graph.repgraphe(graphInputs()))
        Command3_Click();
    m_ui.Frame1->update();
}

void FeuilleP::tracegraphe()
{
    const sim::SimulationState& s = m_flight.state();
    const bool bouncing = s.bounceActive != sim::BouncePhase::FreeFlight;
    if (!m_graph.tracegraphe(graphInputs(), s.simTime, s.timeStep, bouncing))
        Command3_Click();
    m_ui.Frame1->update();
}

void FeuilleP::Check13_Click(int index)
{
    std::array<bool, graphs::kindCount> checked{};
    for (size_t i = 0; i < m_ui.Check13.size(); ++i)
        checked[i] = m_ui.Check13[i]->isChecked();
    if (checked[size_t(index)]) {
        graphs::applyGroupRule(checked, index);
        for (size_t i = 0; i < m_ui.Check13.size(); ++i) {
            const QSignalBlocker quiet(m_ui.Check13[i]);
            m_ui.Check13[i]->setChecked(checked[i]);
        }
    }
    const bool any = std::find(checked.begin(), checked.end(), true) != checked.end();
    m_ui.Command6->setEnabled(any);
    if (any)
        repgraphe();
}

void FeuilleP::Command3_Click()
{
    if (m_ui.Picture5->isVisible())
        return;
    m_ui.Picture5->setGeometry(m_ui.Frame1->rect());
    m_ui.Picture5->show();
    m_ui.Picture5->raise();
    m_ui.Picture5->update();
}

void FeuilleP::Command6_Click()
{
    m_ui.Picture5->hide();
}
