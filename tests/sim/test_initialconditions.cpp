// The limits of v0 and alpha and the launch velocity.

#include "sim/initialconditions.h"
#include "common/testmain.h"

#include <QTest>
#include <cmath>

class TestInitialConditions : public QObject {
    Q_OBJECT
private slots:
    void speedAndAngle_data();
    void speedAndAngle();
    void velocity_data();
    void velocity();
    void straightDownIsTakenAs270Degrees();
};

void TestInitialConditions::speedAndAngle_data()
{
    QTest::addColumn<bool>("isSpeed");
    QTest::addColumn<float>("typed");
    QTest::addColumn<float>("kept");
    QTest::newRow("v0 too fast") << true << 25.0f << 20.0f;
    QTest::newRow("v0 negative") << true << -3.0f << 0.0f;
    QTest::newRow("v0 inside") << true << 12.5f << 12.5f;
    QTest::newRow("alpha 4.5") << false << 4.5f << 0.0f;
    QTest::newRow("alpha -4.9") << false << -4.9f << 0.0f;
    QTest::newRow("alpha 5") << false << 5.0f << 5.0f;
    QTest::newRow("alpha -5") << false << -5.0f << -5.0f;
    QTest::newRow("alpha -200") << false << -200.0f << -180.0f;
    QTest::newRow("alpha 190") << false << 190.0f << 180.0f;
}

void TestInitialConditions::speedAndAngle()
{
    QFETCH(bool, isSpeed);
    QFETCH(float, typed);
    QFETCH(float, kept);
    QCOMPARE(isSpeed ? sim::clampSpeed(typed) : sim::clampAngle(typed), kept);
}

void TestInitialConditions::velocity_data()
{
    QTest::addColumn<float>("v0");
    QTest::addColumn<float>("alpha");
    QTest::addColumn<float>("vx");
    QTest::addColumn<float>("vy");
    QTest::newRow("default throw") << 15.0f << 77.0f << 3.37431f << 14.61553f;
    QTest::newRow("horizontal") << 20.0f << 0.0f << 20.0f << 0.0f;
    QTest::newRow("downwards at -30") << 10.0f << -30.0f << 8.66025f << -5.0f;
    QTest::newRow("backwards at 135") << 10.0f << 135.0f << -7.07107f << 7.07107f;
    QTest::newRow("straight down") << 15.0f << -90.0f << 0.0f << -15.0f;
    QTest::newRow("no speed") << 0.0f << 45.0f << 0.0f << 0.0f;
}

void TestInitialConditions::velocity()
{
    QFETCH(float, v0);
    QFETCH(float, alpha);
    QFETCH(float, vx);
    QFETCH(float, vy);
    const sim::VelocityComponents v = sim::voxvoy(v0, alpha);
    QVERIFY2(std::fabs(v.x - vx) < 1e-4f, qPrintable(QString::number(v.x, 'g', 9)));
    QVERIFY2(std::fabs(v.y - vy) < 1e-4f, qPrintable(QString::number(v.y, 'g', 9)));
}

// With pi taken as 3.1415927 (a little above pi), 270° lands just past
// 3 pi / 2, where the cosine is slightly positive, while -90° would give a
// slightly negative one: the sign shows the angle was brought to 270° first.
void TestInitialConditions::straightDownIsTakenAs270Degrees()
{
    const sim::VelocityComponents v = sim::voxvoy(15.0f, -90.0f);
    const float expectedX = float(15.0 * std::cos(270.0 * 3.1415927 / 180.0));
    QVERIFY(expectedX > 0);
    QCOMPARE(v.x, expectedX);
    QCOMPARE(v.y, -15.0f);
}

TAVREL_TEST_APPLESS_MAIN(TestInitialConditions)
#include "test_initialconditions.moc"
