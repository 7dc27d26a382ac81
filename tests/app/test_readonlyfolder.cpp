// An application directory nobody may write into, as an installed program's
// is: the program starts, flies and opens what another program asks for,
// and its marker file lives in the user's own folder; nothing is told. A
// writable directory keeps the marker file beside the data.

#include "windowfixture.h"
#include "common/ordinaryuser.h"
#include "common/testmain.h"

#include "config/recordfile.h"

#include <QComboBox>

namespace {

QString markerRecord(const QString& path, int record)
{
    return config::readRecord(path, record).value_or(QStringLiteral("<none>"));
}

void runFlightToItsEnd(FeuilleP& w)
{
    WindowFixture::activate(w.ui().command15);
    QVERIFY(w.timerRunning());
    for (int ticks = 0; w.timerRunning() && ticks < 5000; ++ticks)
        w.Timer1_Timer();
    QVERIFY(!w.timerRunning());
}

} // namespace

class TestReadOnlyFolder : public QObject {
    Q_OBJECT
private slots:
    void writableFolderKeepsTheMarker();
    void readOnlyFolder();
};

void TestReadOnlyFolder::writableFolderKeepsTheMarker()
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    WindowFixture f;
    QCOMPARE(FeuilleP::markerFilePath(), f.directory.filePath(QStringLiteral("TEMPTS.TMP")));
    QCOMPARE(markerRecord(FeuilleP::markerFilePath(), MarkerFile::runningRecord), QStringLiteral("OUI"));
    QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("tavrel-ts"))));
    qunsetenv("XDG_DATA_HOME");
}

void TestReadOnlyFolder::readOnlyFolder()
{
    if (testsupport::runsAsOrdinaryUser("TestReadOnlyFolder", "readOnlyFolder"))
        return;
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    const QString userMarker = home.filePath(QStringLiteral("tavrel-ts/TEMPTS.TMP"));
    WindowFixture f;
    f.window.reset();
    QVERIFY(QFile::remove(f.directory.filePath(QStringLiteral("TEMPTS.TMP"))));
    const QFileDevice::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                              | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(f.directory.path(), readOnly));

    f.window = std::make_unique<FeuilleP>();
    FeuilleP& w = f.w();
    QVERIFY(!w.failedFatally());
    QCOMPARE(FeuilleP::markerFilePath(), userMarker);
    QCOMPARE(markerRecord(userMarker, MarkerFile::runningRecord), QStringLiteral("OUI"));

    runFlightToItsEnd(w);
    QVERIFY(!f.sound.played().empty());

    // Another program hands an exercise over in the user's marker file; its
    // name is still relative to the application directory.
    QVERIFY(config::writeRecord(userMarker, MarkerFile::exerciseRecord, QStringLiteral("lune.E43")));
    f.bringToFront();
    QCOMPARE(w.ui().fich->text(), f.directory.filePath(QStringLiteral("lune.E43")));
    QCOMPARE(w.ui().Combo1->currentIndex(), 1);
    QCOMPARE(markerRecord(userMarker, MarkerFile::exerciseRecord), QString());
    runFlightToItsEnd(w);

    f.window.reset();
    QCOMPARE(markerRecord(userMarker, MarkerFile::runningRecord), QStringLiteral("NON"));
    QVERIFY(!QFileInfo::exists(f.directory.filePath(QStringLiteral("TEMPTS.TMP"))));
    QCOMPARE(f.dialogs.shown().size(), size_t(0));
    QVERIFY(QFile::setPermissions(f.directory.path(), readOnly | QFile::WriteOwner));
    qunsetenv("XDG_DATA_HOME");
}

TAVREL_TEST_MAIN(TestReadOnlyFolder)
#include "test_readonlyfolder.moc"
