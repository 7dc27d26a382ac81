// The chronophotography's dates, driven the way the tick drives them: the
// first photograph on the tick after the switching on, the next ones on
// multiples of the interval, the animation slowed to one interval per tick
// when the interval is shorter than the date step.

#include "sim/chronophotography.h"
#include "sim/flight.h"
#include "common/testmain.h"

#include <QTest>
#include <cmath>
#include <vector>

namespace {

// Ticks from `start` with the recording switched on at that date; the dates
// of the photographs taken and the date reached after `ticks` ticks.
struct Run {
    std::vector<float> photographs;
    float date = 0;
};

Run record(float start, double intervalMs, float step, int ticks)
{
    sim::Chronophotography chrono;
    chrono.start(start);
    Run run;
    run.date = start;
    for (int i = 0; i < ticks; ++i) {
        run.date = run.date + step;
        if (chrono.takePhotoIfDue(run.date, intervalMs))
            run.photographs.push_back(run.date);
    }
    return run;
}

} // namespace

class TestChronophotography : public QObject {
    Q_OBJECT
private slots:
    void photoDates_data();
    void photoDates();
    void stoppedTakesNothing();
    void photoFlagLastsOneTick();
};

void TestChronophotography::photoDates_data()
{
    QTest::addColumn<float>("start");
    QTest::addColumn<double>("interval");
    QTest::addColumn<float>("step");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("photographs");
    QTest::addColumn<float>("lastPhotograph");
    // 0.3 s between photographs at 0.04 s a tick: dates 0, 0.3, 0.6.
    QTest::newRow("300 ms from the start") << 0.0f << 300.0 << 0.04f << 20 << 3 << 0.6f;
    QTest::newRow("300 ms from 1 s") << 1.0f << 300.0 << 0.04f << 20 << 3 << 1.6f;
    // Shorter than the step: every tick is a photograph, 0.01 s apart.
    QTest::newRow("10 ms") << 0.0f << 10.0 << 0.04f << 5 << 5 << 0.04f;
    QTest::newRow("10 ms in slow motion") << 0.0f << 10.0 << 0.005f << 10 << 5 << 0.04f;
}

void TestChronophotography::photoDates()
{
    QFETCH(float, start);
    QFETCH(double, interval);
    QFETCH(float, step);
    QFETCH(int, ticks);
    QFETCH(int, photographs);
    QFETCH(float, lastPhotograph);
    const Run run = record(start, interval, step, ticks);
    QCOMPARE(int(run.photographs.size()), photographs);
    // The first photograph is taken on the tick after the switching on, at
    // the date of the switching on.
    QCOMPARE(run.photographs.front(), start);
    QVERIFY2(std::fabs(run.photographs.back() - lastPhotograph) < 1e-5f,
             qPrintable(QString::number(run.photographs.back())));
    for (size_t i = 1; i < run.photographs.size(); ++i)
        QVERIFY(std::fabs(run.photographs[i] - run.photographs[i - 1] - float(interval / 1000)) < 1e-5f);
}

void TestChronophotography::stoppedTakesNothing()
{
    sim::Chronophotography chrono;
    float date = 0.5f;
    QVERIFY(!chrono.takePhotoIfDue(date, 300));
    chrono.start(0.5f);
    chrono.stop();
    QVERIFY(!chrono.chronoActive);
    date = 2.0f;
    QVERIFY(!chrono.takePhotoIfDue(date, 300));
    QCOMPARE(date, 2.0f);
    QVERIFY(!chrono.photoThisTick);
}

void TestChronophotography::photoFlagLastsOneTick()
{
    sim::Chronophotography chrono;
    chrono.start(0);
    float date = sim::tickStep(false);
    QVERIFY(chrono.takePhotoIfDue(date, 300));
    QVERIFY(chrono.photoThisTick);
    QCOMPARE(date, 0.0f);
    QCOMPARE(chrono.nextPhotoTime, 0.3f);
    date = date + sim::tickStep(false);
    QVERIFY(!chrono.takePhotoIfDue(date, 300));
    QVERIFY(!chrono.photoThisTick);
}

TAVREL_TEST_APPLESS_MAIN(TestChronophotography)
#include "test_chronophotography.moc"
