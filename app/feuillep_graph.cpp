// The live graph of the Graphes tab and its choice panel.

#include "app/feuillep.h"

#include "graphs/choicepanel.h"

#include <QCheckBox>
#include <algorithm>
#include <QLineEdit>
#include <QPushButton>

graphs::GraphInputs FeuilleP::graphInputs() const
{
    graphs::GraphInputs in;
    in.initialVelocityX = m_state.initialVelocityX;
    in.initialVelocityY = m_state.initialVelocityY;
    in.gravityField = m_state.gravityField;
    in.projectileMass = m_state.projectileMass;
    in.x0 = x0();
    in.y0 = y0();
    for (size_t i = 0; i < Check13.size(); ++i)
        in.checked[i] = Check13[i]->isChecked();
    return in;
}

void FeuilleP::repgraphe()
{
    if (!m_graph.repgraphe(graphInputs()))
        Command3_Click();
    Frame1->update();
}

void FeuilleP::tracegraphe()
{
    if (!m_graph.tracegraphe(graphInputs(), m_state.simTime, m_state.timeStep, m_state.bounceActive))
        Command3_Click();
    Frame1->update();
}

void FeuilleP::Check13_Click(int index)
{
    std::array<bool, graphs::kindCount> checked{};
    for (size_t i = 0; i < Check13.size(); ++i)
        checked[i] = Check13[i]->isChecked();
    if (checked[size_t(index)]) {
        graphs::applyGroupRule(checked, index);
        for (size_t i = 0; i < Check13.size(); ++i) {
            const QSignalBlocker quiet(Check13[i]);
            Check13[i]->setChecked(checked[i]);
        }
    }
    const bool any = std::find(checked.begin(), checked.end(), true) != checked.end();
    Command6->setEnabled(any);
    if (any)
        repgraphe();
}

void FeuilleP::Command3_Click()
{
    if (Picture5->isVisible())
        return;
    Picture5->setGeometry(Frame1->rect());
    Picture5->show();
    Picture5->raise();
    Picture5->update();
}

void FeuilleP::Command6_Click()
{
    Picture5->hide();
}
