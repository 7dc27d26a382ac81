// Opening the graphs window: "Agrandir", "&Graphes" and a click on the live
// graph when the enlarge pointer shows.

#include "app/feuillep.h"

#include "graphs/graphes.h"
#include "ui/dialogservice.h"
#include "ui/paintedpanel.h"

#include <QPushButton>

void FeuilleP::showGraphes()
{
    graphs::Graphes window(graphesSetup(), this);
    DialogService::current().runModal(window);
}

void FeuilleP::Command5_Click()
{
    m_ui.Command5->setCursor(Qt::WaitCursor);
    showGraphes();
    m_ui.Command5->setCursor(Qt::ArrowCursor);
}

void FeuilleP::Command14_Click()
{
    showGraphes();
}

void FeuilleP::Frame1_Click()
{
    if (m_ui.Frame1->cursor().shape() != Qt::BitmapCursor)
        return;
    m_ui.Frame1->setCursor(Qt::WaitCursor);
    Command5_Click();
    m_ui.Frame1->setCursor(m_enlargeCursor);
}
