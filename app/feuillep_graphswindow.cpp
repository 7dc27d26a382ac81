// Opening the graphs window: "Agrandir", "&Graphes" and a click on the live
// graph when the enlarge pointer shows.

#include "app/feuillep.h"

#include "graphs/graphes.h"
#include "ui/dialogservice.h"
#include "ui/paintedpanel.h"

#include <QPushButton>

// Its "Calculatrice" icon opens the calculator of this window, with the
// calculations of the lesson.
void FeuilleP::showGraphes()
{
    graphs::GraphesSetup setup = graphesSetup();
    setup.openCalculator = [this](QWidget*) { showCalculator(); };
    graphs::Graphes window(setup, this);
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
    // The pointer is the one of the last move: the throw may have changed since.
    if (m_ui.Frame1->cursor().shape() != Qt::BitmapCursor || !m_ui.Command5->isEnabled())
        return;
    m_ui.Frame1->setCursor(Qt::WaitCursor);
    Command5_Click();
    m_ui.Frame1->setCursor(m_enlargeCursor);
}
