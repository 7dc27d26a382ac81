// The scale rule shared by both graphs: sampling, negative values, the
// search of k * 10^e and the division steps.

#include "graphs/graphlabels.h"
#include "graphs/graphscale.h"
#include "ui/numberformat.h"
#include "common/testmain.h"

#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(graphs::GraphInputs)

using namespace graphs;

namespace {

GraphInputs throwFrom(float vx, float vy, double y0, GraphKind kind)
{
    GraphInputs in;
    in.initialVelocityX = vx;
    in.initialVelocityY = vy;
    in.gravityField = 9.8f;
    in.projectileMass = 0.45f;
    in.y0 = y0;
    in.checked[size_t(kind)] = true;
    return in;
}

} // namespace

class TestGraphScale : public QObject {
    Q_OBJECT
private slots:
    void horizontalLaunch();
    void valueMantissa_data();
    void valueMantissa();
    void negativeValues_data();
    void negativeValues();
    void negativeDoublesValueMantissa();
    void zeroValueGetsTinyScale();
    void energiesShareMechanicalScale_data();
    void energiesShareMechanicalScale();
    void noScale_data();
    void noScale();
};

void TestGraphScale::horizontalLaunch()
{
    const GraphScale s = computeGraphScale(throwFrom(15, 0, 10, KindX));
    QVERIFY(s.valid);
    QCOMPARE(std::round(s.flightDuration * 1e4) / 1e4, 1.4286);
    // 15 at e = -1, step 2, rounded to 16: 1.6 s in eight divisions.
    QCOMPARE(s.timeAxisMantissa, 16);
    QCOMPARE(s.timeAxisExponent, -1);
    QCOMPARE(s.timeDivisionStep, 2);
    QCOMPARE(formatGeneral(timeDivision(s)), QStringLiteral("0,2"));
    QVERIFY(!s.graphHasNegative);
    // x reaches 21.4 m: 22 at e = 0, step 5, rounded to 25.
    QCOMPARE(s.valueAxisMantissa, 25);
    QCOMPARE(s.valueAxisExponent, 0);
    QCOMPARE(s.valueDivisionStep, 5);
}

// vx(t) is the constant vx, which aims the value axis at a chosen maximum.
void TestGraphScale::valueMantissa_data()
{
    QTest::addColumn<float>("vx");
    QTest::addColumn<int>("mantissa");
    QTest::addColumn<int>("exponent");
    QTest::addColumn<int>("step");
    QTest::addRow("9 stays, step 1") << 0.85f << 9 << -1 << 1;
    QTest::addRow("11 becomes 12") << 1.05f << 12 << -1 << 2;
    QTest::addRow("19 becomes 20, step 2") << 1.85f << 20 << -1 << 2;
    QTest::addRow("20 exactly stays") << 2.0f << 20 << -1 << 5;
    QTest::addRow("21 becomes 25") << 2.05f << 25 << -1 << 5;
    QTest::addRow("24 becomes 25") << 2.35f << 25 << -1 << 5;
    QTest::addRow("26 becomes 30") << 2.55f << 30 << -1 << 5;
    QTest::addRow("29 becomes 30") << 2.85f << 30 << -1 << 5;
    QTest::addRow("smallest exponent first") << 0.27f << 30 << -2 << 5;
    QTest::addRow("above 29, next exponent") << 3.5f << 4 << 0 << 1;
    QTest::addRow("300 is 3 x 10^2") << 300.0f << 3 << 2 << 1;
}

void TestGraphScale::valueMantissa()
{
    QFETCH(float, vx);
    QFETCH(int, mantissa);
    QFETCH(int, exponent);
    QFETCH(int, step);
    const GraphScale s = computeGraphScale(throwFrom(vx, 0, 10, KindVx));
    QVERIFY(s.valid);
    QCOMPARE(s.valueAxisMantissa, mantissa);
    QCOMPARE(s.valueAxisExponent, exponent);
    QCOMPARE(s.valueDivisionStep, step);
}

void TestGraphScale::negativeValues_data()
{
    QTest::addColumn<GraphInputs>("in");
    QTest::addColumn<bool>("negative");
    QTest::addRow("vy of a throw up") << throwFrom(0, 9, 0, KindVy) << true;
    QTest::addRow("x of a throw to the left") << throwFrom(-5, 5, 0, KindX) << true;
    QTest::addRow("x of a throw to the right") << throwFrom(5, 5, 0, KindX) << false;
    QTest::addRow("v never below 0") << throwFrom(3, 9, 0, KindV) << false;
}

void TestGraphScale::negativeValues()
{
    QFETCH(GraphInputs, in);
    QFETCH(bool, negative);
    const GraphScale s = computeGraphScale(in);
    QVERIFY(s.valid);
    QCOMPARE(s.graphHasNegative, negative);
}

// The axis is centred: each half must still hold the largest magnitude.
void TestGraphScale::negativeDoublesValueMantissa()
{
    const GraphScale left = computeGraphScale(throwFrom(-5, 5, 0, KindX));
    const GraphScale right = computeGraphScale(throwFrom(5, 5, 0, KindX));
    QCOMPARE(left.valueAxisMantissa, 2 * right.valueAxisMantissa);
    QCOMPARE(left.valueAxisExponent, right.valueAxisExponent);
    QCOMPARE(left.valueDivisionStep, right.valueDivisionStep);
}

void TestGraphScale::zeroValueGetsTinyScale()
{
    const GraphScale s = computeGraphScale(throwFrom(0, 8, 0, KindVx));
    QVERIFY(s.valid);
    QVERIFY(!s.graphHasNegative);
    QCOMPARE(s.valueAxisExponent, -6);
    QCOMPARE(s.valueDivisionStep, 2);
    QCOMPARE(formatGeneral(valueDivision(s)), QStringLiteral("2E-06"));
}

// Ep peaks at the launch height, well below Em; Ec and Ep must still get
// the scale of Em.
void TestGraphScale::energiesShareMechanicalScale_data()
{
    QTest::addColumn<int>("kind");
    QTest::addRow("Ec") << int(KindEc);
    QTest::addRow("Ep") << int(KindEp);
}

void TestGraphScale::energiesShareMechanicalScale()
{
    QFETCH(int, kind);
    const GraphScale em = computeGraphScale(throwFrom(15, 0, 10, KindEm));
    const GraphScale s = computeGraphScale(throwFrom(15, 0, 10, GraphKind(kind)));
    QVERIFY(s.valid);
    QCOMPARE(em.valueAxisMantissa, 10);
    QCOMPARE(em.valueAxisExponent, 1);
    QCOMPARE(s.valueAxisMantissa, em.valueAxisMantissa);
    QCOMPARE(s.valueAxisExponent, em.valueAxisExponent);
    QCOMPARE(s.valueDivisionStep, em.valueDivisionStep);
}

void TestGraphScale::noScale_data()
{
    QTest::addColumn<GraphInputs>("in");
    QTest::addColumn<bool>("durationIsNaN");
    QTest::addRow("launched down from the ground") << throwFrom(3, -4, 0, KindX) << false;
    QTest::addRow("launched flat from the ground") << throwFrom(3, 0, 0, KindX) << false;
    QTest::addRow("square root of a negative") << throwFrom(3, 0, -10, KindX) << true;
    QTest::addRow("negative landing date") << throwFrom(3, -5, -1, KindX) << false;
    QTest::addRow("value beyond 29 x 10^10") << throwFrom(3e11f, 0, 10, KindVx) << false;
}

void TestGraphScale::noScale()
{
    QFETCH(GraphInputs, in);
    QFETCH(bool, durationIsNaN);
    const GraphScale s = computeGraphScale(in);
    QVERIFY(!s.valid);
    QCOMPARE(std::isnan(s.flightDuration), durationIsNaN);
}

TAVREL_TEST_GUILESS_MAIN(TestGraphScale)
#include "test_graphscale.moc"
