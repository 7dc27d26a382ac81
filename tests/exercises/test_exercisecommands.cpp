#include "exercises/exercisecommands.h"
#include "exercises/exercisefixture.h"
#include "exercises/fichexo.h"
#include "exercises/rtf/rtfreader.h"
#include "common/testmain.h"

#include "ui/appdir.h"
#include "ui/dialogservice.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

using namespace exercises;
using namespace exercisefixture;

namespace {

// The main window as the exercise commands see it.
class FakeHost : public ExerciseHost {
public:
    FakeHost()
    {
        window.resize(500, 400);
        box = new QTextEdit(&window);
        box->setObjectName("supertext");
        box->setGeometry(10, 60, 360, 240);
        field = new QLineEdit(&window);
        field->setObjectName("fich");
        button = new QPushButton("E&xercices", &window);
        button->setObjectName("btexo");
        button->setGeometry(10, 10, 82, 28);
    }
    QWidget* hostWindow() override { return &window; }
    QTextEdit* statementBox() override { return box; }
    QLineEdit* exerciseFileField() override { return field; }
    void showWelcomeText() override { box->setPlainText("Bienvenue dans Tavrel TS"); }
    void setExerciseTextModified(bool value) override { modified = value; }
    void voxvoy() override { ++velocityUpdates; }
    void loadConfiguration(const QString& path) override { loaded << path; }

    QWidget window;
    QTextEdit* box;
    QLineEdit* field;
    QPushButton* button;
    bool modified = false;
    int velocityUpdates = 0;
    QStringList loaded;
};

QByteArray statementRtf(const QByteArray& words)
{
    return "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 {\\b " + words + "}\\par}";
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList titles(const ScriptedDialogs& dialogs)
{
    QStringList out;
    for (const auto& shown : dialogs.shown())
        out << shown.title;
    return out;
}

} // namespace

class TestExerciseCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menuItems();
    void buttonEnablesAndPopsUp();
    void chooserOpensTheExercise();
    void blankConfigurationLeavesTheSettings();
    void missingStatement();
    void missingConfiguration();
    void unreadableExercise();
    void correction();
    void correctionLooksDifferent();
    void editsAreFollowed();
    void cancelKeepsTheText_data();
    void cancelKeepsTheText();
    void closeExercise();
    void gettingStarted();
    void gettingStartedMissing();
    void requestOfAnotherProgram();
    void saveText();
    void saveAsksBeforeOverwriting();
    void saveFailure();
    void openText();
    void openTextMissing();
    void printText();

private:
    QString exos() const { return m_dir->path() + "/exos/"; }
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<ExerciseCommands> m_commands;
    ScriptedDialogs m_dialogs;
};

void TestExerciseCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    setApplicationDirectory(m_dir->path() + "/");
    m_dialogs = ScriptedDialogs();
    DialogService::install(&m_dialogs);
    QVERIFY(QDir(m_dir->path()).mkpath("exos/Textes"));
    QVERIFY(writeExercise(exos() + "Chute.E43",
                          {"enonce.rtf", "situation.P20", "Textes\\CORRIGE.RTF", "CORRIGE.p20", " 2", "", "Chute libre",
                           "", "", "", "Chute", " 2"}));
    QVERIFY(writeExercise(exos() + "Libre.E43", {"enonce.rtf", "  ", "", "", " 1"}));
    QVERIFY(writeExercise(exos() + "Absent.E43", {"absent.rtf", "situation.P20"}));
    QVERIFY(writeExercise(exos() + "SansSituation.E43", {"enonce.rtf", "perdue.P20"}));
    QVERIFY(writeFile(exos() + "enonce.rtf", statementRtf("Lancer d'une pomme")));
    QVERIFY(writeFile(exos() + "Textes/corrige.rtf", statementRtf("La port\\'e9e vaut 12 m")));
    QVERIFY(writeFile(exos() + "situation.P20", "TAVRELTS"));
    QVERIFY(writeFile(exos() + "corrige.P20", "TAVRELTS"));
    m_host = std::make_unique<FakeHost>();
    m_commands = std::make_unique<ExerciseCommands>(*m_host);
    m_host->showWelcomeText();
    m_commands->supertext().clearTextModified();
}

void TestExerciseCommands::cleanup()
{
    m_commands.reset();
    m_host.reset();
    DialogService::install(nullptr);
    setApplicationDirectory(QString());
}

void TestExerciseCommands::menuItems()
{
    QStringList items;
    for (QAction* action : m_commands->optionexo()->actions())
        items << (action->isSeparator() ? QString("-") : action->objectName() + " " + action->text());
    QCOMPARE(items, QStringList({"PRISENMAIN Prise en main", "-",
                                 "openexo Ouvrir un exercice (énoncé + configuration)", "opencor Voir la correction",
                                 "-", "savetexte Enregistrer le contenu de la fenêtre exercice",
                                 "opentexte Retrouver un texte", "imprimetexte Imprimer le contenu de la fenêtre exercice",
                                 "-", "Closexo Fermer l'exercice"}));
    QCOMPARE(m_commands->optionexo()->objectName(), QString("optionexo"));
}

void TestExerciseCommands::buttonEnablesAndPopsUp()
{
    // The headless platform cannot raise the menu nor give it the keyboard.
    const testsupport::ToleratedMessages popup(QRegularExpression(QStringLiteral("^This plugin does not support (raise|grabbing)")));
    m_host->window.show();
    const auto action = [this](const char* name) { return m_commands->optionexo()->findChild<QAction*>(name); };
    m_commands->btexo_Click(m_host->button);
    QVERIFY(m_commands->optionexo()->isVisible());
    const QPoint under = m_host->button->mapToGlobal(QPoint(0, m_host->button->height()));
    QCOMPARE(m_commands->optionexo()->y(), under.y());
    QCOMPARE(m_commands->optionexo()->x(),
             std::min(under.x(), m_host->button->screen()->geometry().right() + 1 - m_commands->optionexo()->width()));
    QVERIFY(!action("opencor")->isEnabled());
    QVERIFY(!action("Closexo")->isEnabled());
    m_commands->optionexo()->hide();

    QVERIFY(m_commands->ouvreur(exos() + "Chute.E43"));
    m_commands->btexo_Click(m_host->button);
    QVERIFY(action("opencor")->isEnabled());
    QVERIFY(action("Closexo")->isEnabled());
    m_commands->optionexo()->hide();

    QVERIFY(m_commands->ouvreur(exos() + "Libre.E43"));
    m_commands->btexo_Click(m_host->button);
    QVERIFY(!action("opencor")->isEnabled());
    QVERIFY(action("Closexo")->isEnabled());
    m_commands->optionexo()->hide();
}

void TestExerciseCommands::chooserOpensTheExercise()
{
    QString startedIn;
    m_dialogs.queueModal([&startedIn](QDialog& dialog) {
        auto& chooser = dynamic_cast<Fichexo&>(dialog);
        startedIn = chooser.exerciseDirectory();
        chooser.setDirectory(QFileInfo(chooser.exerciseDirectory() + "exos").absoluteFilePath());
        chooser.ui().File1->setCurrentItem(chooser.ui().File1->findItems("Chute.E43", Qt::MatchExactly).front());
        chooser.ui().ouvreur->click();
    });
    m_commands->openexo_Click();
    QCOMPARE(m_dialogs.modalsShown(), std::vector<QString>{"Fichexo"});
    QCOMPARE(startedIn, applicationDirectory());
    QCOMPARE(m_host->box->toPlainText().trimmed(), QString("Lancer d'une pomme"));
    QCOMPARE(m_host->field->text(), exos() + "Chute.E43");
    QCOMPARE(m_host->loaded, QStringList({exos() + "situation.P20"}));
    QCOMPARE(m_commands->correctionAvailable(), qint16(1));
    QCOMPARE(m_commands->textModified(), qint16(0));
    QCOMPARE(m_commands->exerciseDirectory(), exos());
    QVERIFY(!m_host->box->isReadOnly());
    QVERIFY(m_dialogs.shown().empty());
}

void TestExerciseCommands::blankConfigurationLeavesTheSettings()
{
    QVERIFY(m_commands->ouvreur(exos() + "Libre.E43"));
    QCOMPARE(m_host->box->toPlainText().trimmed(), QString("Lancer d'une pomme"));
    QVERIFY(m_host->loaded.isEmpty());
    QCOMPARE(m_commands->correctionAvailable(), qint16(0));
}

void TestExerciseCommands::missingStatement()
{
    QVERIFY(!m_commands->ouvreur(exos() + "Absent.E43"));
    QCOMPARE(m_dialogs.shown().size(), std::size_t(1));
    QCOMPARE(m_dialogs.shown()[0].title, QString("Fichier absent"));
    QCOMPARE(m_dialogs.shown()[0].text, "Le fichier " + exos() + "absent.rtf est introuvable");
    QCOMPARE(m_dialogs.shown()[0].icon, DialogService::Icon::Critical);
    QCOMPARE(m_host->box->toPlainText().trimmed(), QString("Bienvenue dans Tavrel TS"));
    QCOMPARE(m_host->field->text(), QString());
    QVERIFY(m_host->loaded.isEmpty());
}

void TestExerciseCommands::missingConfiguration()
{
    QVERIFY(!m_commands->ouvreur(exos() + "SansSituation.E43"));
    QCOMPARE(m_dialogs.shown().size(), std::size_t(1));
    QCOMPARE(m_dialogs.shown()[0].title, QString("Fichier absent"));
    QCOMPARE(m_dialogs.shown()[0].text, "Le fichier " + exos() + "perdue.P20 est introuvable");
    QVERIFY(m_host->loaded.isEmpty());
}

void TestExerciseCommands::unreadableExercise()
{
    QVERIFY(!m_commands->ouvreur(exos() + "Inexistant.E43"));
    QCOMPARE(titles(m_dialogs), QStringList({"Lecture impossible"}));
    QCOMPARE(m_dialogs.shown()[0].text, QString("Vérifier:\r\n- le nom du fichier,\r\n- l'état du lecteur."));
    m_dialogs.forget();
    m_host->field->setText(exos() + "Inexistant.E43");
    m_commands->opencor_Click();
    QCOMPARE(titles(m_dialogs), QStringList({"Lecture impossible"}));
    QCOMPARE(m_host->window.cursor().shape(), Qt::ArrowCursor);
}

void TestExerciseCommands::correction()
{
    QVERIFY(m_commands->ouvreur(exos() + "Chute.E43"));
    m_host->loaded.clear();
    m_commands->opencor_Click();
    QCOMPARE(m_host->box->toPlainText().trimmed(), QString("La portée vaut 12 m"));
    QCOMPARE(m_host->loaded, QStringList({exos() + "corrige.P20"}));
    QVERIFY(m_host->box->isReadOnly());
    QCOMPARE(m_commands->textModified(), qint16(0));
    QCOMPARE(m_host->field->text(), exos() + "Chute.E43");
    QCOMPARE(m_host->window.cursor().shape(), Qt::ArrowCursor);
    QVERIFY(m_dialogs.shown().empty());
}

void TestExerciseCommands::correctionLooksDifferent()
{
    m_host->window.show();
    QVERIFY(m_commands->ouvreur(exos() + "Chute.E43"));
    auto* banner = m_host->box->findChild<QLabel*>("correctionBanner");
    QVERIFY(banner);
    QVERIFY(!banner->isVisible());
    const QImage statement = m_host->box->viewport()->grab().toImage();
    m_commands->opencor_Click();
    QVERIFY(banner->isVisible());
    QCOMPARE(banner->text(), QString("Correction"));
    QVERIFY(m_host->box->rect().contains(banner->geometry()));
    // Above the text, never over it: a long title keeps its end.
    QVERIFY(!banner->geometry().intersects(m_host->box->viewport()->geometry()));
    const QImage correction = m_host->box->viewport()->grab().toImage();
    // A corner of the page, away from the text: white for the statement, pale for the correction.
    const auto corner = [](const QImage& page) { return page.pixelColor(page.width() - 5, page.height() - 5); };
    QCOMPARE(corner(statement), QColor(Qt::white));
    QVERIFY(corner(correction) != QColor(Qt::white));
    QVERIFY(corner(correction).lightness() > 200);
}

void TestExerciseCommands::editsAreFollowed()
{
    m_host->window.show();
    QVERIFY(m_commands->ouvreur(exos() + "Chute.E43"));
    QVERIFY(!m_host->modified);
    QTest::keyClicks(m_host->box, " reponse");
    QCOMPARE(m_commands->textModified(), qint16(1));
    QVERIFY(m_host->modified);
    // Undoing the edit brings the text back to what was loaded.
    m_host->box->undo();
    QCOMPARE(m_commands->textModified(), qint16(0));
    QVERIFY(!m_host->modified);
    // The correction cannot be typed into.
    m_commands->opencor_Click();
    QTest::keyClicks(m_host->box, "x");
    QCOMPARE(m_commands->textModified(), qint16(0));
}

void TestExerciseCommands::cancelKeepsTheText_data()
{
    QTest::addColumn<QString>("command");
    QTest::addRow("open an exercise") << "openexo";
    QTest::addRow("see the correction") << "opencor";
    QTest::addRow("find a text again") << "opentexte";
    QTest::addRow("close the exercise") << "Closexo";
    QTest::addRow("getting started") << "PRISENMAIN";
}

void TestExerciseCommands::cancelKeepsTheText()
{
    QFETCH(QString, command);
    m_host->window.show();
    QVERIFY(writeFile(m_dir->path() + "/TAVREL.PEM", ""));
    QVERIFY(m_commands->ouvreur(exos() + "Chute.E43"));
    QTest::keyClicks(m_host->box, " ma reponse");
    const QString edited = m_host->box->toPlainText();
    m_host->loaded.clear();
    m_dialogs.queueAnswer(false);
    m_commands->optionexo()->findChild<QAction*>(command)->trigger();
    QCOMPARE(m_dialogs.shown().size(), std::size_t(1));
    QCOMPARE(m_dialogs.shown()[0].title, QString("Abandon des données?"));
    QCOMPARE(m_dialogs.shown()[0].text, QString("Attention: perte des modifications du texte."));
    QCOMPARE(m_host->box->toPlainText(), edited);
    QCOMPARE(m_host->field->text(), exos() + "Chute.E43");
    QCOMPARE(m_commands->textModified(), qint16(1));
    QVERIFY(m_dialogs.modalsShown().empty());
    QVERIFY(m_host->loaded.isEmpty());
}

void TestExerciseCommands::closeExercise()
{
    m_host->window.show();
    QVERIFY(m_commands->ouvreur(exos() + "Chute.E43"));
    QTest::keyClicks(m_host->box, " ma reponse");
    m_dialogs.queueAnswer(true);
    m_commands->Closexo_Click();
    QCOMPARE(titles(m_dialogs), QStringList({"Abandon des données?"}));
    QCOMPARE(m_host->box->toPlainText().trimmed(), QString("Bienvenue dans Tavrel TS"));
    QCOMPARE(m_host->field->text(), QString());
    QCOMPARE(m_commands->correctionAvailable(), qint16(0));
    QCOMPARE(m_commands->textModified(), qint16(0));
    QVERIFY(!m_host->modified);
    QVERIFY(m_host->box->isReadOnly());
}

void TestExerciseCommands::gettingStarted()
{
    QVERIFY(writeExercise(m_dir->path() + "/TAVREL.PEM", {"tavrel.rtf", "", "corrige.rtf"}));
    QVERIFY(writeFile(m_dir->path() + "/tavrel.rtf", statementRtf("Prise en main de Tavrel TS")));
    m_commands->PRISENMAIN_Click();
    QCOMPARE(m_host->box->toPlainText().trimmed(), QString("Prise en main de Tavrel TS"));
    QCOMPARE(m_host->field->text(), applicationDirectory() + "TAVREL.PEM");
    // Its correction record does not make the activity corrected.
    QCOMPARE(m_commands->correctionAvailable(), qint16(0));
    QCOMPARE(m_commands->textModified(), qint16(0));
    QCOMPARE(m_commands->exerciseDirectory(), applicationDirectory());
    QVERIFY(m_dialogs.shown().empty());
}

void TestExerciseCommands::gettingStartedMissing()
{
    m_commands->PRISENMAIN_Click();
    QCOMPARE(m_dialogs.shown().size(), std::size_t(1));
    QCOMPARE(m_dialogs.shown()[0].title, QString("Erreur lors du chargement"));
    QCOMPARE(m_dialogs.shown()[0].text, QString("Fichier introuvable. Revoir l'installation du logiciel."));
    QCOMPARE(m_host->box->toPlainText().trimmed(), QString("Bienvenue dans Tavrel TS"));
}

void TestExerciseCommands::requestOfAnotherProgram()
{
    QVERIFY(writeExercise(m_dir->path() + "/exos/Demande.E43", {"exos\\enonce.rtf", "exos\\situation.P20"}));
    m_commands->exerciseRequested("EXOS\\demande.e43");
    QCOMPARE(m_host->box->toPlainText().trimmed(), QString("Lancer d'une pomme"));
    QCOMPARE(m_host->field->text(), exos() + "Demande.E43");
    QCOMPARE(m_host->loaded, QStringList({exos() + "situation.P20"}));

    // With an edited text, the request waits for the user's consent.
    m_host->window.show();
    QTest::keyClicks(m_host->box, " ma reponse");
    const QString edited = m_host->box->toPlainText();
    m_dialogs.queueAnswer(false);
    m_commands->exerciseRequested("exos\\Chute.E43");
    QCOMPARE(titles(m_dialogs), QStringList({"Abandon des données?"}));
    QCOMPARE(m_host->box->toPlainText(), edited);
    QCOMPARE(m_host->field->text(), exos() + "Demande.E43");
}

void TestExerciseCommands::saveText()
{
    m_host->window.show();
    QVERIFY(m_commands->ouvreur(exos() + "Chute.E43"));
    QTest::keyClicks(m_host->box, " : 12 m");
    const QString target = m_dir->path() + "/reponse";
    m_dialogs.queueFile(target);
    m_commands->savetexte_Click();
    QCOMPARE(m_dialogs.fileRequests().size(), std::size_t(1));
    QVERIFY(m_dialogs.fileRequests()[0].save);
    QCOMPARE(m_dialogs.fileRequests()[0].filter, QString("Texte au format RTF (*.RTF *.rtf)"));
    QFile saved(target + ".RTF");
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QTextDocument back;
    QVERIFY(rtf::read(saved.readAll(), back));
    QCOMPARE(back.toPlainText(), QString("Lancer d'une pomme\n : 12 m"));
    QCOMPARE(m_commands->textModified(), qint16(0));
    QVERIFY(m_dialogs.shown().empty());
}

void TestExerciseCommands::saveAsksBeforeOverwriting()
{
    const QString target = m_dir->path() + "/ancien.rtf";
    QVERIFY(writeFile(target, "ancien"));
    m_dialogs.queueFile(target);
    m_dialogs.queueAnswer(false);
    m_commands->savetexte_Click();
    QCOMPARE(m_dialogs.shown().size(), std::size_t(1));
    QCOMPARE(m_dialogs.shown()[0].title, QString("Ecraser le fichier?"));
    QCOMPARE(m_dialogs.shown()[0].text, "Le fichier " + target + " existe déjà.\r\nEcraser l'ancien?");
    QFile kept(target);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("ancien"));
    kept.close();

    m_dialogs.queueFile(target);
    m_dialogs.queueAnswer(true);
    m_commands->savetexte_Click();
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QVERIFY(kept.readAll().startsWith("{\\rtf1"));
}

void TestExerciseCommands::saveFailure()
{
    m_dialogs.queueFile(m_dir->path() + "/dossier/absent/texte.rtf");
    m_commands->savetexte_Click();
    QCOMPARE(m_dialogs.shown().size(), std::size_t(1));
    QCOMPARE(m_dialogs.shown()[0].title, QString("Enregistrement impossible"));
    QCOMPARE(m_dialogs.shown()[0].text, QString("Ecriture impossible sur disque"));
}

void TestExerciseCommands::openText()
{
    QVERIFY(m_commands->ouvreur(exos() + "Chute.E43"));
    m_commands->opencor_Click();
    m_dialogs.queueFile(exos() + "Textes/corrige.rtf");
    m_commands->opentexte_Click();
    QCOMPARE(m_host->box->toPlainText().trimmed(), QString("La portée vaut 12 m"));
    // A text found again is the user's own: editable.
    QVERIFY(!m_host->box->isReadOnly());
    QCOMPARE(m_commands->textModified(), qint16(0));
    QCOMPARE(m_host->field->text(), exos() + "Chute.E43");
}

void TestExerciseCommands::openTextMissing()
{
    m_dialogs.queueFile(m_dir->path() + "/parti.rtf");
    m_commands->opentexte_Click();
    QCOMPARE(titles(m_dialogs), QStringList({"Fichier absent"}));
    QCOMPARE(m_host->box->toPlainText().trimmed(), QString("Bienvenue dans Tavrel TS"));
}

void TestExerciseCommands::printText()
{
    QVERIFY(m_commands->ouvreur(exos() + "Chute.E43"));
    const QString pdf = m_dir->path() + "/texte.pdf";
    m_dialogs.queuePrinter(pdf);
    m_commands->imprimetexte_Click();
    QCOMPARE(m_dialogs.printerChoices(), 1);
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    QVERIFY(text.waitForFinished(20000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(printed.contains("Texte: Chute"), qPrintable(printed));
    QVERIFY2(printed.contains("Lancer d'une pomme"), qPrintable(printed));
}

TAVREL_TEST_MAIN(TestExerciseCommands)
#include "test_exercisecommands.moc"
