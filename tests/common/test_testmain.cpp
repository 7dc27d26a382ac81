// The shared test main: a message from Qt during a test function fails it,
// unless the test expects or tolerates it. Each case runs in a child process
// of this program, whose verdict is read from its output.

#include "common/testmain.h"

#include <QImage>
#include <QProcess>
#include <QTest>

namespace {

const char* childVariable = "TAVREL_TESTMAIN_CHILD";

} // namespace

class TestTestMain : public QObject {
    Q_OBJECT
private slots:
    void verdict_data();
    void verdict();
    void provoke_data();
    void provoke();
};

void TestTestMain::verdict_data()
{
    QTest::addColumn<bool>("passes");
    QTest::newRow("unexpected warning") << false;
    QTest::newRow("pixel outside the image") << false;
    QTest::newRow("critical") << false;
    QTest::newRow("warning after its tolerance ends") << false;
    QTest::newRow("expected warning") << true;
    QTest::newRow("tolerated warning") << true;
    QTest::newRow("debug message") << true;
}

void TestTestMain::verdict()
{
    QFETCH(bool, passes);
    const QString row = QString::fromUtf8(QTest::currentDataTag());
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(childVariable), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("provoke:") + row});
    QVERIFY(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    const QString verdict = passes ? QStringLiteral("PASS   : ") : QStringLiteral("FAIL!  : ");
    QVERIFY2(output.contains(verdict + QStringLiteral("TestTestMain::provoke(") + row + QLatin1Char(')')),
             qPrintable(output));
    QCOMPARE(child.exitCode(), passes ? 0 : 1);
}

void TestTestMain::provoke_data() { verdict_data(); }

void TestTestMain::provoke()
{
    if (!qEnvironmentVariableIsSet(childVariable))
        QSKIP("provoked in a child process by verdict()");
    const QByteArray row = QTest::currentDataTag();
    const QRegularExpression tolerated(QStringLiteral("^a tolerated warning$"));
    if (row == "unexpected warning") {
        qWarning("an unexpected warning");
    } else if (row == "pixel outside the image") {
        QImage image(10, 10, QImage::Format_RGB32);
        image.fill(Qt::white);
        QVERIFY(!image.pixelColor(5, 12).isValid());
    } else if (row == "critical") {
        qCritical("a critical message");
    } else if (row == "warning after its tolerance ends") {
        { const testsupport::ToleratedMessages tolerance(tolerated); }
        qWarning("a tolerated warning");
    } else if (row == "expected warning") {
        QTest::ignoreMessage(QtWarningMsg, "an expected warning");
        qWarning("an expected warning");
    } else if (row == "tolerated warning") {
        const testsupport::ToleratedMessages tolerance(tolerated);
        qWarning("a tolerated warning");
    } else if (row == "debug message") {
        qDebug("a debug message");
    }
}

TAVREL_TEST_MAIN(TestTestMain)
#include "test_testmain.moc"
