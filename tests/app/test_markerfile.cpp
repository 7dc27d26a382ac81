// The marker file through which other programs see the simulator running
// and hand it an exercise: "NON" whatever way the program ends, one delivery
// of a request the file keeps, and nothing but a regular file touched.

#include "windowfixture.h"
#include "common/ordinaryuser.h"
#include "common/testmain.h"

#include "config/recordfile.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString markerRecord(int record)
{
    return config::readRecord(FeuilleP::markerFilePath(), record).value_or(QStringLiteral("<none>"));
}

enum class WayOut { EndOfEventLoop, FatalAtStartUp, FatalLater };

} // namespace

Q_DECLARE_METATYPE(WayOut)

class TestMarkerFile : public QObject {
    Q_OBJECT
private slots:
    void stoppedOnEveryWayOut_data();
    void stoppedOnEveryWayOut();
    void requestOnceFromAReadOnlyFile();
    void fifoIsLeftAlone();
    void linkIsNotWrittenThrough_data();
    void linkIsNotWrittenThrough();
};

void TestMarkerFile::stoppedOnEveryWayOut_data()
{
    QTest::addColumn<WayOut>("way");
    QTest::newRow("end of the event loop, window still shown") << WayOut::EndOfEventLoop;
    QTest::newRow("Erreur fatale at start-up") << WayOut::FatalAtStartUp;
    QTest::newRow("Erreur fatale at Effacer") << WayOut::FatalLater;
}

void TestMarkerFile::stoppedOnEveryWayOut()
{
    QFETCH(WayOut, way);
    WindowFixture f(way != WayOut::FatalAtStartUp);
    FeuilleP& w = f.w();
    QCOMPARE(markerRecord(MarkerFile::runningRecord), QStringLiteral("OUI"));
    if (way == WayOut::EndOfEventLoop) {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    } else if (way == WayOut::FatalLater) {
        QVERIFY(QFile::remove(f.directory.filePath(QStringLiteral("terre.jpg"))));
        WindowFixture::activate(w.ui().Command13);
    }
    QCOMPARE(w.failedFatally(), way != WayOut::EndOfEventLoop);
    // main() returns and the window goes, without a close event.
    f.window.reset();
    QCOMPARE(markerRecord(MarkerFile::runningRecord), QStringLiteral("NON"));
}

// Without write permission the request cannot be emptied; it must not open
// again at each activation. Root may write anyway: the case runs again in a
// child process under an ordinary user.
void TestMarkerFile::requestOnceFromAReadOnlyFile()
{
    if (testsupport::runsAsOrdinaryUser("TestMarkerFile", "requestOnceFromAReadOnlyFile"))
        return;
    WindowFixture f;
    FeuilleP& w = f.w();
    const QString path = FeuilleP::markerFilePath();
    QVERIFY(config::writeRecord(path, MarkerFile::exerciseRecord, QStringLiteral("Chute libre.E43")));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QVERIFY(!config::writeRecord(path, MarkerFile::exerciseRecord, QString()));
    QSignalSpy requests(&w, &FeuilleP::exerciseRequested);

    f.bringToFront();
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.front().front().toString(), QStringLiteral("Chute libre.E43"));
    QCOMPARE(markerRecord(MarkerFile::exerciseRecord), QStringLiteral("Chute libre.E43"));
    f.bringToFront();
    f.bringToFront();
    QCOMPARE(requests.count(), 1);

    // Writable again: the record is emptied, the request still not repeated,
    // and the next one another program leaves opens.
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    f.bringToFront();
    QCOMPARE(requests.count(), 1);
    QCOMPARE(markerRecord(MarkerFile::exerciseRecord), QString());
    QVERIFY(config::writeRecord(path, MarkerFile::exerciseRecord, QStringLiteral("Chute libre.E43")));
    f.bringToFront();
    QCOMPARE(requests.count(), 2);
}

// Opening a FIFO waits for a writer: start-up, activation and closing must
// go past one named TEMPTS.TMP and leave it as it is.
void TestMarkerFile::fifoIsLeftAlone()
{
    WindowFixture f;
    f.window.reset();
    const QString path = FeuilleP::markerFilePath();
    QVERIFY(QFile::remove(path));
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    f.window = std::make_unique<FeuilleP>();
    FeuilleP& w = f.w();
    QSignalSpy requests(&w, &FeuilleP::exerciseRequested);
    f.bringToFront();
    QCOMPARE(requests.count(), 0);
    f.dialogs.queueAnswer(true);
    QVERIFY(w.close());
    struct stat status {};
    QCOMPARE(lstat(QFile::encodeName(path).constData(), &status), 0);
    QVERIFY(S_ISFIFO(status.st_mode));
}

void TestMarkerFile::linkIsNotWrittenThrough_data()
{
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("link to a file") << true;
    QTest::newRow("link to nothing") << false;
}

// A symbolic link named TEMPTS.TMP must not have us write into its target.
void TestMarkerFile::linkIsNotWrittenThrough()
{
    QFETCH(bool, targetExists);
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("précieux.txt"));
    const QByteArray content(300, 'x');
    if (targetExists) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }
    WindowFixture f;
    f.window.reset();
    const QString path = FeuilleP::markerFilePath();
    QVERIFY(QFile::remove(path));
    QVERIFY(QFile::link(target, path));
    f.window = std::make_unique<FeuilleP>();
    f.bringToFront();
    f.dialogs.queueAnswer(true);
    QVERIFY(f.w().close());
    f.window.reset();

    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(QFileInfo::exists(target), targetExists);
    if (targetExists) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }
}

TAVREL_TEST_MAIN(TestMarkerFile)
#include "test_markerfile.moc"
