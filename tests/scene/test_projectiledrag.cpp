// Dragging the projectile's picture: the pointer's position in whole pixels,
// the grab point kept under the pointer, the limits of x0 and y0.

#include "common/testmain.h"
#include "scene/projectiledrag.h"
#include "scene/scenegeometry.h"

#include <QTest>

class TestProjectileDrag : public QObject {
    Q_OBJECT
private slots:
    void roundedHalfToEven_data();
    void roundedHalfToEven();
    void grabPointStaysUnderThePointer();
    void movesAreNotRounded();
    void limits_data();
    void limits();
    void aNewDragTakesANewGrabPoint();
    void pressedPointIsTheGrabPoint();
};

void TestProjectileDrag::roundedHalfToEven_data()
{
    QTest::addColumn<double>("units");
    QTest::addColumn<int>("pixels");
    QTest::newRow("whole") << 7.0 << 7;
    QTest::newRow("below half") << 7.49 << 7;
    QTest::newRow("above half") << 7.51 << 8;
    QTest::newRow("half to the even below") << 6.5 << 6;
    QTest::newRow("half to the even above") << 7.5 << 8;
    QTest::newRow("zero and a half") << 0.5 << 0;
    QTest::newRow("one and a half") << 1.5 << 2;
    QTest::newRow("negative half to even") << -2.5 << -2;
    QTest::newRow("negative odd half") << -1.5 << -2;
    QTest::newRow("negative below half") << -0.4 << 0;
}

void TestProjectileDrag::roundedHalfToEven()
{
    QFETCH(double, units);
    QFETCH(int, pixels);
    QCOMPARE(scene::pointerPixelsRounded(units), pixels);
}

// Grabbed 10 pixels right of the left edge and 20 below the top, the picture
// follows the pointer move after move with that point under it.
void TestProjectileDrag::grabPointStaysUnderThePointer()
{
    scene::DragState drag;
    scene::ImageCorner corner{14, 420};
    const QPointF grab(10, 20);
    corner = scene::dragMove(drag, corner, grab.x(), grab.y());
    QVERIFY(drag.dragActive);
    QCOMPARE(drag.grabOffsetX, 10);
    QCOMPARE(drag.grabOffsetY, 20);
    QCOMPARE(corner.left, 14.0f);
    QCOMPARE(corner.top, 420.0f);

    const QPointF path[] = {{30, 400}, {90, 330}, {104, 332}, {200, 100}};
    for (const QPointF& pointer : path) {
        // The pointer in scene pixels, reported from the picture's corner.
        corner = scene::dragMove(drag, corner, pointer.x() - corner.left, pointer.y() - corner.top);
        QCOMPARE(corner.left, float(pointer.x() - grab.x()));
        QCOMPARE(corner.top, float(pointer.y() - grab.y()));
    }
    QCOMPARE(drag.grabOffsetX, 10);
    QCOMPARE(drag.grabOffsetY, 20);
}

// The grab point is whole pixels; how far the pointer moved is not rounded.
void TestProjectileDrag::movesAreNotRounded()
{
    scene::DragState drag;
    scene::ImageCorner corner = scene::dragMove(drag, {100, 200}, 8.5, 9.5);
    QCOMPARE(drag.grabOffsetX, 8);
    QCOMPARE(drag.grabOffsetY, 10);
    QCOMPARE(corner.left, 100.5f);
    QCOMPARE(corner.top, 199.5f);
    corner = scene::dragMove(drag, corner, 10.25, 12.75);
    QCOMPARE(corner.left, 102.75f);
    QCOMPARE(corner.top, 202.25f);
}

void TestProjectileDrag::limits_data()
{
    QTest::addColumn<QPointF>("pointer");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::newRow("beyond the right edge") << QPointF(900, 0) << 375.0f << 200.0f;
    QTest::newRow("right edge exactly") << QPointF(375 - 100, 0) << 375.0f << 200.0f;
    QTest::newRow("beyond the left edge") << QPointF(-400, 0) << 0.0f << 200.0f;
    QTest::newRow("above the top") << QPointF(0, -500) << 100.0f << 0.0f;
    QTest::newRow("below the ground") << QPointF(0, 700) << 100.0f << 420.0f;
    QTest::newRow("corner beyond both") << QPointF(-999, 999) << 0.0f << 420.0f;
}

// From the picture at (100, 200), grabbed at its corner, the pointer moved
// by the given distance.
void TestProjectileDrag::limits()
{
    QFETCH(QPointF, pointer);
    QFETCH(float, left);
    QFETCH(float, top);
    scene::DragState drag;
    scene::ImageCorner corner = scene::dragMove(drag, {100, 200}, 0, 0);
    corner = scene::dragMove(drag, corner, pointer.x(), pointer.y());
    QCOMPARE(corner.left, left);
    QCOMPARE(corner.top, top);
    QVERIFY(corner.left == scene::clampImageLeft(corner.left));
    QVERIFY(corner.top == scene::clampImageTop(corner.top));
}

void TestProjectileDrag::aNewDragTakesANewGrabPoint()
{
    scene::DragState drag;
    scene::ImageCorner corner = scene::dragMove(drag, {100, 200}, 5, 5);
    corner = scene::dragMove(drag, corner, 25, 5);
    QCOMPARE(corner.left, 120.0f);
    // The window forgets the drag when the button goes up.
    drag = {};
    corner = scene::dragMove(drag, corner, 25, 25);
    QCOMPARE(drag.grabOffsetX, 25);
    QCOMPARE(corner.left, 120.0f);
    QCOMPARE(corner.top, 200.0f);
}

// The pointer often moves a little between the press and the first move:
// the point pressed stays under it all the same.
void TestProjectileDrag::pressedPointIsTheGrabPoint()
{
    scene::DragState drag;
    scene::grabAt(drag, 10.4, 20.6);
    QVERIFY(!drag.dragActive);
    const scene::ImageCorner corner = scene::dragMove(drag, {14, 420}, 13, 17);
    QVERIFY(drag.dragActive);
    QCOMPARE(drag.grabOffsetX, 10);
    QCOMPARE(drag.grabOffsetY, 21);
    QCOMPARE(corner.left, 17.0f);
    QCOMPARE(corner.top, 416.0f);
}

TAVREL_TEST_APPLESS_MAIN(TestProjectileDrag)
#include "test_projectiledrag.moc"
