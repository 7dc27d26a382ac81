// The animation clock driven tick by tick: the date step, the landing,
// pause and step, stop and reset, and leaving the scene.

#include "windowfixture.h"
#include "common/testmain.h"

#include "common/readouts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <cmath>
#include <cstdlib>

namespace {

// Set in the child process that runs the step past the edge.
const char* const stepChild = "TAVREL_STEP_PAST_THE_EDGE";

// Ticks while the timer runs; the number of ticks, at most `limit`.
int runToTheEnd(FeuilleP& w, int limit = 2000)
{
    int ticks = 0;
    while (w.timerRunning() && ticks < limit) {
        w.Timer1_Timer();
        ++ticks;
    }
    return ticks;
}

QString dateText(const char* date) { return QStringLiteral(" Date: t = ") + QLatin1String(date) + QStringLiteral(" s."); }

} // namespace

class TestAnimation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void dateStep_data();
    void dateStep();
    void landing_data();
    void landing();
    void pauseAndStep();
    void stepFromTheInitialPosition_data();
    void stepFromTheInitialPosition();
    void missingProjectilePicture_data();
    void missingProjectilePicture();
    void stopGoesBackToTheStart();
    void resetDuringAFlight();
    void leavingTheScene_data();
    void leavingTheScene();
    void shownOrdinateNeverNegative_data();
    void shownOrdinateNeverNegative();
    void nothingToThrow();
    void stepPastTheEdge();
};

// In the child process of stepPastTheEdge: one step with "Pause" from the
// initial position takes the projectile past the right edge; the exit code
// says whether it stopped there as a running flight would.
void TestAnimation::initTestCase()
{
    if (!qEnvironmentVariableIsSet(stepChild))
        return;
    bool stopped = false;
    {
        WindowFixture f;
        FeuilleP& w = f.w();
        WindowFixture::enter(w.ui().Text1, QStringLiteral("10"));
        WindowFixture::enter(w.ui().Text3, QStringLiteral("20"));
        WindowFixture::enter(w.ui().Text4, QStringLiteral("5"));
        WindowFixture::activate(w.ui().command16);
        stopped = !w.timerRunning() && f.sound.beeps() == 1 && w.state().simTime == 0.0f
            && w.sceneState().imageLeft == 374.0f;
    }
    std::_Exit(stopped ? 0 : 1);
}

void TestAnimation::dateStep_data()
{
    QTest::addColumn<bool>("slow");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<float>("date");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one tick") << false << 1 << 0.04f << dateText("0,04");
    QTest::newRow("25 ticks") << false << 25 << 1.0f << dateText("1,00");
    QTest::newRow("slow, one tick") << true << 1 << 0.005f << QString();
    QTest::newRow("slow, 8 ticks") << true << 8 << 0.04f << dateText("0,04");
}

void TestAnimation::dateStep()
{
    QFETCH(bool, slow);
    QFETCH(int, ticks);
    QFETCH(float, date);
    QFETCH(QString, shown);
    WindowFixture f;
    FeuilleP& w = f.w();
    w.ui().speed->setChecked(slow);
    WindowFixture::activate(w.ui().command15);
    QVERIFY(w.timerRunning());
    for (int i = 0; i < ticks; ++i)
        w.Timer1_Timer();
    QVERIFY(std::fabs(w.state().simTime - date) < 1e-5f);
    if (!shown.isEmpty())
        QCOMPARE(w.ui().Label3->text(), shown);
}

void TestAnimation::landing_data()
{
    QTest::addColumn<int>("place");
    QTest::addColumn<int>("projectile");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("coordinates");
    QTest::addColumn<QString>("sound");
    // 2 v0y / g with v0y = 15 sin 77 = 14.6155; x = 3.3743 t.
    QTest::newRow("pierre on Terre") << 0 << 1 << 75 << dateText("2,98")
                                     << "Coordonnées : x = 10,06 m ; y = 0,00 m. " << "bim.wav";
    QTest::newRow("rocher on Terre") << 0 << 4 << 75 << dateText("2,98")
                                     << "Coordonnées : x = 10,06 m ; y = 0,00 m. " << "boum.wav";
    QTest::newRow("pomme on Mars") << 2 << 0 << 197 << dateText("7,88")
                                   << "Coordonnées : x = 26,59 m ; y = 0,00 m. " << "pom.wav";
    QTest::newRow("pierre on Lune") << 1 << 1 << 452 << dateText("18,04")
                                    << "Coordonnées : x = 60,88 m ; y = 0,00 m. " << QString();
}

// A projectile that does not bounce lands at the exact contact date, on the
// ground, with its sound except on the Moon; the flight then ends.
void TestAnimation::landing()
{
    QFETCH(int, place);
    QFETCH(int, projectile);
    QFETCH(int, ticks);
    QFETCH(QString, date);
    QFETCH(QString, coordinates);
    QFETCH(QString, sound);
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::choose(w.ui().Combo1, place);
    WindowFixture::choose(w.ui().Combo2, projectile);
    w.ui().Check4->setChecked(false);
    w.ui().Check8->setChecked(true);

    WindowFixture::activate(w.ui().command15);
    QVERIFY(w.ui().projectile->isHidden());
    QCOMPARE(runToTheEnd(w), ticks);

    QVERIFY(!w.timerRunning());
    QCOMPARE(w.ui().Label3->text(), date);
    QCOMPARE(w.ui().Label1->text(), coordinates);
    QCOMPARE(w.sceneState().imageTop, 420.0f);
    QCOMPARE(w.ui().projectile->y(), 420);
    QCOMPARE(w.state().simTime, 0.0f);
    QVERIFY(!w.ui().Check8->isChecked());
    QVERIFY(!w.ui().projectile->isHidden());
    if (sound.isEmpty())
        QVERIFY(f.sound.played().empty());
    else
        QCOMPARE(f.sound.played(), std::vector<QString>{applicationDirectory() + sound});

    // A new flight starts again from the initial position.
    WindowFixture::activate(w.ui().command15);
    w.Timer1_Timer();
    QCOMPARE(w.ui().Label3->text(), dateText("0,04"));
}

void TestAnimation::pauseAndStep()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::activate(w.ui().command15);
    for (int i = 0; i < 5; ++i)
        w.Timer1_Timer();

    WindowFixture::activate(w.ui().command16);
    QVERIFY(!w.timerRunning());
    QCOMPARE(w.ui().Label3->text(), dateText("0,20"));

    WindowFixture::activate(w.ui().command16);
    QVERIFY(!w.timerRunning());
    QCOMPARE(w.ui().Label3->text(), dateText("0,24"));
    WindowFixture::activate(w.ui().command16);
    QCOMPARE(w.ui().Label3->text(), dateText("0,28"));
    QVERIFY(!w.timerRunning());

    WindowFixture::activate(w.ui().command15);
    QVERIFY(w.timerRunning());
    w.Timer1_Timer();
    QCOMPARE(w.ui().Label3->text(), dateText("0,32"));
}

void TestAnimation::stepFromTheInitialPosition_data()
{
    QTest::addColumn<int>("projectile");
    QTest::newRow("ball") << 2;
    QTest::newRow("stone") << 1;
}

// "Pause" at the initial position takes one step and leaves the flight
// paused: the projectile is painted on the scene and its image control is
// hidden, so the foot of the y axis, which the control stood over, shows
// again (the shadow lies lower, across the origin).
void TestAnimation::stepFromTheInitialPosition()
{
    QFETCH(int, projectile);
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::choose(w.ui().Combo2, projectile);
    QVERIFY(!w.ui().projectile->isHidden());
    WindowFixture::activate(w.ui().command16);
    QVERIFY(!w.timerRunning());
    QCOMPARE(w.ui().Label3->text(), dateText("0,04"));
    QVERIFY(w.ui().projectile->isHidden());
    const QImage seen = w.scenePicture();
    QCOMPARE(seen.pixelColor(30, 424), QColor(255, 255, 255));
    QCOMPARE(seen.pixelColor(30, 430), QColor(255, 255, 255));

    // Further steps and the start keep it hidden; landing shows it again.
    WindowFixture::activate(w.ui().command16);
    QVERIFY(w.ui().projectile->isHidden());
    WindowFixture::activate(w.ui().command15);
    QVERIFY(w.ui().projectile->isHidden());
    runToTheEnd(w, 20000);
    QVERIFY(!w.ui().projectile->isHidden());
}

void TestAnimation::missingProjectilePicture_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a picture") << QByteArray("GIF89a, or so it says");
}

// Without its picture the ball is a plain disc, at rest and in flight.
void TestAnimation::missingProjectilePicture()
{
    QFETCH(QByteArray, content);
    const QString ball = QStringLiteral("projectile3.png");
    WindowFixture f(true, {ball});
    if (!content.isEmpty()) {
        // The pictures are read at start-up: the window is built again over
        // the unreadable file.
        QFile file(f.directory.filePath(ball));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        f.window.reset();
        f.window = std::make_unique<FeuilleP>();
    }
    FeuilleP& w = f.w();
    const QImage atRest = w.ui().projectile->pixmap().toImage();
    QCOMPARE(atRest.size(), QSize(32, 32));
    QCOMPARE(atRest.pixelColor(16, 16), QColor(96, 96, 96));

    WindowFixture::activate(w.ui().command15);
    for (int i = 0; i < 10; ++i)
        w.Timer1_Timer();
    const QPoint centre(qRound(w.sceneState().imageLeft) + 16, qRound(w.sceneState().imageTop) + 16);
    QCOMPARE(w.sceneSurface().canvas().pixelColor(centre), QColor(96, 96, 96));
}

void TestAnimation::stopGoesBackToTheStart()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::enter(w.ui().Text1, QStringLiteral("2"));
    WindowFixture::activate(w.ui().command15);
    for (int i = 0; i < 10; ++i)
        w.Timer1_Timer();
    WindowFixture::activate(w.ui().Image4);
    QVERIFY(!w.timerRunning());
    QCOMPARE(w.state().simTime, 0.0f);
    QCOMPARE(w.sceneState().imageLeft, 86.0f);
    QCOMPARE(w.sceneState().imageTop, 420.0f);
    QVERIFY(!w.ui().projectile->isHidden());
    QCOMPARE(w.ui().Label3->text(), dateText("0,00"));
    QCOMPARE(w.ui().Label1->text(), QStringLiteral("Coordonnées : x = 2,00 m ; y = 0,00 m. "));
}

// The reset does not stop a running clock: the flight starts again from
// the initial position at once.
void TestAnimation::resetDuringAFlight()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::activate(w.ui().command15);
    for (int i = 0; i < 10; ++i)
        w.Timer1_Timer();
    QVERIFY(w.sceneState().imageTop < 420.0f);

    WindowFixture::activate(w.ui().command18);
    QVERIFY(w.timerRunning());
    QCOMPARE(w.state().simTime, 0.0f);
    QCOMPARE(w.sceneState().imageTop, 420.0f);
    QCOMPARE(w.ui().Label3->text(), dateText("0,00"));

    w.Timer1_Timer();
    QCOMPARE(w.ui().Label3->text(), dateText("0,04"));
}

void TestAnimation::leavingTheScene_data()
{
    QTest::addColumn<bool>("stopAtTheEdge");
    QTest::addColumn<int>("projectile");
    QTest::newRow("pierre, stops at the edge") << true << 1;
    QTest::newRow("ballon, stops at the edge") << true << 2;
    QTest::newRow("pierre, flies on") << false << 1;
}

// From x0 = 10 thrown to the right at 20 m/s, the first tick takes the
// picture past Left 400.
void TestAnimation::leavingTheScene()
{
    QFETCH(bool, stopAtTheEdge);
    QFETCH(int, projectile);
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::choose(w.ui().Combo2, projectile);
    WindowFixture::enter(w.ui().Text1, QStringLiteral("10"));
    WindowFixture::enter(w.ui().Text3, QStringLiteral("20"));
    WindowFixture::enter(w.ui().Text4, QStringLiteral("5"));
    w.ui().Check4->setChecked(stopAtTheEdge);
    w.ui().Check8->setChecked(true);

    WindowFixture::activate(w.ui().command15);
    w.Timer1_Timer();
    if (stopAtTheEdge) {
        QVERIFY(!w.timerRunning());
        QCOMPARE(f.sound.beeps(), 1);
        QCOMPARE(w.state().simTime, 0.0f);
        QCOMPARE(w.sceneState().imageLeft, 374.0f);
        QCOMPARE(w.sceneState().imageTop, 420.0f);
        QCOMPARE(w.ui().Label3->text(), dateText("0,00"));
        QVERIFY(!w.ui().projectile->isHidden());
        QVERIFY(!w.ui().Check8->isChecked());
        QVERIFY(!w.sceneState().trajectoryStarted);
        return;
    }
    QVERIFY(w.timerRunning());
    QVERIFY(w.sceneState().imageLeft > 400.0f);
    runToTheEnd(w);
    QCOMPARE(f.sound.beeps(), 0);
    QCOMPARE(w.ui().Label3->text(), dateText("0,36"));
    QVERIFY(w.sceneState().imageLeft > 600.0f);
}

void TestAnimation::shownOrdinateNeverNegative_data()
{
    QTest::addColumn<int>("projectile");
    QTest::addColumn<QString>("y0");
    QTest::addColumn<QString>("alpha");
    QTest::newRow("ballon, default throw") << 2 << "0" << "77";
    QTest::newRow("ballon thrown down from 8 m") << 2 << "8" << "-60";
    QTest::newRow("pierre thrown down from 8 m") << 1 << "8" << "-60";
}

// The tick that crosses the ground may compute a negative ordinate; the
// read-out and the picture never go below the ground.
void TestAnimation::shownOrdinateNeverNegative()
{
    QFETCH(int, projectile);
    QFETCH(QString, y0);
    QFETCH(QString, alpha);
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::choose(w.ui().Combo2, projectile);
    WindowFixture::enter(w.ui().Text2, y0);
    WindowFixture::enter(w.ui().Text3, QStringLiteral("10"));
    WindowFixture::enter(w.ui().Text4, alpha);
    w.ui().Check4->setChecked(false);
    WindowFixture::activate(w.ui().command15);
    int ticks = 0;
    bool crossedBelow = false;
    while (w.timerRunning() && ticks < 2000) {
        w.Timer1_Timer();
        ++ticks;
        crossedBelow = crossedBelow || w.state().posY < 0;
        const QString y = testing::shownOrdinate(w.ui().Label1);
        QVERIFY2(!y.isEmpty() && !y.startsWith(QLatin1Char('-')), qPrintable(w.ui().Label1->text()));
        QVERIFY(w.sceneState().imageTop <= 420.0f);
        QVERIFY(w.ui().projectile->y() <= 420);
    }
    QVERIFY(!w.timerRunning());
    QCOMPARE(testing::shownOrdinate(w.ui().Label1), QStringLiteral("0,00"));
    if (projectile == 2)
        QVERIFY2(crossedBelow, "the ball's landing tick computes a negative ordinate");
}

// On the ground and without speed there is nothing to throw.
void TestAnimation::nothingToThrow()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::enter(w.ui().Text3, QStringLiteral("0"));
    WindowFixture::activate(w.ui().command15);
    QVERIFY(!w.timerRunning());
    QVERIFY(!w.ui().projectile->isHidden());
    QCOMPARE(w.state().simTime, 0.0f);

    WindowFixture::enter(w.ui().Text2, QStringLiteral("3"));
    WindowFixture::activate(w.ui().command15);
    QVERIFY(w.timerRunning());
}

// Run in a child process, since a failure here takes the whole program down.
void TestAnimation::stepPastTheEdge()
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(stepChild), QStringLiteral("1"));
    environment.insert(QStringLiteral("QTEST_DISABLE_STACK_DUMP"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QTEST_DISABLE_CORE_DUMP"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("nothingToThrow")});
    QVERIFY(child.waitForFinished(120000));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             qPrintable(QStringLiteral("exit status %1, code %2").arg(child.exitStatus()).arg(child.exitCode())));
}

TAVREL_TEST_MAIN(TestAnimation)
#include "test_animation.moc"
