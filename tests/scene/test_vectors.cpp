// The vectors on the projectile: lengths and origins, the guard before
// launch, the construction closing on the variation, the cases drawing nothing.

#include "common/pixels.h"
#include "scene/vectors.h"
#include "sim/catalogue.h"
#include "ui/picturesurface.h"
#include "common/testmain.h"

#include <QTest>
#include <functional>

using namespace scene;

namespace {

const QColor back(224, 224, 224);
using Vector = std::function<std::optional<SceneVector>(const sim::SimulationState&, const VectorSettings&)>;

// A stone on Earth, paused at t = 0.5 s at (5 m, 5 m): P = (210, 256).
sim::SimulationState flying(float vx = 2, float vy0 = 8)
{
    sim::SimulationState s;
    s.projectileIndex = sim::Pierre;
    s.projectileMass = 0.33f;
    s.initialVelocityX = vx;
    s.initialVelocityY = vy0;
    s.simTime = 0.5f;
    s.posX = 5;
    s.posY = 5;
    return s;
}

VectorSettings running(int velocityScale = 20, int intervalSpin = 6, bool photograph = false)
{
    VectorSettings settings;
    settings.photograph = photograph;
    settings.timerRunning = true;
    settings.velocityScale = velocityScale;
    settings.intervalSpin = intervalSpin;
    return settings;
}

} // namespace

Q_DECLARE_METATYPE(sim::SimulationState)
Q_DECLARE_METATYPE(VectorSettings)
Q_DECLARE_METATYPE(Vector)

class TestVectors : public QObject {
    Q_OBJECT

private slots:
    void vectors_data();
    void vectors();
    void rocherWeightOnTheMoonIsThreeUnits();
    void onlyWeightBeforeLaunch_data();
    void onlyWeightBeforeLaunch();
    void constructionClosesOnVariation_data();
    void constructionClosesOnVariation();
};

void TestVectors::vectors_data()
{
    QTest::addColumn<Vector>("vector");
    QTest::addColumn<sim::SimulationState>("state");
    QTest::addColumn<VectorSettings>("settings");
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<QPointF>("origin");
    QTest::addColumn<QPointF>("delta");

    const Vector weight = [](auto& s, auto& v) { return std::optional(weightVector(s, v)); };
    const QPointF p(210, 256);
    const float g = 9.8f;

    // vy(0.5) = 4.9 - 9.8 · 0.5 = 0: a horizontal velocity.
    QTest::addRow("velocity, VScroll1 at 49") << Vector(velocityVector) << flying(2, 4.9f) << running(1) << true << p
                                              << QPointF(2, 0);
    QTest::addRow("velocity, VScroll1 at 0") << Vector(velocityVector) << flying(2, 4.9f) << running(50) << true << p
                                             << QPointF(100, 0);
    QTest::addRow("apex of a vertical throw") << Vector(velocityVector) << flying(0, 4.9f) << running() << false
                                              << p << QPointF();
    sim::SimulationState bounced = flying();
    bounced.simTime = 2;
    bounced.bounceActive = sim::BouncePhase::Bouncing;
    bounced.bounce = {0, 0, 1.5f, 6, 1.5f};
    // vy = 6 - 9.8 · 0.5 = 1.1 m·s-1, upwards.
    QTest::addRow("velocity after a bounce") << Vector(velocityVector) << bounced << running(10) << true << p
                                             << QPointF(15, -11);
    bounced.bounceActive = sim::BouncePhase::Touched;
    QTest::addRow("just touched the ground") << Vector(velocityVector) << bounced << running(10) << true << p
                                             << QPointF(20, 10 * (g * 2 - 8));

    QTest::addRow("variation, spin at 6") << Vector(velocityChangeVector) << flying() << running() << true << p
                                          << QPointF(0, g * 20 * 0.6);
    QTest::addRow("variation, spin at 7") << Vector(velocityChangeVector) << flying() << running(20, 7) << true << p
                                          << QPointF(0, g * 20 * 0.7);
    QTest::addRow("variation, photographs 300 ms apart") << Vector(velocityChangeVector) << flying() << running(20, 7, true)
                                                         << true << p << QPointF(0, g * 20 * 0.6);

    // 30 · 0.33 · 9.8 = 97.02 N·units.
    QTest::addRow("weight of a stone") << weight << flying() << running() << true << p << QPointF(0, 97);
    sim::SimulationState below = flying();
    below.posY = -0.1;
    QTest::addRow("weight below the ground") << weight << below << running() << true << QPointF(210, 436)
                                             << QPointF(0, 97);
    QTest::addRow("velocity below the ground") << Vector(velocityVector) << below << running() << true
                                               << QPointF(210, 439.6) << QPointF(40, -62);
    QTest::addRow("acceleration below the ground") << Vector(accelerationVector) << below << running() << true
                                                   << QPointF(209, 439.6) << QPointF(0, g * 20);
}

void TestVectors::vectors()
{
    QFETCH(Vector, vector);
    QFETCH(sim::SimulationState, state);
    QFETCH(VectorSettings, settings);
    QFETCH(bool, drawn);
    QFETCH(QPointF, origin);
    QFETCH(QPointF, delta);

    const std::optional<SceneVector> v = vector(state, settings);
    QCOMPARE(v.has_value(), drawn);
    if (!drawn)
        return;
    QCOMPARE(QPointF(v->x, v->y), origin);
    QVERIFY2(qAbs(v->dx - delta.x()) < 1e-4 && qAbs(v->dy - delta.y()) < 1e-4,
             qPrintable(QStringLiteral("(%1, %2)").arg(v->dx).arg(v->dy)));
}

void TestVectors::rocherWeightOnTheMoonIsThreeUnits()
{
    sim::SimulationState s = flying();
    s.projectileIndex = sim::Rocher;
    s.gravityField = 1.62f;
    s.projectileMass = 1830;
    VectorSettings settings;
    settings.weightScale = 100 - 90;

    // 10 · 1830 · 1.62 = 29 646, per 10 000 N: 2.9646, rounded to 3.
    QCOMPARE(weightVector(s, settings).dy, 3.0);
    PictureSurface surface(409, 800, back);
    poids(surface, s, settings);
    const QImage& image = surface.canvas();
    const QColor cyan = settings.swatches[SwatchWeight];
    // The shaft covers rows 256 to 258, the tip being the end point at 259.
    for (int y = 256; y <= 258; ++y)
        QCOMPARE(image.pixelColor(210, y), cyan);
    QCOMPARE(image.pixelColor(210, 255), back);
    QCOMPARE(image.pixelColor(210, 260), back);
    // The barbs end 10 rows up, 5 columns to each side.
    QCOMPARE(image.pixelColor(205, 249), cyan);
    QCOMPARE(image.pixelColor(215, 249), cyan);
}

void TestVectors::onlyWeightBeforeLaunch_data()
{
    QTest::addColumn<bool>("timerRunning");
    QTest::addColumn<float>("simTime");
    QTest::addColumn<bool>("allDrawn");
    QTest::addRow("at the initial position") << false << 0.0f << false;
    QTest::addRow("paused during the flight") << false << 0.5f << true;
    QTest::addRow("restarted by a reset") << true << 0.0f << true;
}

void TestVectors::onlyWeightBeforeLaunch()
{
    QFETCH(bool, timerRunning);
    QFETCH(float, simTime);
    QFETCH(bool, allDrawn);

    sim::SimulationState s = flying();
    s.simTime = simTime;
    VectorSettings settings;
    settings.timerRunning = timerRunning;
    PictureSurface surface(409, 800, back);
    drawVectors(surface, s, settings, true, true, true, true, true);
    const QImage& image = surface.canvas();

    QVERIFY(testing::countColour(image, settings.swatches[SwatchWeight]) > 0);
    for (const Swatch swatch : {SwatchVelocity, SwatchAcceleration, SwatchVelocityChange, SwatchConstructionAfter,
                                SwatchConstructionBefore})
        QCOMPARE(testing::countColour(image, settings.swatches[swatch]) > 0, allDrawn);
}

void TestVectors::constructionClosesOnVariation_data()
{
    QTest::addColumn<bool>("photo");
    QTest::addColumn<float>("simTime");
    QTest::addColumn<float>("vy0");
    QTest::addColumn<bool>("drawn");
    QTest::addRow("rising") << false << 0.3f << 8.0f << true;
    QTest::addRow("around the apex") << false << 0.8f << 8.0f << true;
    QTest::addRow("falling, photographs") << true << 1.5f << 8.0f << true;
    // Straight up at 4.9 m·s-1: v(0.2 + 0.3) = 0.
    QTest::addRow("zero velocity at t + Dt/2") << false << 0.2f << 4.9f << false;
}

void TestVectors::constructionClosesOnVariation()
{
    QFETCH(bool, photo);
    QFETCH(float, simTime);
    QFETCH(float, vy0);
    QFETCH(bool, drawn);

    sim::SimulationState s = flying(drawn ? 2 : 0, vy0);
    s.simTime = simTime;
    const ConstructionPoints points = constructionGeometry(s, running(20, 6, photo));
    QCOMPARE(points.after.has_value(), drawn);
    if (!drawn) {
        QVERIFY(!points.before);
        return;
    }
    QVERIFY(points.before);
    const QPointF p = centreOfInertia(s);
    QCOMPARE(QPointF(points.after->x, points.after->y), p);
    QCOMPARE(QPointF(points.before->x, points.before->y),
             QPointF(p.x() + points.after->dx, p.y() + points.after->dy));
    // P + a + b is the tip of the variation, g · scale · Dt below P.
    QVERIFY(qAbs(points.before->x + points.before->dx - p.x()) < 1e-3);
    QVERIFY(qAbs(points.before->y + points.before->dy - (p.y() + 9.8 * 20 * 0.6)) < 1e-3);
}

TAVREL_TEST_MAIN(TestVectors)
#include "test_vectors.moc"
