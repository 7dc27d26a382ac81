#include "ui/appdir.h"
#include "common/testmain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestAppDir : public QObject {
    Q_OBJECT
private slots:
    void defaultsToExecutableDirectory();
    void chosenDirectory_data();
    void chosenDirectory();
    void foundFromTheExecutable_data();
    void foundFromTheExecutable();
};

void TestAppDir::defaultsToExecutableDirectory()
{
    setApplicationDirectory(QString());
    QCOMPARE(applicationDirectory(), QCoreApplication::applicationDirPath() + "/");
}

void TestAppDir::chosenDirectory_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("expected");
    QTest::addRow("slash added") << "/opt/tavrel" << "/opt/tavrel/";
    QTest::addRow("slash kept") << "/opt/tavrel/" << "/opt/tavrel/";
    QTest::addRow("root") << "/" << "/";
}

void TestAppDir::chosenDirectory()
{
    QFETCH(QString, directory);
    QFETCH(QString, expected);
    setApplicationDirectory(directory);
    QCOMPARE(applicationDirectory(), expected);
    setApplicationDirectory(QString());
}

// P/bin/tavrel reads P/share/tavrel-ts/; a build folder's data are beside
// the executable and win over an installed copy.
void TestAppDir::foundFromTheExecutable_data()
{
    QTest::addColumn<bool>("besideExecutable");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("expected");
    QTest::addRow("beside the executable") << true << false << "bin/";
    QTest::addRow("installed") << false << true << "share/tavrel-ts/";
    QTest::addRow("both") << true << true << "bin/";
    QTest::addRow("neither: the executable's, for the fatal message") << false << false << "bin/";
}

void TestAppDir::foundFromTheExecutable()
{
    QFETCH(bool, besideExecutable);
    QFETCH(bool, installed);
    QFETCH(QString, expected);
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    QVERIFY(root.mkpath(QStringLiteral("bin")) && root.mkpath(QStringLiteral("share/tavrel-ts")));
    const auto photograph = [&root](const QString& folder) {
        QFile file(root.filePath(folder + QStringLiteral("terre.jpg")));
        return file.open(QIODevice::WriteOnly);
    };
    if (besideExecutable)
        QVERIFY(photograph(QStringLiteral("bin/")));
    if (installed)
        QVERIFY(photograph(QStringLiteral("share/tavrel-ts/")));
    QCOMPARE(findApplicationDirectory(root.filePath(QStringLiteral("bin"))), root.filePath(expected));
}

TAVREL_TEST_GUILESS_MAIN(TestAppDir)
#include "test_appdir.moc"
