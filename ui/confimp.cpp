#include "ui/confimp.h"

#include "ui/dialogservice.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int mostCopies = 99;

template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

Confimp::Confimp(QPrinter& printer, PrintSubjects subjects, const PrintChoices& initial, QWidget* parent)
    : QDialog(parent), m_printer(printer), m_subjects(std::move(subjects))
{
    setObjectName(QStringLiteral("confimp"));
    setWindowTitle(QStringLiteral("Imprimer"));

    auto* subject = new QGroupBox(QStringLiteral("Image à imprimer"), this);
    m_scene = named(new QRadioButton(QStringLiteral("Imprimer l'animation"), subject), "printScene");
    m_graph = named(new QRadioButton(QStringLiteral("Imprimer le graphe"), subject), "printGraph");
    auto* subjectLayout = new QVBoxLayout(subject);
    subjectLayout->addWidget(m_scene);
    subjectLayout->addWidget(m_graph);
    const bool graphDrawn = m_subjects.graph.has_value();
    m_graph->setEnabled(graphDrawn);
    if (!graphDrawn)
        m_graph->setToolTip(QStringLiteral("Aucun graphe n'est tracé : choisissez d'abord une courbe dans l'onglet Graphes."));
    (initial.graph && graphDrawn ? m_graph : m_scene)->setChecked(true);

    m_title = named(new QLineEdit(initial.page.title, this), "pageTitle");
    m_title->setMinimumWidth(280);
    m_copies = named(new QSpinBox(this), "copies");
    m_copies->setRange(1, mostCopies);
    m_copies->setValue(std::clamp(initial.page.copies, 1, mostCopies));
    m_copies->setMaximumWidth(80);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Titre de la page :"), m_title);
    form->addRow(QStringLiteral("Nombre d'exemplaires:"), m_copies);
    // A screen reader says the fields' names without the captions' colons.
    m_title->setAccessibleName(QStringLiteral("Titre de la page"));
    m_copies->setAccessibleName(QStringLiteral("Nombre d'exemplaires"));

    m_centreHorizontally =
        named(new QCheckBox(QStringLiteral("Centrer l'image horizontalement"), this), "centreHorizontally");
    m_centreHorizontally->setChecked(initial.page.centreHorizontally);
    m_centreVertically = named(new QCheckBox(QStringLiteral("Centrer l'image verticalement"), this), "centreVertically");
    m_centreVertically->setChecked(initial.page.centreVertically);

    m_printerName = named(new QLabel(this), "printerName");
    m_printers = named(new QPushButton(QStringLiteral("&Imprimantes"), this), "printers");
    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(m_printerName, 1);
    printerRow->addWidget(m_printers);

    m_preview = named(new QPushButton(QStringLiteral("&Aperçu"), this), "preview");
    m_print = named(new QPushButton(QStringLiteral("Im&primer"), this), "print");
    m_print->setDefault(true);
    m_cancel = named(new QPushButton(QStringLiteral("Annuler"), this), "cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_preview);
    buttons->addStretch(1);
    buttons->addWidget(m_print);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(subject);
    layout->addLayout(form);
    layout->addWidget(m_centreHorizontally);
    layout->addWidget(m_centreVertically);
    layout->addSpacing(6);
    layout->addLayout(printerRow);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_printers, &QPushButton::clicked, this, &Confimp::printersClicked);
    connect(m_preview, &QPushButton::clicked, this, &Confimp::previewClicked);
    connect(m_print, &QPushButton::clicked, this, &Confimp::printClicked);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    showPrinter();
}

PrintChoices Confimp::choices() const
{
    PrintChoices choices;
    choices.graph = m_graph->isChecked();
    choices.page.title = m_title->text().trimmed();
    choices.page.copies = m_copies->value();
    choices.page.centreHorizontally = m_centreHorizontally->isChecked();
    choices.page.centreVertically = m_centreVertically->isChecked();
    return choices;
}

const PrintedPicture& Confimp::chosenPicture() const
{
    return m_graph->isChecked() && m_subjects.graph ? *m_subjects.graph : m_subjects.scene;
}

void Confimp::showPrinter() { m_printerName->setText(printerDescription(m_printer)); }

void Confimp::printersClicked()
{
    // The printer dialog shows the copies asked for here and may change them.
    m_printer.setCopyCount(m_copies->value());
    if (DialogService::current().choosePrinter(this, m_printer))
        m_copies->setValue(std::clamp(m_printer.copyCount(), 1, mostCopies));
    showPrinter();
}

void Confimp::previewClicked()
{
    const PrintedPicture& picture = chosenPicture();
    const PageOptions page = choices().page;
    DialogService::current().previewPrint(this, m_printer,
                                          [&](QPrinter& target) { printPicture(target, picture, page); });
}

void Confimp::printClicked()
{
    if (!printerReady(m_printer)) {
        printersClicked();
        if (!printerReady(m_printer))
            return;
    }
    if (!printPicture(m_printer, chosenPicture(), choices().page)) {
        reportPrintFailure(this);
        return;
    }
    accept();
}
