#pragma once
// The exercise commands of the menu `optionexo` that the main window's
// button `btexo` pops up: the getting-started activity, opening an exercise
// through the chooser, its correction, saving, finding again and printing
// the text, closing the exercise. They reach the main window only through
// ExerciseHost.

#include "exercises/exercisehost.h"
#include "exercises/supertext.h"

#include <QObject>
#include <QString>

class QAction;
class QMenu;

namespace exercises {

class ExerciseCommands : public QObject {
    Q_OBJECT
public:
    explicit ExerciseCommands(ExerciseHost& host);

    // The getting-started activity, in the program's folder.
    static QString gettingStartedName() { return QStringLiteral("TAVREL.PEM"); }

    QMenu* optionexo() const { return m_menu; }
    Supertext& supertext() { return m_supertext; }

    // Enables the items that apply and pops the menu up under the button.
    void btexo_Click(QWidget* button);
    void PRISENMAIN_Click();
    void openexo_Click();
    // The chooser's open command, for the exercise file at the path.
    bool ouvreur(const QString& exerciseFile);
    void opencor_Click();
    void savetexte_Click();
    void opentexte_Click();
    void imprimetexte_Click();
    void Closexo_Click();
    // Another program asked, through the marker file, for this exercise
    // (a name relative to the program's folder).
    void exerciseRequested(const QString& name);
    // An exercise file named by its path (the command line): opened as the
    // chooser opens it, its names relative to its own folder; a missing file
    // is told.
    void openExerciseFile(const QString& exerciseFile);

    QString exerciseDirectory() const { return m_exerciseDirectory; }
    qint16 correctionAvailable() const { return m_correctionAvailable; }
    qint16 textModified() const { return m_supertext.textModified() ? 1 : 0; }

private:
    QAction* addItem(const char* name, const QString& caption, void (ExerciseCommands::*handler)());
    // Records 1 and 2 of an exercise file, as the chooser's open command, the
    // getting-started activity and a request of another program use them;
    // the names are relative to directory. False, with the failure told,
    // when something could not be loaded.
    bool openExercise(const QString& exerciseFile, const QString& directory, bool mayBeCorrected);
    // A configuration named by the exercise file; false when it is missing.
    bool loadNamedConfiguration(const QString& name);
    QWidget* window() { return m_host.hostWindow(); }

    ExerciseHost& m_host;
    Supertext m_supertext;
    QMenu* m_menu = nullptr;
    QAction* m_opencor = nullptr;
    QAction* m_closexo = nullptr;
    // The folder of the open exercise's names, ending with "/".
    QString m_exerciseDirectory;
    qint16 m_correctionAvailable = 0;
    // Where the text dialogs start: the folder last used for a text.
    QString m_textFolder;
    // The name of the text shown, for the printed title.
    QString m_textName;
};

} // namespace exercises
