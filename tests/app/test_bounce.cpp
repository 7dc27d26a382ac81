// The ball's bounces as the window plays them: the hand-over from free
// flight, the extra date step, the impact sounds, the shrinking arcs, the
// ball coming to rest and the ball leaving the scene while it bounces.

#include "windowfixture.h"

#include "common/readouts.h"

#include "sim/catalogue.h"
#include "common/testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
#include <vector>

namespace {

// More ticks than any flight of these tests needs, so that a run that never
// ends fails instead of hanging.
constexpr int tickLimit = 20000;

// One arc per parabola: its highest sampled ordinate and the horizontal
// speed the ball had on it.
struct Arc {
    double apex = 0;
    float velocityX = 0;
};

} // namespace

class TestBounce : public QObject {
    Q_OBJECT
private slots:
    void firstContactStartsTheBounce_data();
    void firstContactStartsTheBounce();
    void eachContactSounds_data();
    void eachContactSounds();
    void neverBelowTheGround_data();
    void neverBelowTheGround();
    void arcsShrinkUntilRest();
    void leavingTheSceneWhileBouncing();
};

void TestBounce::firstContactStartsTheBounce_data()
{
    QTest::addColumn<bool>("slowMotion");
    QTest::addColumn<float>("tickStep");
    QTest::addColumn<float>("extraStep");
    QTest::newRow("normal speed") << false << 0.04f << 0.04f;
    QTest::newRow("slow motion") << true << 0.005f << 0.02f;
}

void TestBounce::firstContactStartsTheBounce()
{
    QFETCH(bool, slowMotion);
    QFETCH(float, tickStep);
    QFETCH(float, extraStep);
    WindowFixture f;
    FeuilleP& w = f.w();
    w.ui().speed->setChecked(slowMotion);
    WindowFixture::activate(w.ui().command15);
    for (int i = 0; i < tickLimit && w.state().bounceActive == sim::BouncePhase::FreeFlight; ++i)
        w.Timer1_Timer();

    // The landing of v0 = 15 m/s at 77° on Terre is at 2 x 14.615 / 9.8 s.
    const float contactDate = w.state().simTime;
    QCOMPARE(w.state().bounceActive, sim::BouncePhase::Touched);
    QVERIFY2(contactDate > 2.9827f && contactDate < 2.9829f + tickStep, qPrintable(QString::number(contactDate)));
    QCOMPARE(w.sceneState().imageTop, 420.0f);
    QCOMPARE(f.sound.played().size(), size_t(1));
    QVERIFY(w.timerRunning());

    w.Timer1_Timer();
    QCOMPARE(w.state().bounceActive, sim::BouncePhase::Bouncing);
    QVERIFY(qAbs(w.state().bounce.bounceTime - (contactDate + tickStep)) < 1e-5f);
    QVERIFY2(qAbs(w.state().simTime - (contactDate + tickStep + extraStep)) < 1e-5f,
             qPrintable(QString::number(w.state().simTime)));
    QCOMPARE(w.ui().Label3->text(), QStringLiteral(" Date: t = %1 s.")
                                   .arg(QString::number(w.state().simTime, 'f', 2).replace(QLatin1Char('.'),
                                                                                          QLatin1Char(','))));
    QVERIFY(w.sceneState().imageTop < 420.0f);
}

void TestBounce::eachContactSounds_data()
{
    QTest::addColumn<int>("place");
    QTest::addColumn<bool>("audible");
    QTest::newRow("Terre") << int(sim::Terre) << true;
    QTest::newRow("Lune") << int(sim::Lune) << false;
}

void TestBounce::eachContactSounds()
{
    QFETCH(int, place);
    QFETCH(bool, audible);
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::choose(w.ui().Combo1, place);
    w.ui().Check4->setChecked(false);
    QVERIFY(f.sound.opened().endsWith(QStringLiteral("bam.wav")));

    WindowFixture::activate(w.ui().command15);
    int contacts = 0;
    for (int i = 0; i < tickLimit && w.timerRunning(); ++i) {
        const size_t playedBefore = f.sound.played().size();
        w.Timer1_Timer();
        const bool contact = w.sceneState().imageTop == 420.0f;
        contacts += contact ? 1 : 0;
        const bool played = f.sound.played().size() > playedBefore;
        QVERIFY2(played == (audible && contact), qPrintable(QStringLiteral("tick %1").arg(i)));
    }
    QVERIFY(!w.timerRunning());
    QVERIFY2(contacts >= 5, qPrintable(QString::number(contacts)));
    QCOMPARE(f.sound.played().size(), size_t(audible ? contacts : 0));
    for (const QString& path : f.sound.played())
        QVERIFY(path.endsWith(QStringLiteral("bam.wav")));
}

void TestBounce::neverBelowTheGround_data()
{
    QTest::addColumn<bool>("slowMotion");
    QTest::newRow("normal speed") << false;
    QTest::newRow("slow motion") << true;
}

void TestBounce::neverBelowTheGround()
{
    QFETCH(bool, slowMotion);
    WindowFixture f;
    FeuilleP& w = f.w();
    w.ui().Check4->setChecked(false);
    w.ui().speed->setChecked(slowMotion);
    WindowFixture::activate(w.ui().command15);
    bool bounced = false;
    for (int i = 0; i < tickLimit && w.timerRunning(); ++i) {
        w.Timer1_Timer();
        bounced = bounced || w.state().bounceActive == sim::BouncePhase::Bouncing;
        const QString y = testing::shownOrdinate(w.ui().Label1);
        QVERIFY2(!y.isEmpty() && !y.startsWith(QLatin1Char('-')), qPrintable(w.ui().Label1->text()));
        QVERIFY2(w.sceneState().imageTop <= 420.0f, qPrintable(QString::number(w.sceneState().imageTop)));
        QVERIFY(w.ui().projectile->y() <= 420);
    }
    QVERIFY(bounced);
    QVERIFY(!w.timerRunning());
}

void TestBounce::arcsShrinkUntilRest()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    w.ui().Check4->setChecked(false);
    w.ui().Check8->setChecked(true);
    WindowFixture::activate(w.ui().command15);
    QVERIFY(w.ui().projectile->isHidden());

    std::vector<Arc> arcs(1, Arc{0, w.state().initialVelocityX});
    std::vector<float> upwardSpeeds;
    for (int i = 0; i < tickLimit && w.timerRunning(); ++i) {
        w.Timer1_Timer();
        const sim::SimulationState& s = w.state();
        if (w.sceneState().imageTop == 420.0f) {
            if (arcs.size() > 1)
                upwardSpeeds.push_back(s.bounce.bounceVelocityY);
            arcs.push_back(Arc{0, s.bounce.bounceVelocityX});
        } else {
            arcs.back().apex = std::max(arcs.back().apex, s.posY);
            if (s.bounceActive == sim::BouncePhase::Bouncing)
                arcs.back().velocityX = s.bounce.bounceVelocityX;
        }
    }

    // At rest on the ground, the flight over.
    const sim::SimulationState& s = w.state();
    QVERIFY(!w.timerRunning());
    QCOMPARE(s.bounceActive, sim::BouncePhase::FreeFlight);
    QCOMPARE(s.simTime, 0.0f);
    QCOMPARE(s.chrono.chronoActive, 0);
    QVERIFY(!w.ui().Check8->isChecked());
    QVERIFY(!w.ui().projectile->isHidden());
    QCOMPARE(w.ui().projectile->y(), 420);
    QCOMPARE(w.ui().ombre->x(), w.ui().projectile->x());
    QVERIFY(w.ui().Command3->isEnabled());
    QVERIFY(w.ui().Command5->isEnabled());

    // The launch arc (10,9 m high), then arcs each about 0.7² as high and 0.7
    // times as fast. The ball's speed is read on the tick after the contact,
    // when it has already fallen a little below the ground, so each arc comes
    // out slightly above 0.49 of the previous one; the last, tiny arc is the
    // most affected and is left out.
    QVERIFY2(arcs.size() >= 6, qPrintable(QString::number(arcs.size())));
    QVERIFY(qAbs(arcs[0].apex - 10.9) < 0.01);
    for (size_t i = 1; i + 1 < arcs.size(); ++i) {
        QVERIFY(qAbs(arcs[i].velocityX / arcs[i - 1].velocityX - 0.7f) < 1e-4f);
        const double ratio = arcs[i].apex / arcs[i - 1].apex;
        if (arcs[i].apex > 0.4)
            QVERIFY2(ratio > 0.48 && ratio < 0.56, qPrintable(QStringLiteral("arc %1: %2").arg(i).arg(ratio)));
    }

    // The bounces go on while the ball leaves the ground at 2 m/s or more.
    QVERIFY(!upwardSpeeds.empty());
    for (size_t i = 0; i + 1 < upwardSpeeds.size(); ++i)
        QVERIFY(upwardSpeeds[i] >= 2.0f);
    QVERIFY(qAbs(upwardSpeeds.back()) < 2.0f);
}

void TestBounce::leavingTheSceneWhileBouncing()
{
    // Thrown from x0 = 0 the ball lands at Left 378 and bounces on past the
    // right edge (Left 400).
    WindowFixture f;
    FeuilleP& w = f.w();
    QVERIFY(w.ui().Check4->isChecked());
    w.ui().Check8->setChecked(true);
    WindowFixture::activate(w.ui().command15);

    float lastLeft = 0;
    sim::BouncePhase lastBounceActive = sim::BouncePhase::FreeFlight;
    for (int i = 0; i < tickLimit && w.timerRunning(); ++i) {
        lastLeft = w.sceneState().imageLeft;
        lastBounceActive = w.state().bounceActive;
        QCOMPARE(f.sound.beeps(), 0);
        w.Timer1_Timer();
    }

    QVERIFY(!w.timerRunning());
    QCOMPARE(f.sound.beeps(), 1);
    QCOMPARE(lastBounceActive, sim::BouncePhase::Bouncing);
    // The ball moves 3.4 pixels per tick on its first bounce: it left on the
    // first tick past 400.
    QVERIFY2(lastLeft <= 400.0f && lastLeft > 396.0f, qPrintable(QString::number(lastLeft)));
    QCOMPARE(f.sound.played().size(), size_t(1));

    // Back at the initial position.
    const sim::SimulationState& s = w.state();
    QCOMPARE(s.simTime, 0.0f);
    QCOMPARE(s.bounceActive, sim::BouncePhase::FreeFlight);
    QCOMPARE(w.sceneState().imageLeft, 14.0f);
    QCOMPARE(w.sceneState().imageTop, 420.0f);
    QVERIFY(!w.ui().projectile->isHidden());
    QVERIFY(!w.ui().Check8->isChecked());
    QVERIFY(!w.sceneState().trajectoryStarted);
}

TAVREL_TEST_MAIN(TestBounce)
#include "test_bounce.moc"
