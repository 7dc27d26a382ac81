#pragma once
// The print dialog `confimp`: what to print (the scene or the graph), the
// page title, the number of copies, the centring, the printer, a preview of
// the page, then the pages themselves through the one page road.

#include "ui/printpage.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The pictures the dialog may print, composed by the window that opens it.
struct PrintSubjects {
    PrintedPicture scene;
    std::optional<PrintedPicture> graph; // none while no graph is drawn
};

// What the user chose, kept by the opener for the next time.
struct PrintChoices {
    bool graph = false;
    PageOptions page;
};

class Confimp : public QDialog {
    Q_OBJECT
public:
    Confimp(QPrinter& printer, PrintSubjects subjects, const PrintChoices& initial, QWidget* parent = nullptr);

    PrintChoices choices() const;

    // "&Imprimantes": the printer choice.
    void printersClicked();
    // "&Aperçu": the page as it will print.
    void previewClicked();
    // "Imprimer": prints and closes; a cancelled printer choice or a failed
    // print leaves the dialog open.
    void printClicked();

private:
    const PrintedPicture& chosenPicture() const;
    void showPrinter();

    QPrinter& m_printer;
    PrintSubjects m_subjects;

    QRadioButton* m_scene;
    QRadioButton* m_graph;
    QLineEdit* m_title;
    QSpinBox* m_copies;
    QCheckBox* m_centreHorizontally;
    QCheckBox* m_centreVertically;
    QLabel* m_printerName;
    QPushButton* m_printers;
    QPushButton* m_preview;
    QPushButton* m_print;
    QPushButton* m_cancel;
};
