#include "ui/appdir.h"
#include "common/testmain.h"

#include <QCoreApplication>
#include <QTest>

class TestAppDir : public QObject {
    Q_OBJECT
private slots:
    void defaultsToExecutableDirectory();
    void chosenDirectory_data();
    void chosenDirectory();
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

TAVREL_TEST_GUILESS_MAIN(TestAppDir)
#include "test_appdir.moc"
