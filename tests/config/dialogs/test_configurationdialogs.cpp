#include "config/dialogs/configurationdialogs.h"
#include "common/testmain.h"
#include "config/dialogs/waitingnotice.h"
#include "ui/dialogservice.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace config;
using Icon = DialogService::Icon;

class TestConfigurationDialogs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void saveAddsTheExtension_data();
    void saveAddsTheExtension();
    void saveStartsInDocumentsThenInTheLastFolder();
    void saveRefusesAnEmptyName_data();
    void saveRefusesAnEmptyName();
    void saveAsksBeforeOverwriting();
    void saveCancelled();
    void openChecksTheName_data();
    void openChecksTheName();
    void openDialogRequest();
    void failedSaveIsReported();
    void readFailureMessages_data();
    void readFailureMessages();
    void waitingNotice();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedDialogs m_dialogs;
};

void TestConfigurationDialogs::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = ScriptedDialogs();
    DialogService::install(&m_dialogs);
}

void TestConfigurationDialogs::cleanup() { DialogService::install(nullptr); }

void TestConfigurationDialogs::saveAddsTheExtension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::addRow("plain name") << "chute" << "chute.P20";
    QTest::addRow("already there") << "chute.P20" << "chute.P20";
    QTest::addRow("lower case kept") << "chute.p20" << "chute.p20";
    QTest::addRow("another extension") << "chute.txt" << "chute.txt.P20";
    QTest::addRow("accents and spaces") << "lancer de pétanque" << "lancer de pétanque.P20";
}

void TestConfigurationDialogs::saveAddsTheExtension()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    ConfigurationDialogs dialogs(m_dir->path());
    m_dialogs.queueFile(path(typed));
    QCOMPARE(dialogs.chooseFileToSave(nullptr), std::optional<QString>(path(saved)));
    QVERIFY(m_dialogs.shown().empty());
}

void TestConfigurationDialogs::saveStartsInDocumentsThenInTheLastFolder()
{
    ConfigurationDialogs dialogs;
    QCOMPARE(dialogs.folder(), ConfigurationDialogs::documentsFolder());
    QVERIFY(QFileInfo(dialogs.folder()).isDir());

    QVERIFY(QDir(m_dir->path()).mkdir("classe"));
    m_dialogs.queueFile(path("classe/chute"));
    QVERIFY(dialogs.chooseFileToSave(nullptr));
    m_dialogs.queueFile(std::nullopt);
    QCOMPARE(dialogs.chooseFileToOpen(nullptr), std::nullopt);

    const auto& requests = m_dialogs.fileRequests();
    QCOMPARE(requests.size(), std::size_t(2));
    QCOMPARE(requests[0].objectName, QString("enregistrer"));
    QCOMPARE(requests[0].caption, QString("Enregistrer les paramètres."));
    QCOMPARE(requests[0].folder, ConfigurationDialogs::documentsFolder());
    QVERIFY(requests[0].save);
    QVERIFY(requests[0].filter.contains("*.P20") && requests[0].filter.contains("*.p20"));
    QCOMPARE(requests[1].folder, path("classe")); // the open dialog follows the save
}

void TestConfigurationDialogs::saveRefusesAnEmptyName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addRow("a folder") << m_dir->path() + "/";
    QTest::addRow("only the extension") << path(".P20");
    QTest::addRow("blanks") << path("   ");
}

void TestConfigurationDialogs::saveRefusesAnEmptyName()
{
    QFETCH(QString, typed);
    ConfigurationDialogs dialogs(m_dir->path());
    m_dialogs.queueFile(typed);
    m_dialogs.queueFile(path("chute"));
    QCOMPARE(dialogs.chooseFileToSave(nullptr), std::optional<QString>(path("chute.P20")));
    QCOMPARE(m_dialogs.shown().size(), std::size_t(1));
    QCOMPARE(m_dialogs.shown()[0].text, QString("Il faut donner un nom au fichier!"));
    QCOMPARE(m_dialogs.shown()[0].icon, Icon::Warning);
    QCOMPARE(m_dialogs.fileRequests().size(), std::size_t(2)); // asked again
}

void TestConfigurationDialogs::saveAsksBeforeOverwriting()
{
    ConfigurationDialogs dialogs(m_dir->path());
    QFile existing(path("chute.P20"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();

    m_dialogs.queueFile(path("chute"));
    m_dialogs.queueAnswer(false); // no: the dialog comes back
    m_dialogs.queueFile(path("chute.P20"));
    m_dialogs.queueAnswer(true);
    QCOMPARE(dialogs.chooseFileToSave(nullptr), std::optional<QString>(path("chute.P20")));
    QCOMPARE(m_dialogs.shown().size(), std::size_t(2));
    for (const auto& shown : m_dialogs.shown()) {
        QCOMPARE(shown.icon, Icon::Question);
        QCOMPARE(shown.title, QString("Ce fichier existe déjà!"));
        QCOMPARE(shown.text, QString("Ecraser le fichier existant?"));
    }
    QCOMPARE(QFileInfo(path("chute.P20")).size(), 0); // choosing writes nothing
}

void TestConfigurationDialogs::saveCancelled()
{
    ConfigurationDialogs dialogs(m_dir->path());
    QCOMPARE(dialogs.chooseFileToSave(nullptr), std::nullopt);
    QVERIFY(m_dialogs.shown().empty());
    QCOMPARE(dialogs.folder(), m_dir->path());
}

void TestConfigurationDialogs::openChecksTheName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");
    QTest::addRow("a configuration") << "chute.P20" << true;
    QTest::addRow("any case") << "chute.p20" << true;
    QTest::addRow("missing") << "absent.P20" << false;
    QTest::addRow("a directory named like a file") << "dossier.P20" << false;
}

void TestConfigurationDialogs::openChecksTheName()
{
    QFETCH(QString, name);
    QFETCH(bool, usable);
    for (const QString file : {"chute.P20", "chute.p20"}) {
        QFile f(path(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(m_dir->path()).mkdir("dossier.P20"));

    ConfigurationDialogs dialogs(m_dir->path());
    m_dialogs.queueFile(path(name));
    QCOMPARE(dialogs.chooseFileToOpen(nullptr), usable ? std::optional<QString>(path(name)) : std::nullopt);
    if (usable) {
        QVERIFY(m_dialogs.shown().empty());
        return;
    }
    QCOMPARE(m_dialogs.shown().size(), std::size_t(1));
    QCOMPARE(m_dialogs.shown()[0].icon, Icon::Critical);
    QCOMPARE(m_dialogs.shown()[0].title, QString("impossible d'ouvrir ce fichier"));
    QCOMPARE(m_dialogs.shown()[0].text, QString("Nom de fichier incorrect ou chemin non valide"));
    QCOMPARE(m_dialogs.fileRequests().size(), std::size_t(2)); // the dialog came back, then was cancelled
}

void TestConfigurationDialogs::openDialogRequest()
{
    ConfigurationDialogs dialogs(m_dir->path());
    QCOMPARE(dialogs.chooseFileToOpen(nullptr), std::nullopt);
    QCOMPARE(m_dialogs.fileRequests().size(), std::size_t(1));
    const auto& request = m_dialogs.fileRequests()[0];
    QCOMPARE(request.objectName, QString("ouvrir"));
    QCOMPARE(request.caption, QString("Ouvrir une configuration"));
    QCOMPARE(request.folder, m_dir->path());
    QVERIFY(!request.save);

    QVERIFY(hasConfigurationExtension("/a/b/chute.P20"));
    QVERIFY(hasConfigurationExtension("CHUTE.p20"));
    QVERIFY(!hasConfigurationExtension("chute.P200"));
    QVERIFY(!hasConfigurationExtension("P20"));
    QVERIFY(!hasConfigurationExtension("exercice.E43"));
}

void TestConfigurationDialogs::failedSaveIsReported()
{
    Configuration configuration;
    QVERIFY(saveConfigurationFile(nullptr, path("chute.P20"), configuration));
    QVERIFY(m_dialogs.shown().empty());
    QVERIFY(QApplication::overrideCursor() == nullptr);

    QVERIFY(!saveConfigurationFile(nullptr, path("absent/chute.P20"), configuration));
    QCOMPARE(m_dialogs.shown().size(), std::size_t(1));
    QCOMPARE(m_dialogs.shown()[0].icon, Icon::Critical);
    QCOMPARE(m_dialogs.shown()[0].title, QString("Enregistrement impossible"));
    QCOMPARE(m_dialogs.shown()[0].text, QString("Ecriture impossible sur disque"));
    QVERIFY(QApplication::overrideCursor() == nullptr); // the pointer is back to normal
}

void TestConfigurationDialogs::readFailureMessages_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString invalid = "Fichier non valide";
    const QString invalidText = "Ce fichier ne correspond pas à cette application";
    const QString error = "Erreur lors du chargement du fichier";
    const QString errorText = "Lecture impossible sur disque";
    QTest::addRow("wrong signature") << int(ReadFailure::WrongSignature) << invalid << invalidText;
    QTest::addRow("cannot read") << int(ReadFailure::CannotRead) << error << errorText;
    QTest::addRow("record missing") << int(ReadFailure::RecordMissing) << error << errorText;
    QTest::addRow("not an integer") << int(ReadFailure::NotAnInteger) << error << errorText;
    QTest::addRow("refused") << int(ReadFailure::Refused) << error << errorText;
}

void TestConfigurationDialogs::readFailureMessages()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QString, text);
    reportReadFailure(nullptr, ReadFailure{ReadFailure::Kind(kind), 2});
    QCOMPARE(m_dialogs.shown().size(), std::size_t(1));
    QCOMPARE(m_dialogs.shown()[0].icon, Icon::Critical);
    QCOMPARE(m_dialogs.shown()[0].title, title);
    QCOMPARE(m_dialogs.shown()[0].text, text);
}

void TestConfigurationDialogs::waitingNotice()
{
    QWidget window;
    window.resize(800, 600);
    window.show();
    auto* notice = new WaitingNotice(&window);
    QVERIFY(!notice->isVisible());
    notice->showNow();
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->text(), QString("Patience: chargement du fichier"));
    QCOMPARE(notice->objectName(), QString("waitingNotice"));
    QVERIFY(window.rect().contains(notice->geometry()));
    QCOMPARE(notice->geometry().center().x(), window.rect().center().x());
    // Painted at once: its pixels are on the window without an event loop.
    const QImage shot = window.grab().toImage();
    const QPoint inside = notice->geometry().topLeft() + QPoint(notice->width() / 2, 4);
    QCOMPARE(shot.pixelColor(inside), notice->palette().color(QPalette::ToolTipBase));
    notice->close();
    QVERIFY(!notice->isVisible());
}

TAVREL_TEST_MAIN(TestConfigurationDialogs)
#include "test_configurationdialogs.moc"
