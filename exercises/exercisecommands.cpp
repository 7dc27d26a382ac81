#include "exercises/exercisecommands.h"

#include "exercises/exercisefile.h"
#include "exercises/exercisemessages.h"
#include "exercises/fichexo.h"
#include "ui/appdir.h"
#include "ui/dialogservice.h"
#include "ui/printpage.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextEdit>
#include <QWidget>

namespace exercises {

namespace {

const QString textFilter = QStringLiteral("Texte au format RTF (*.RTF *.rtf)");

QString folderOf(const QString& file)
{
    QString folder = QFileInfo(file).absolutePath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

// The hourglass over the main window while files load.
class WaitCursor {
public:
    explicit WaitCursor(QWidget* window) : m_window(window) { m_window->setCursor(Qt::WaitCursor); }
    ~WaitCursor() { m_window->unsetCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    QWidget* m_window;
};

} // namespace

ExerciseCommands::ExerciseCommands(ExerciseHost& host)
    : QObject(host.hostWindow()), m_host(host),
      m_supertext(host.statementBox(), [&host](bool modified) { host.setExerciseTextModified(modified); }),
      m_menu(new QMenu(host.hostWindow())),
      m_textFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{
    m_menu->setObjectName(QStringLiteral("optionexo"));
    addItem("PRISENMAIN", QStringLiteral("Prise en main"), &ExerciseCommands::PRISENMAIN_Click);
    m_menu->addSeparator();
    addItem("openexo", QStringLiteral("Ouvrir un exercice (énoncé + configuration)"), &ExerciseCommands::openexo_Click);
    m_opencor = addItem("opencor", QStringLiteral("Voir la correction"), &ExerciseCommands::opencor_Click);
    m_menu->addSeparator();
    addItem("savetexte", QStringLiteral("Enregistrer le contenu de la fenêtre exercice"),
            &ExerciseCommands::savetexte_Click);
    addItem("opentexte", QStringLiteral("Retrouver un texte"), &ExerciseCommands::opentexte_Click);
    addItem("imprimetexte", QStringLiteral("Imprimer le contenu de la fenêtre exercice"),
            &ExerciseCommands::imprimetexte_Click);
    m_menu->addSeparator();
    m_closexo = addItem("Closexo", QStringLiteral("Fermer l'exercice"), &ExerciseCommands::Closexo_Click);
}

QAction* ExerciseCommands::addItem(const char* name, const QString& caption, void (ExerciseCommands::*handler)())
{
    QAction* action = m_menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void ExerciseCommands::btexo_Click(QWidget* button)
{
    m_opencor->setEnabled(m_correctionAvailable == 1);
    m_closexo->setEnabled(!m_host.exerciseFileField()->text().isEmpty());
    m_menu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void ExerciseCommands::PRISENMAIN_Click()
{
    // The activity replaces the text as opening an exercise does.
    if (textModified() && !askLoseEdits(window()))
        return;
    const QString directory = applicationDirectory();
    const QString file = directory + gettingStartedName();
    if (!QFileInfo(file).isFile()) {
        reportMissingGettingStarted(window());
        return;
    }
    openExercise(file, directory, false);
}

void ExerciseCommands::openexo_Click()
{
    if (textModified() && !askLoseEdits(window()))
        return;
    m_supertext.clearTextModified();
    const QString exercise = m_host.exerciseFileField()->text();
    const QString start = !exercise.isEmpty() ? folderOf(exercise) : applicationDirectory();
    Fichexo chooser(window(), start, [this](const QString& file) { return ouvreur(file); });
    DialogService::current().runModal(chooser);
}

bool ExerciseCommands::ouvreur(const QString& exerciseFile)
{
    return openExercise(exerciseFile, folderOf(exerciseFile), true);
}

void ExerciseCommands::exerciseRequested(const QString& name)
{
    // Another program may not throw away what the pupil wrote unasked.
    if (textModified() && !askLoseEdits(window()))
        return;
    const QString directory = applicationDirectory();
    openExercise(resolveRelative(directory, name), directory, true);
}

void ExerciseCommands::openExerciseFile(const QString& exerciseFile)
{
    if (!QFileInfo(exerciseFile).isFile()) {
        reportMissing(window(), exerciseFile);
        return;
    }
    if (textModified() && !askLoseEdits(window()))
        return;
    ouvreur(exerciseFile);
}

bool ExerciseCommands::openExercise(const QString& exerciseFile, const QString& directory, bool mayBeCorrected)
{
    const std::optional<ExerciseFile> file = readExerciseFile(exerciseFile);
    if (!file) {
        reportUnreadable(window());
        return false;
    }
    m_exerciseDirectory = directory;
    const QString statement = resolveRelative(m_exerciseDirectory, file->statement);
    if (isBlank(file->statement)
        || m_supertext.load(statement, Supertext::Mode::Statement) != Supertext::Load::Loaded) {
        reportMissing(window(), m_exerciseDirectory + file->statement);
        return false;
    }
    m_textName = QFileInfo(exerciseFile).completeBaseName();
    m_host.exerciseFileField()->setText(exerciseFile);
    m_correctionAvailable = mayBeCorrected && file->corrected() ? 1 : 0;
    if (!isBlank(file->statementConfiguration) && !loadNamedConfiguration(file->statementConfiguration))
        return false;
    m_supertext.setMode(Supertext::Mode::Statement);
    m_supertext.clearTextModified();
    return true;
}

bool ExerciseCommands::loadNamedConfiguration(const QString& name)
{
    const QString path = resolveRelative(m_exerciseDirectory, name);
    if (!QFileInfo(path).isFile()) {
        reportMissing(window(), m_exerciseDirectory + name);
        return false;
    }
    m_host.loadConfiguration(path);
    return true;
}

void ExerciseCommands::opencor_Click()
{
    if (textModified() && !askLoseEdits(window()))
        return;
    m_supertext.clearTextModified();
    WaitCursor hourglass(window());
    const std::optional<ExerciseFile> file = readExerciseFile(m_host.exerciseFileField()->text());
    if (!file) {
        reportUnreadable(window());
        return;
    }
    if (!isBlank(file->correction)) {
        const QString correction = resolveRelative(m_exerciseDirectory, file->correction);
        if (m_supertext.load(correction, Supertext::Mode::Correction) != Supertext::Load::Loaded) {
            reportMissing(window(), m_exerciseDirectory + file->correction);
            return;
        }
        m_textName = QFileInfo(correction).completeBaseName();
    }
    if (!isBlank(file->correctionConfiguration) && !loadNamedConfiguration(file->correctionConfiguration))
        return;
    m_supertext.setMode(Supertext::Mode::Correction);
    m_supertext.clearTextModified();
}

void ExerciseCommands::savetexte_Click()
{
    DialogService::FileRequest request;
    request.objectName = QStringLiteral("CommonDialog1");
    request.caption = QStringLiteral("Enregistrer le contenu de la fenêtre exercice");
    request.folder = m_textFolder;
    request.filter = textFilter;
    request.save = true;
    std::optional<QString> chosen = DialogService::current().chooseFile(window(), request);
    if (!chosen || chosen->isEmpty())
        return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".RTF");
    if (QFileInfo::exists(path) && !askOverwrite(window(), path))
        return;
    if (!m_supertext.save(path)) {
        reportWriteFailure(window());
        return;
    }
    m_textFolder = folderOf(path);
    // What is saved is no longer lost on closing.
    m_supertext.clearTextModified();
}

void ExerciseCommands::opentexte_Click()
{
    if (textModified() && !askLoseEdits(window()))
        return;
    DialogService::FileRequest request;
    request.objectName = QStringLiteral("CommonDialog1");
    request.caption = QStringLiteral("Retrouver un texte");
    request.folder = m_textFolder;
    request.filter = textFilter;
    const std::optional<QString> chosen = DialogService::current().chooseFile(window(), request);
    if (!chosen || chosen->isEmpty())
        return;
    switch (m_supertext.load(*chosen, Supertext::Mode::Statement)) {
    case Supertext::Load::Loaded:
        m_textFolder = folderOf(*chosen);
        m_textName = QFileInfo(*chosen).completeBaseName();
        break;
    case Supertext::Load::Missing:
        reportMissing(window(), *chosen);
        break;
    case Supertext::Load::Unreadable:
        reportUnreadable(window());
        break;
    }
}

void ExerciseCommands::imprimetexte_Click()
{
    QPrinter printer;
    PageOptions options;
    options.title = QStringLiteral("Texte: ") + (m_textName.isEmpty() ? QStringLiteral("Tavrel TS") : m_textName);
    choosePrinterAndPrint(window(), printer, *m_host.statementBox()->document(), options);
}

void ExerciseCommands::Closexo_Click()
{
    if (textModified() && !askLoseEdits(window()))
        return;
    m_host.exerciseFileField()->clear();
    m_host.showWelcomeText();
    m_supertext.setMode(Supertext::Mode::Welcome);
    m_supertext.clearTextModified();
    m_correctionAvailable = 0;
    m_textName.clear();
}

} // namespace exercises
