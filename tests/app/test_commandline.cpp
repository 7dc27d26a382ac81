// The files named on the command line: a configuration and an exercise open
// by the roads of their buttons, with the messages of those roads; any other
// argument is told and the next one still opens.

#include "windowfixture.h"
#include "common/testmain.h"

#include <QComboBox>
#include <QTextEdit>
#include <QUrl>

namespace {

struct Told {
    QString title;
    QString textPart;
};

bool copyFile(const QString& from, const QString& to) { return QFile::copy(from, to); }

} // namespace

Q_DECLARE_METATYPE(std::vector<Told>)

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void arguments_data();
    void arguments();
    void exerciseNamesAreRelativeToItsFolder();
    void editedStatementIsAskedFor();

private:
    std::unique_ptr<WindowFixture> m_fixture;
    // A folder of the user's, apart from the application directory, which is
    // also the working directory of the run.
    std::unique_ptr<QTemporaryDir> m_documents;
    QString m_workingDirectory;
};

void TestCommandLine::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    m_documents = std::make_unique<QTemporaryDir>();
    const QString data = applicationDirectory();
    QVERIFY(QDir(m_documents->path()).mkpath(QStringLiteral("Sur la Lune")));
    const QDir moon(m_documents->filePath(QStringLiteral("Sur la Lune")));
    for (const char* name : {"lune.E43", "lune.P20", "lune_enonce.rtf"})
        QVERIFY(copyFile(data + QLatin1String(name), moon.filePath(QLatin1String(name))));
    QVERIFY(copyFile(data + QStringLiteral("lune.P20"), m_documents->filePath(QStringLiteral("LUNE2.p20"))));
    QVERIFY(copyFile(data + QStringLiteral("terre.jpg"), m_documents->filePath(QStringLiteral("photo.P20"))));
    m_workingDirectory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_documents->path()));
}

void TestCommandLine::cleanup()
{
    QDir::setCurrent(m_workingDirectory);
    m_fixture.reset();
    m_documents.reset();
}

void TestCommandLine::arguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    // What shows once all are handled: the place chosen, the caption's file
    // (relative to the documents folder, empty for none) and the exercise open.
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("captionFile");
    QTest::addColumn<QString>("exerciseFile");
    QTest::addColumn<std::vector<Told>>("told");

    const QString moonFile = QStringLiteral("Sur la Lune/lune.P20");
    const QString moonExercise = QStringLiteral("Sur la Lune/lune.E43");
    QTest::newRow("configuration, relative path") << QStringList{moonFile} << 1 << moonFile << QString()
                                                  << std::vector<Told>{};
    QTest::newRow("configuration, extension in small letters")
        << QStringList{QStringLiteral("LUNE2.p20")} << 1 << QStringLiteral("LUNE2.p20") << QString()
        << std::vector<Told>{};
    QTest::newRow("configuration, file address")
        << QStringList{QStringLiteral("file:///%1/") + moonFile} << 1 << moonFile << QString() << std::vector<Told>{};
    QTest::newRow("exercise") << QStringList{moonExercise} << 1 << moonFile << moonExercise << std::vector<Told>{};
    QTest::newRow("missing configuration")
        << QStringList{QStringLiteral("absent.P20")} << 0 << QString() << QString()
        << std::vector<Told>{{QStringLiteral("impossible d'ouvrir ce fichier"),
                              QStringLiteral("Nom de fichier incorrect ou chemin non valide")}};
    QTest::newRow("missing exercise") << QStringList{QStringLiteral("absent.E43")} << 0 << QString() << QString()
                                      << std::vector<Told>{{QStringLiteral("Fichier absent"),
                                                            QStringLiteral("absent.E43 est introuvable")}};
    QTest::newRow("a photograph named as a configuration")
        << QStringList{QStringLiteral("photo.P20")} << 0 << QString() << QString()
        << std::vector<Told>{{QStringLiteral("Fichier non valide"),
                              QStringLiteral("Ce fichier ne correspond pas à cette application")}};
    QTest::newRow("another kind of file, then a configuration")
        << QStringList{QStringLiteral("notes.txt"), moonFile} << 1 << moonFile << QString()
        << std::vector<Told>{{QStringLiteral("Fichier non reconnu"),
                              QStringLiteral("« notes.txt » n'est ni une configuration (.P20) ni un exercice (.E43)")}};
    QTest::newRow("an option") << QStringList{QStringLiteral("--aide")} << 0 << QString() << QString()
                               << std::vector<Told>{{QStringLiteral("Fichier non reconnu"),
                                                     QStringLiteral("« --aide »")}};
    QTest::newRow("a folder named as a configuration")
        << QStringList{QStringLiteral("Sur la Lune.P20")} << 0 << QString() << QString()
        << std::vector<Told>{{QStringLiteral("impossible d'ouvrir ce fichier"),
                              QStringLiteral("Nom de fichier incorrect ou chemin non valide")}};
}

void TestCommandLine::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, place);
    QFETCH(QString, captionFile);
    QFETCH(QString, exerciseFile);
    QFETCH(std::vector<Told>, told);
    QVERIFY(QDir(m_documents->path()).mkpath(QStringLiteral("Sur la Lune.P20")));
    for (QString& argument : arguments)
        argument.replace(QStringLiteral("%1"), m_documents->path().mid(1));
    FeuilleP& w = m_fixture->w();

    w.openCommandLine(arguments);

    QCOMPARE(w.ui().Combo1->currentIndex(), place);
    QCOMPARE(w.windowTitle(), captionFile.isEmpty() ? QStringLiteral("Tavrel TS")
                                                    : QStringLiteral("Tavrel TS - ") + m_documents->filePath(captionFile));
    QCOMPARE(w.ui().fich->text(), exerciseFile.isEmpty() ? QString() : m_documents->filePath(exerciseFile));
    const auto& shown = m_fixture->dialogs.shown();
    QCOMPARE(shown.size(), told.size());
    for (size_t i = 0; i < told.size(); ++i) {
        QCOMPARE(shown[i].icon, DialogService::Icon::Critical);
        QCOMPARE(shown[i].title, told[i].title);
        QVERIFY2(shown[i].text.contains(told[i].textPart), qPrintable(shown[i].text));
    }
}

// The statement and the situation come from the exercise's own folder, not
// from the application directory, which holds files of the same names.
void TestCommandLine::exerciseNamesAreRelativeToItsFolder()
{
    const QDir moon(m_documents->filePath(QStringLiteral("Sur la Lune")));
    QFile statement(moon.filePath(QStringLiteral("lune_enonce.rtf")));
    QVERIFY(statement.open(QIODevice::WriteOnly | QIODevice::Truncate));
    statement.write("{\\rtf1\\ansi Sauter sur la Lune, version de la classe.}");
    statement.close();
    FeuilleP& w = m_fixture->w();

    w.openCommandLine({moon.filePath(QStringLiteral("lune.E43"))});

    QCOMPARE(m_fixture->dialogs.shown().size(), size_t(0));
    QVERIFY2(w.ui().supertext->toPlainText().contains(QStringLiteral("version de la classe")),
             qPrintable(w.ui().supertext->toPlainText()));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tavrel TS - ") + moon.filePath(QStringLiteral("lune.P20")));
}

// Opening an exercise replaces the statement: the pupil's edits are asked for
// first, as with the chooser.
void TestCommandLine::editedStatementIsAskedFor()
{
    FeuilleP& w = m_fixture->w();
    const QString exercise = m_documents->filePath(QStringLiteral("Sur la Lune/lune.E43"));
    w.openCommandLine({exercise});
    w.ui().supertext->insertPlainText(QStringLiteral("Ma réponse"));
    m_fixture->dialogs.queueAnswer(false);

    w.openCommandLine({exercise});

    QCOMPARE(m_fixture->dialogs.shown().size(), size_t(1));
    QCOMPARE(m_fixture->dialogs.shown().front().title, QStringLiteral("Abandon des données?"));
    QVERIFY(w.ui().supertext->toPlainText().contains(QStringLiteral("Ma réponse")));
}

TAVREL_TEST_MAIN(TestCommandLine)
#include "test_commandline.moc"
