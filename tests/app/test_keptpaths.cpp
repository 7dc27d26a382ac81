// Comparing throws: the kept trajectories on the scene, five at the most,
// gone with "Effacer" or the box unticked, never in a configuration file.

#include "app/windowfixture.h"
#include "common/testmain.h"
#include "scene/scenegeometry.h"
#include "sim/catalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <array>
#include <vector>

namespace {

void fly(FeuilleP& w, const QString& alpha)
{
    WindowFixture::enter(w.ui().Text4, alpha);
    QTest::mouseClick(w.ui().command15, Qt::LeftButton);
    for (int i = 0; i < 2000 && w.timerRunning(); ++i)
        w.Timer1_Timer();
    QVERIFY(!w.timerRunning());
}

// The background differs from the place's photograph along the path's
// middle: the kept line is there, not the projectile.
bool pathShown(const FeuilleP& w, const sim::Flight& flight, float t)
{
    const QImage& background = w.sceneSurface().background();
    const QPoint at(qRound(scene::sceneX(flight.x(t))), qRound(scene::pictureHalf + scene::imageTopFor(flight.y(t))));
    const QRect around(at - QPoint(1, 1), QSize(3, 3));
    const QImage photograph = QImage(applicationDirectory() + QStringLiteral("terre.jpg"));
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (background.pixel(x, y) != photograph.convertToFormat(background.format()).pixel(x, y))
                return true;
    return false;
}

} // namespace

class TestKeptPaths : public QObject {
    Q_OBJECT
private slots:
    void keptUpToFiveAndGone();
    void offByDefaultAndNotSaved();
    void greatestRangeExercise();
    void keptWhenItLeavesTheScene();
};

void TestKeptPaths::keptUpToFiveAndGone()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::choose(w.ui().Combo2, 1);
    // Thrown at 10 m/s, the stone lands inside the scene at every angle.
    WindowFixture::enter(w.ui().Text3, QStringLiteral("10"));
    QTest::mouseClick(w.ui().keepPaths, Qt::LeftButton);
    QVERIFY(w.ui().keepPaths->isChecked());

    fly(w, QStringLiteral("30"));
    const sim::Flight thirty = w.flight();
    QVERIFY(pathShown(w, thirty, thirty.groundContactTime() / 2));
    fly(w, QStringLiteral("60"));
    const sim::Flight sixty = w.flight();
    QVERIFY(pathShown(w, thirty, thirty.groundContactTime() / 2));
    QVERIFY(pathShown(w, sixty, sixty.groundContactTime() / 2));

    // A place change keeps them: the comparison of Earth and Moon.
    WindowFixture::choose(w.ui().Combo1, sim::Lune);
    WindowFixture::choose(w.ui().Combo1, sim::Terre);
    QVERIFY(pathShown(w, thirty, thirty.groundContactTime() / 2));

    // Four more throws: the one at 30° goes first.
    for (const QString& alpha : {QStringLiteral("40"), QStringLiteral("45"), QStringLiteral("50"), QStringLiteral("70")})
        fly(w, alpha);
    QVERIFY(!pathShown(w, thirty, thirty.groundContactTime() / 2));
    QVERIFY(pathShown(w, sixty, sixty.groundContactTime() / 2));

    // The copy of the animation shows them.
    QVERIFY(w.scenePicture().pixel(qRound(scene::sceneX(sixty.x(0.8f))),
                                   qRound(scene::pictureHalf + scene::imageTopFor(sixty.y(0.8f))))
            == w.sceneSurface().background().pixel(qRound(scene::sceneX(sixty.x(0.8f))),
                                                   qRound(scene::pictureHalf + scene::imageTopFor(sixty.y(0.8f)))));

    QTest::mouseClick(w.ui().Command13, Qt::LeftButton);
    QVERIFY(!pathShown(w, sixty, sixty.groundContactTime() / 2));

    fly(w, QStringLiteral("60"));
    QVERIFY(pathShown(w, sixty, sixty.groundContactTime() / 2));
    QTest::mouseClick(w.ui().keepPaths, Qt::LeftButton);
    QVERIFY(!pathShown(w, sixty, sixty.groundContactTime() / 2));
}

void TestKeptPaths::offByDefaultAndNotSaved()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    QVERIFY(!w.ui().keepPaths->isChecked());
    WindowFixture::choose(w.ui().Combo2, 1);
    // Thrown at 10 m/s, the stone lands inside the scene at every angle.
    WindowFixture::enter(w.ui().Text3, QStringLiteral("10"));
    fly(w, QStringLiteral("45"));
    const config::Configuration before = w.currentConfiguration();
    const sim::Flight flight = w.flight();
    QVERIFY(!pathShown(w, flight, flight.groundContactTime() / 2));

    QTest::mouseClick(w.ui().keepPaths, Qt::LeftButton);
    fly(w, QStringLiteral("45"));
    QVERIFY(pathShown(w, flight, flight.groundContactTime() / 2));
    QVERIFY(w.currentConfiguration() == before);
}

// The exercise on the angle of greatest range, done as its statement asks:
// its situation opened, the paths kept, the boule thrown at five angles.
void TestKeptPaths::greatestRangeExercise()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    w.loadConfiguration(applicationDirectory() + QStringLiteral("portee_maximale_enonce.P20"));
    QCOMPARE(w.ui().Combo2->currentIndex(), int(sim::Boule));
    QTest::mouseClick(w.ui().keepPaths, Qt::LeftButton);

    const std::array<int, 5> angles{15, 30, 45, 60, 75};
    std::vector<sim::Flight> flights;
    for (const int alpha : angles) {
        fly(w, QString::number(alpha));
        flights.push_back(w.flight());
    }
    const auto range = [&](size_t i) { return flights[i].x(flights[i].groundContactTime()); };
    for (size_t i = 0; i < flights.size(); ++i) {
        QVERIFY2(pathShown(w, flights[i], flights[i].groundContactTime() / 2), qPrintable(QString::number(angles[i])));
        if (i != 2)
            QVERIFY(range(2) > range(i));
    }
    // Complementary angles land on the same pixel.
    QCOMPARE(qRound(scene::sceneX(range(0))), qRound(scene::sceneX(range(4))));
    QCOMPARE(qRound(scene::sceneX(range(1))), qRound(scene::sceneX(range(3))));
}

// The ball bounces out of the scene on the right: its flight ends there, and
// its path is kept all the same.
void TestKeptPaths::keptWhenItLeavesTheScene()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    QVERIFY(w.ui().Check4->isChecked());
    QCOMPARE(w.ui().Combo2->currentIndex(), int(sim::Ballon));
    QTest::mouseClick(w.ui().keepPaths, Qt::LeftButton);
    WindowFixture::enter(w.ui().Text3, QStringLiteral("10"));
    fly(w, QStringLiteral("60"));
    const sim::Flight ball = w.flight();
    QVERIFY(scene::leftTheSceneSideways(scene::imageLeftFor(ball.samples().back().x)));
    QVERIFY(pathShown(w, ball, ball.groundContactTime() / 2));
}

TAVREL_TEST_MAIN(TestKeptPaths)
#include "test_keptpaths.moc"
