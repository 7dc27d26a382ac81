// The model of a throw stepped date by date: what each step reports, the
// bounce and the photographs it times, and the history it keeps.

#include "common/testmain.h"
#include "sim/catalogue.h"
#include "sim/flight.h"

#include <QTest>
#include <cmath>

namespace {

struct Run {
    std::vector<sim::StepEvents> steps;
    int contacts = 0;
    int bounces = 0;
};

// Steps until the flight ends (landing or bounces dying out), as the clock does.
Run fly(sim::Flight& flight, float dt = 0.04f, double photoMs = 0, int limit = 20000)
{
    Run run;
    for (int i = 0; i < limit; ++i) {
        const sim::StepEvents e = flight.advance(dt, false, photoMs);
        run.steps.push_back(e);
        run.contacts += e.groundContact;
        run.bounces += e.bounced;
        if (e.landed) {
            flight.land();
            break;
        }
        if (e.bouncesDiedOut) {
            flight.endBounce();
            break;
        }
    }
    return run;
}

// Leaves at its picture's corner: an edge of the scene at x = 10 m.
class NarrowScene : public sim::SceneView {
public:
    bool belowGround(double y) const override { return y < 0; }
    float pictureX(float x) const override { return x; }
    bool outside(float x, double, bool) const override { return x > 10; }
};

} // namespace

class TestFlightModel : public QObject {
    Q_OBJECT
private slots:
    void endsAtTheGround_data();
    void endsAtTheGround();
    void ballBouncesFromAnExtraStep();
    void photographsFallOnTheInterval();
    void photographsAreTheirStepsSamples_data();
    void photographsAreTheirStepsSamples();
    void historyLastsUntilTheNextFlight();
    void closedFormAnswers();
    void asksTheSceneForItsEdges();
};

void TestFlightModel::endsAtTheGround_data()
{
    QTest::addColumn<int>("place");
    QTest::addColumn<int>("projectile");
    QTest::addColumn<float>("y0");
    QTest::addColumn<float>("alpha");
    QTest::newRow("stone, default throw") << int(sim::Terre) << int(sim::Pierre) << 0.0f << 77.0f;
    QTest::newRow("rock off a cliff on Mars") << int(sim::Mars) << int(sim::Rocher) << 10.0f << -30.0f;
    QTest::newRow("apple dropped on the Moon") << int(sim::Lune) << int(sim::Pomme) << 5.0f << 0.0f;
}

// A projectile that does not bounce lands on the step that crosses the
// ground, exactly at the contact date, and its date then returns to 0.
void TestFlightModel::endsAtTheGround()
{
    QFETCH(int, place);
    QFETCH(int, projectile);
    QFETCH(float, y0);
    QFETCH(float, alpha);
    sim::Flight flight;
    flight.setConditions(sim::conditionsFor(place, projectile, 0, y0, alpha == 0 ? 0 : 12, alpha));
    const Run run = fly(flight);

    QVERIFY(run.steps.back().landed);
    QCOMPARE(run.contacts, 1);
    QCOMPARE(flight.samples().back().t, flight.groundContactTime());
    QVERIFY(std::fabs(flight.samples().back().y) < 1e-4);
    QCOMPARE(flight.simTime(), 0.0f);
    // One sample at the start and one per step.
    QCOMPARE(flight.samples().size(), run.steps.size() + 1);
    QCOMPARE(flight.samples().front().y, double(y0));
}

// The ball's first contact only touches; the next step starts the bounce one
// extra step later, with 70 % of the speed, until the upward speed after a
// bounce is below 2 m/s. Its ordinate never stays below the ground
// while it bounces.
void TestFlightModel::ballBouncesFromAnExtraStep()
{
    sim::Flight flight;
    flight.setConditions(sim::conditionsFor(sim::Terre, sim::Ballon, 0, 0, 15, 77));
    sim::StepEvents e;
    do
        e = flight.advance(0.04f, false, 0);
    while (!e.groundContact);
    QCOMPARE(flight.phase(), sim::BouncePhase::Touched);
    const float touched = flight.simTime();
    flight.advance(0.04f, false, 0);
    QCOMPARE(flight.phase(), sim::BouncePhase::Bouncing);
    QCOMPARE(flight.state().bounce.bounceTime, touched + 0.04f);
    QCOMPARE(flight.simTime(), touched + 0.04f + 0.04f);
    QCOMPARE(flight.state().bounce.bounceVelocityX, 0.7f * flight.initialVelocityX());
    const size_t bouncing = flight.samples().size() - 1;

    const Run run = fly(flight);
    QVERIFY(run.steps.back().bouncesDiedOut);
    QVERIFY(std::fabs(run.steps.back().bounceSpeed) < 2.0f);
    // Six contacts after the first; at the last one the bounce dies out.
    QCOMPARE(run.bounces, 6);
    for (const sim::StepEvents& step : std::vector(run.steps.begin(), run.steps.end() - 1))
        QVERIFY(!step.bounced || std::fabs(step.bounceSpeed) >= 2.0f);
    // Only the free flight's step that crosses the ground may dip below it.
    for (size_t i = bouncing; i < flight.samples().size(); ++i)
        QVERIFY(flight.samples()[i].y >= 0);
    QVERIFY(flight.samples()[bouncing - 1].y < 0);
    QCOMPARE(flight.phase(), sim::BouncePhase::FreeFlight);
    QVERIFY(!flight.chrono().chronoActive);
}

// Photographs fall on multiples of the interval from the switching on, and
// each is recorded with its own date, place and velocity.
void TestFlightModel::photographsFallOnTheInterval()
{
    sim::Flight flight;
    flight.setConditions(sim::conditionsFor(sim::Terre, sim::Pierre, 0, 0, 15, 77));
    flight.chrono().start(0);
    fly(flight, 0.04f, 100);

    const std::vector<sim::Sample>& photos = flight.photographs();
    QCOMPARE(photos.size(), size_t(30));
    for (size_t k = 0; k < photos.size(); ++k) {
        QVERIFY(std::fabs(photos[k].t - 0.1f * float(k)) < 1e-5);
        QCOMPARE(photos[k].x, flight.x(photos[k].t));
        QCOMPARE(photos[k].vy, flight.velocity(photos[k].t).y);
    }
}

void TestFlightModel::photographsAreTheirStepsSamples_data()
{
    QTest::addColumn<int>("projectile");
    QTest::newRow("stone, to the ground") << int(sim::Pierre);
    QTest::newRow("ball, through its bounces") << int(sim::Ballon);
}

// A photograph is the very sample its step recorded: date, place and
// velocity, in the same precision.
void TestFlightModel::photographsAreTheirStepsSamples()
{
    QFETCH(int, projectile);
    sim::Flight flight;
    flight.setConditions(sim::conditionsFor(sim::Terre, projectile, 0, 0, 15, 77));
    flight.chrono().start(0);
    const Run run = fly(flight, 0.04f, 100);

    std::vector<sim::Sample> taken;
    for (size_t k = 0; k < run.steps.size(); ++k)
        if (run.steps[k].photograph)
            taken.push_back(flight.samples()[k + 1]);
    const std::vector<sim::Sample> photos = flight.photographs();
    QVERIFY(photos.size() >= 29);
    QCOMPARE(photos.size(), taken.size());
    for (size_t k = 0; k < photos.size(); ++k) {
        QCOMPARE(photos[k].t, taken[k].t);
        QCOMPARE(photos[k].x, taken[k].x);
        QCOMPARE(photos[k].y, taken[k].y);
        QCOMPARE(photos[k].vx, taken[k].vx);
        QCOMPARE(photos[k].vy, taken[k].vy);
    }
}

void TestFlightModel::historyLastsUntilTheNextFlight()
{
    sim::Flight flight;
    flight.setConditions(sim::conditionsFor(sim::Terre, sim::Pierre, 1, 2, 10, 45));
    fly(flight);
    const size_t recorded = flight.samples().size();
    QVERIFY(recorded > 10);

    // A reset or new conditions keep the last flight's records and conditions.
    flight.reset();
    flight.setConditions(sim::conditionsFor(sim::Lune, sim::Pomme, 3, 4, 5, 60));
    QCOMPARE(flight.samples().size(), recorded);
    QCOMPARE(flight.recordedConditions().placeIndex, int(sim::Terre));

    // The next flight starts afresh from its own start.
    flight.advance(0.04f, false, 0);
    QCOMPARE(flight.samples().size(), size_t(2));
    QCOMPARE(flight.samples().front().x, 3.0f);
    QCOMPARE(flight.recordedConditions().placeIndex, int(sim::Lune));

    flight.clearHistory();
    QVERIFY(flight.samples().empty());
    QVERIFY(flight.photographs().empty());
}

// The free flight's answers agree with each other: the range at the contact,
// zero vertical speed at the top, the mechanical energy kept.
void TestFlightModel::closedFormAnswers()
{
    sim::Flight flight;
    flight.setConditions(sim::conditionsFor(sim::Mars, sim::Boule, 0.5f, 3, 14, 50));
    const float top = flight.highestPointTime();
    QVERIFY(std::fabs(flight.velocity(top).y) < 1e-5);
    QVERIFY(flight.highestPointY() > flight.y(top - 0.1f) && flight.highestPointY() > flight.y(top + 0.1f));
    QCOMPARE(flight.range(), flight.x(flight.groundContactTime()) - 0.5f);

    const sim::Energies start = sim::energiesOf(flight.conditions(), {0, 0.5f, 3, flight.initialVelocityX(), flight.initialVelocityY()});
    QCOMPARE(start.potential, double(0.8f) * double(3.71f) * 3);
    for (float t : {0.5f, 1.0f, 2.0f, flight.groundContactTime()}) {
        const sim::Velocity v = flight.velocity(t);
        const sim::Energies e = sim::energiesOf(flight.conditions(), {t, flight.x(t), flight.y(t), v.x, v.y});
        QVERIFY2(std::fabs(e.mechanical - start.mechanical) < 1e-4 * start.mechanical, qPrintable(QString::number(t)));
    }

    // Thrown downwards, the top is the start.
    flight.setConditions(sim::conditionsFor(sim::Terre, sim::Pierre, 0, 5, 10, -30));
    QCOMPARE(flight.highestPointTime(), 0.0f);
    QCOMPARE(flight.highestPointY(), 5.0);
}

void TestFlightModel::asksTheSceneForItsEdges()
{
    const NarrowScene scene;
    sim::Flight flight(&scene);
    flight.setConditions(sim::conditionsFor(sim::Terre, sim::Pierre, 0, 0, 20, 30));
    bool left = false;
    for (int i = 0; i < 200 && !left; ++i)
        left = flight.advance(0.04f, false, 0).leftTheScene;
    QVERIFY(left);
    QVERIFY(flight.state().posX > 10 && flight.state().posX < 10 + 20 * 0.04f);

    // Without a scene nothing is ever outside.
    sim::Flight bare;
    bare.setConditions(flight.conditions());
    const Run run = fly(bare);
    for (const sim::StepEvents& e : run.steps)
        QVERIFY(!e.leftTheScene);
}

TAVREL_TEST_APPLESS_MAIN(TestFlightModel)
#include "test_flightmodel.moc"
