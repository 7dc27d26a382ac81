// Free flight in closed form: the position's precision and the date of the
// ground contact.

#include "sim/catalogue.h"
#include "sim/flight.h"
#include "sim/initialconditions.h"
#include "common/testmain.h"

#include <QTest>
#include <cmath>

class TestFlight : public QObject {
    Q_OBJECT
private slots:
    void abscissaInSinglePrecision_data();
    void abscissaInSinglePrecision();
    void ordinateInDoublePrecision_data();
    void ordinateInDoublePrecision();
    void groundContact_data();
    void groundContact();
    void tickOfTheLanding();
};

void TestFlight::abscissaInSinglePrecision_data()
{
    QTest::addColumn<float>("vx");
    QTest::addColumn<float>("x0");
    QTest::addColumn<float>("t");
    QTest::newRow("default throw") << 3.374312f << 0.0f << 1.24f;
    QTest::newRow("from the left edge") << 19.3f << -0.3888889f << 0.36f;
    QTest::newRow("backwards") << -7.0710678f << 10.027778f << 2.2f;
}

void TestFlight::abscissaInSinglePrecision()
{
    QFETCH(float, vx);
    QFETCH(float, x0);
    QFETCH(float, t);
    const float expected = vx * t + x0;
    QCOMPARE(sim::freeFlightX(vx, x0, t), expected);
}

void TestFlight::ordinateInDoublePrecision_data()
{
    QTest::addColumn<float>("g");
    QTest::addColumn<float>("vy");
    QTest::addColumn<float>("y0");
    QTest::addColumn<float>("t");
    QTest::newRow("Terre, default throw") << 9.8f << 14.615532f << 0.0f << 1.24f;
    QTest::newRow("Lune, from a height") << 1.62f << 3.3f << 7.1944447f << 2.36f;
    QTest::newRow("Mars, thrown down") << 3.71f << -5.0f << 11.666667f << 0.84f;
}

// The inputs are single-precision values; the ordinate keeps every digit a
// double can hold, which a single-precision sum would lose.
void TestFlight::ordinateInDoublePrecision()
{
    QFETCH(float, g);
    QFETCH(float, vy);
    QFETCH(float, y0);
    QFETCH(float, t);
    const double expected = (-0.5 * double(g)) * (double(t) * double(t)) + double(vy) * double(t) + double(y0);
    const float inSingle = (-0.5f * g) * (t * t) + vy * t + y0;
    const double y = sim::freeFlightY(g, vy, y0, t);
    QVERIFY2(std::fabs(y - expected) < 1e-13, qPrintable(QString::number(y - expected, 'g', 6)));
    QVERIFY(y != double(inSingle));
}

void TestFlight::groundContact_data()
{
    QTest::addColumn<int>("place");
    QTest::addColumn<float>("v0");
    QTest::addColumn<float>("alpha");
    QTest::addColumn<float>("y0");
    QTest::addColumn<double>("expected");
    QTest::newRow("Terre, default throw") << int(sim::Terre) << 15.0f << 77.0f << 0.0f << 2.98276;
    QTest::newRow("Terre, horizontal from 10 m") << int(sim::Terre) << 20.0f << 0.0f << 10.0f << std::sqrt(2.0 * 10.0 / 9.8);
    QTest::newRow("Lune, dropped from 10 m") << int(sim::Lune) << 0.0f << 0.0f << 10.0f << std::sqrt(2.0 * 10.0 / 1.62);
    QTest::newRow("Mars, thrown down from 5 m") << int(sim::Mars) << 5.0f << -90.0f << 5.0f << 0.77638;
}

void TestFlight::groundContact()
{
    QFETCH(int, place);
    QFETCH(float, v0);
    QFETCH(float, alpha);
    QFETCH(float, y0);
    QFETCH(double, expected);
    const float g = sim::place(place).gravity;
    const float vy = sim::voxvoy(v0, alpha).y;
    const float t = sim::groundContactTime(g, vy, y0);
    QVERIFY2(std::fabs(t - expected) < 1e-4, qPrintable(QString::number(t, 'g', 9)));
    QVERIFY(std::fabs(sim::freeFlightY(g, vy, y0, t)) < 1e-4);
}

// Stepping the date by 0.04 s the way the animation does, the first date at
// which the ordinate is negative is the tick that lands, and the contact date
// lies within its last step.
void TestFlight::tickOfTheLanding()
{
    const float g = sim::place(sim::Terre).gravity;
    const float vy = sim::voxvoy(15.0f, 77.0f).y;
    float t = 0;
    int ticks = 0;
    do {
        t = t + sim::tickStep(false);
        ++ticks;
    } while (sim::freeFlightY(g, vy, 0.0f, t) >= 0 && ticks < 1000);
    const float contact = sim::groundContactTime(g, vy, 0.0f);
    QCOMPARE(ticks, 75);
    QVERIFY(contact <= t && contact > t - 0.04f);
    QCOMPARE(std::round(contact * 100.0f) / 100.0f, 2.98f);
}

TAVREL_TEST_APPLESS_MAIN(TestFlight)
#include "test_flight.moc"
