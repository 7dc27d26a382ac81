// The mapping between metres and the scene: the picture's place, the limits
// of x0 and y0 it sets, the centre of inertia, the scene's edges and the
// vector scales.

#include "scene/scenegeometry.h"
#include "common/testmain.h"

#include <QTest>
#include <cmath>

class TestSceneGeometry : public QObject {
    Q_OBJECT
private slots:
    void abscissaThroughImage_data();
    void abscissaThroughImage();
    void ordinateThroughImage_data();
    void ordinateThroughImage();
    void centreOfInertia_data();
    void centreOfInertia();
    void sceneEdges_data();
    void sceneEdges();
    void vectorScales_data();
    void vectorScales();
};

// The fields show two decimals.
static double hundredths(double value) { return std::round(value * 100.0) / 100.0; }

void TestSceneGeometry::abscissaThroughImage_data()
{
    QTest::addColumn<float>("x0");
    QTest::addColumn<float>("left");
    QTest::addColumn<double>("shown");
    QTest::newRow("inside") << 5.0f << 194.0f << 5.0;
    QTest::newRow("beyond the right edge") << 12.0f << 375.0f << 10.03;
    QTest::newRow("right edge exactly") << 361.0f / 36.0f << 375.0f << 10.03;
    QTest::newRow("left of the origin") << -1.0f << 0.0f << -0.39;
    QTest::newRow("left edge exactly") << -14.0f / 36.0f << 0.0f << -0.39;
}

void TestSceneGeometry::abscissaThroughImage()
{
    QFETCH(float, x0);
    QFETCH(float, left);
    QFETCH(double, shown);
    const float clamped = scene::clampImageLeft(scene::imageLeftFor(x0));
    QCOMPARE(clamped, left);
    QCOMPARE(hundredths(scene::xForImageLeft(clamped)), shown);
}

void TestSceneGeometry::ordinateThroughImage_data()
{
    QTest::addColumn<float>("y0");
    QTest::addColumn<float>("top");
    QTest::addColumn<double>("shown");
    QTest::newRow("ground") << 0.0f << 420.0f << 0.0;
    QTest::newRow("inside") << 2.5f << 330.0f << 2.5;
    QTest::newRow("above the top") << 20.0f << 0.0f << 11.67;
    QTest::newRow("below the ground") << -3.0f << 420.0f << 0.0;
}

void TestSceneGeometry::ordinateThroughImage()
{
    QFETCH(float, y0);
    QFETCH(float, top);
    QFETCH(double, shown);
    const float clamped = scene::clampImageTop(scene::imageTopFor(y0));
    QCOMPARE(clamped, top);
    QCOMPARE(hundredths(scene::yForImageTop(clamped)), shown);
}

void TestSceneGeometry::centreOfInertia_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("X");
    QTest::addColumn<double>("Y");
    QTest::newRow("origin") << 0.0 << 0.0 << 30.0 << 436.0;
    QTest::newRow("last grid column") << 10.0 << 0.0 << 390.0 << 436.0;
    QTest::newRow("one metre up") << 0.0 << 1.0 << 30.0 << 400.0;
    QTest::newRow("below the ground") << 1.0 << -0.5 << 66.0 << 454.0;
}

// The centre of inertia is 16 pixels right of and below the picture's corner.
void TestSceneGeometry::centreOfInertia()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, X);
    QFETCH(double, Y);
    QCOMPARE(double(scene::sceneX(float(x))), X);
    QCOMPARE(scene::sceneX(x), X);
    QCOMPARE(scene::sceneY(y), Y);
    QCOMPARE(double(scene::imageLeftFor(float(x)) + scene::pictureHalf), X);
    QCOMPARE(scene::imageTopFor(y) + scene::pictureHalf, Y);
}

void TestSceneGeometry::sceneEdges_data()
{
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<bool>("sideways");
    QTest::addColumn<bool>("out");
    QTest::newRow("inside") << 200.0f << 200.0f << false << false;
    QTest::newRow("left edge exactly") << -16.0f << 200.0f << false << false;
    QTest::newRow("past the left edge") << -16.5f << 200.0f << true << true;
    QTest::newRow("right edge exactly") << 400.0f << 200.0f << false << false;
    QTest::newRow("past the right edge") << 400.5f << 200.0f << true << true;
    QTest::newRow("top edge exactly") << 200.0f << -16.0f << false << false;
    QTest::newRow("past the top") << 200.0f << -17.0f << false << true;
    QTest::newRow("far below the ground") << 200.0f << 2000.0f << false << false;
}

void TestSceneGeometry::sceneEdges()
{
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(bool, sideways);
    QFETCH(bool, out);
    QCOMPARE(scene::leftTheSceneSideways(left), sideways);
    QCOMPARE(scene::leftTheScene(left, top), out);
}

void TestSceneGeometry::vectorScales_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("vectorScale");
    QTest::addColumn<int>("weightScale");
    QTest::newRow("top of the bars") << 0 << 50 << 100;
    QTest::newRow("start-up velocity and acceleration") << 30 << 20 << 70;
    QTest::newRow("start-up weight") << 70 << -20 << 30;
    QTest::newRow("bottom of the short bars") << 49 << 1 << 51;
    QTest::newRow("bottom of the weight bar") << 90 << -40 << 10;
}

void TestSceneGeometry::vectorScales()
{
    QFETCH(int, value);
    QFETCH(int, vectorScale);
    QFETCH(int, weightScale);
    QCOMPARE(scene::vectorScaleFor(value), vectorScale);
    QCOMPARE(scene::weightScaleFor(value), weightScale);
}

TAVREL_TEST_APPLESS_MAIN(TestSceneGeometry)
#include "test_scenegeometry.moc"
