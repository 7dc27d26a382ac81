// Printing the scene as its screen picture, or the live graph as its drawing.

#include "app/feuillep.h"

#include "ui/dialogservice.h"

#include <QCheckBox>
#include <QPrinter>
#include <algorithm>

bool FeuilleP::graphDrawn() const
{
    return std::any_of(m_ui.Check13.begin(), m_ui.Check13.end(), [](const QCheckBox* box) { return box->isChecked(); });
}

void FeuilleP::Command10_Click()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (m_printChoices.page.title.isEmpty())
        m_printChoices.page.title = QStringLiteral("Tavrel TS");

    PrintSubjects subjects{printedImage(scenePicture()), std::nullopt};
    if (graphDrawn())
        subjects.graph = m_graph.printedPicture();
    Confimp confimp(*m_printer, std::move(subjects), m_printChoices, this);
    DialogService::current().runModal(confimp);
    m_printChoices = confimp.choices();
}
