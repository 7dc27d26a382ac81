// The ball's chain of bounces, driven in small date steps the way the
// animation drives it.

#include "scene/scenegeometry.h"
#include "sim/bounce.h"
#include "sim/catalogue.h"
#include "sim/flight.h"
#include "sim/initialconditions.h"
#include "common/testmain.h"

#include <QTest>
#include <cmath>
#include <vector>

namespace {

struct Parabola {
    double apex = 0;        // highest ordinate reached, m
    float velocityX = 0;    // horizontal speed along it
    float velocityY = 0;    // vertical speed at its start (the launch for the first)
};

struct Chain {
    std::vector<Parabola> parabolas;
    bool ended = false;
    float endDate = 0;
};

// Free flight, then the bounces: each step advances the date, computes the
// position, and a picture Top below the ground (Top > 420) is a contact.
Chain throwBall(float g, float v0, float alpha, float step)
{
    const sim::VelocityComponents v = sim::voxvoy(v0, alpha);
    Chain chain;
    chain.parabolas.push_back({0, v.x, v.y});

    float t = 0;
    float left = 14;
    for (;;) {
        t = t + step;
        const double y = sim::freeFlightY(g, v.y, 0.0f, t);
        left = scene::imageLeftFor(sim::freeFlightX(v.x, 0.0f, t));
        if (float(scene::imageTopFor(y)) > scene::groundImageTop)
            break;
        chain.parabolas.back().apex = std::max(chain.parabolas.back().apex, y);
    }

    // The contact is handled on the following step, from the picture left
    // on the ground.
    t = t + step;
    sim::BounceState b = sim::startBounce(scene::xForImageLeft(left), 0.0f, v.x, v.y, g, t);
    chain.parabolas.push_back({0, b.bounceVelocityX, b.bounceVelocityY});
    while (t < 60.0f) {
        t = t + step;
        const double y = sim::bounceY(b, g, t);
        left = scene::imageLeftFor(sim::bounceX(b, t));
        if (float(scene::imageTopFor(y)) > scene::groundImageTop) {
            if (sim::bounceAgain(b, scene::xForImageLeft(left), 0.0f, g, t)) {
                chain.ended = true;
                chain.endDate = t;
                return chain;
            }
            chain.parabolas.push_back({0, b.bounceVelocityX, b.bounceVelocityY});
            continue;
        }
        chain.parabolas.back().apex = std::max(chain.parabolas.back().apex, y);
    }
    return chain;
}

} // namespace

class TestBounce : public QObject {
    Q_OBJECT
private slots:
    void chain_data();
    void chain();
    void firstContact();
    void endSpeed_data();
    void endSpeed();
};

void TestBounce::chain_data()
{
    QTest::addColumn<int>("place");
    QTest::addColumn<float>("v0");
    QTest::addColumn<float>("alpha");
    QTest::addColumn<int>("bounces");
    // The upward speeds after each contact: 14.6 x 0.7^n = 10.2, 7.2, 5.0, 3.5,
    // 2.5, then 1.7 which ends the chain.
    QTest::newRow("Terre, default throw") << int(sim::Terre) << 15.0f << 77.0f << 5;
    QTest::newRow("Lune, default throw") << int(sim::Lune) << 15.0f << 77.0f << 5;
    // 20 sin 80 = 19.7: 13.8, 9.7, 6.8, 4.7, 3.3, 2.3, then 1.6.
    QTest::newRow("Mars, steep and fast") << int(sim::Mars) << 20.0f << 80.0f << 6;
    // 3 m/s up: 2.1, then 1.5.
    QTest::newRow("Terre, a little hop") << int(sim::Terre) << 10.0f << 17.5f << 1;
}

void TestBounce::chain()
{
    QFETCH(int, place);
    QFETCH(float, v0);
    QFETCH(float, alpha);
    QFETCH(int, bounces);
    const float g = sim::place(place).gravity;
    const Chain c = throwBall(g, v0, alpha, 0.001f);

    QVERIFY(c.ended);
    QCOMPARE(int(c.parabolas.size()), bounces + 1);
    for (size_t i = 1; i < c.parabolas.size(); ++i) {
        const Parabola& before = c.parabolas[i - 1];
        const Parabola& after = c.parabolas[i];
        QCOMPARE(after.velocityX, sim::restitution * before.velocityX);
        QVERIFY2(std::fabs(after.apex / before.apex - 0.49) < 0.49 * 0.03,
                 qPrintable(QStringLiteral("bounce %1: %2 m after %3 m").arg(i).arg(after.apex).arg(before.apex)));
        QVERIFY(after.velocityY >= sim::bounceEndSpeed);
    }
    // The apex of the free flight, v0y^2 / 2g.
    const float vy = c.parabolas.front().velocityY;
    QVERIFY(std::fabs(c.parabolas.front().apex - vy * vy / (2.0 * g)) < 0.01);
}

// The first contact starts from the picture on the ground: the abscissa is
// read back from its Left, the ordinate is the ground, and the vertical
// speed at that date turns upwards with 30 % less.
void TestBounce::firstContact()
{
    const float g = 9.8f;
    const sim::VelocityComponents v = sim::voxvoy(15.0f, 77.0f);
    const float t = 3.0f;
    const sim::BounceState b = sim::startBounce(scene::xForImageLeft(122.0f), scene::yForImageTop(420.0f), v.x, v.y, g, t);
    QCOMPARE(b.bouncePositionX, 3.0f);
    QCOMPARE(b.bouncePositionY, 0.0f);
    QCOMPARE(b.bounceVelocityX, 0.7f * v.x);
    QCOMPARE(b.bounceVelocityY, -(0.7f * (v.y - g * t)));
    QVERIFY(b.bounceVelocityY > 0);
    QCOMPARE(b.bounceTime, t);
    QCOMPARE(sim::bounceX(b, t + 0.5f), 3.0f + 0.5f * b.bounceVelocityX);
}

void TestBounce::endSpeed_data()
{
    QTest::addColumn<float>("incoming");
    QTest::addColumn<bool>("ends");
    QTest::newRow("2.1 m/s up goes on") << 3.0f << false;
    QTest::newRow("1.96 m/s up ends") << 2.8f << true;
    QTest::newRow("a fast one goes on") << 10.0f << false;
}

// A contact at which the ball comes down at `incoming` m/s: it leaves at 70 %
// of that speed, and the chain ends below 2 m/s.
void TestBounce::endSpeed()
{
    QFETCH(float, incoming);
    QFETCH(bool, ends);
    const float g = 9.8f;
    sim::BounceState b;
    b.bounceVelocityY = 3.0f;
    b.bounceVelocityX = 2.0f;
    const float tau = (b.bounceVelocityY + incoming) / g;
    QCOMPARE(sim::bounceAgain(b, scene::xForImageLeft(194.0f), scene::yForImageTop(420.0f), g, tau), ends);
    QVERIFY(std::fabs(b.bounceVelocityY - 0.7f * incoming) < 1e-5f);
    QCOMPARE(b.bounceVelocityX, 1.4f);
    QCOMPARE(b.bouncePositionX, 5.0f);
    QCOMPARE(b.bounceTime, tau);
}

TAVREL_TEST_APPLESS_MAIN(TestBounce)
#include "test_bounce.moc"
