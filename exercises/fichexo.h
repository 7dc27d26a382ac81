#pragma once
// The exercise chooser: a folder tree and the list of the exercise files of
// the chosen folder, with a preview (`apercu`) of the selected exercise.
// Opening is left to the function the caller gives, so that this window
// knows nothing of the main window.

#include <QDialog>
#include <array>
#include <functional>

class QComboBox;
class QFileSystemModel;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QToolButton;
class QTreeView;

namespace exercises {

struct FichexoUi {
    QLabel* tito = nullptr;
    QComboBox* Drive1 = nullptr;
    QTreeView* Dir1 = nullptr;
    QListWidget* File1 = nullptr;
    QLineEdit* fichierexo = nullptr;
    QLabel* intratro = nullptr;
    QLabel* titratexo = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QLabel*, 3> Image4{};
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QLabel* durationCaption = nullptr;
    // The hourglasses, painted; its accessible name says how many.
    QLabel* Text2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QToolButton* ouvreur = nullptr;
    QToolButton* Image5 = nullptr;
    QFrame* Frame2 = nullptr;
};

class Fichexo : public QDialog {
    Q_OBJECT
public:
    // Opens the exercise file at the given path; true when it opened, and
    // the chooser then closes. It reports its own failures.
    using Opener = std::function<bool(const QString& exerciseFile)>;

    Fichexo(QWidget* parent, const QString& startDirectory, Opener open);

    const FichexoUi& ui() const { return m_ui; }
    // The folder of the file list, ending with "/".
    QString exerciseDirectory() const { return m_directory; }
    // The caption shown when the previewed exercise has a correction.
    static QString correctedCaption();

    void setDirectory(const QString& directory);
    void File1_Click();
    void apercu();
    void ouvreur_Click();
    void Image5_Click();

private:
    void createControls();
    void connectKeyboard();
    void createPreview();
    void fillDrives();
    void fillFiles();
    // Everything of the preview but the hint, the stars and the open button.
    void showDescription(bool shown);

    FichexoUi m_ui;
    QFileSystemModel* m_folders = nullptr;
    QString m_directory;
    // The tree keeps the current folder in sight while it is being read.
    bool m_followCurrent = true;
    Opener m_open;
};

} // namespace exercises
