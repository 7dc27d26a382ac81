// The arrow head: two barbs 10 units back along the shaft and 5 to each side.

#include "scene/arrowhead.h"
#include "common/testmain.h"

#include <QTest>

using scene::arrowHeadGeometry;

class TestArrowHead : public QObject {
    Q_OBJECT

private slots:
    void barbs_data();
    void barbs();
};

void TestArrowHead::barbs_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("dy");
    QTest::addColumn<QPointF>("barb1");
    QTest::addColumn<QPointF>("barb2");

    // Tip (100, 240) in the first four rows.
    QTest::addRow("vertical down") << 100.0 << 200.0 << 0.0 << 40.0 << QPointF(105, 230) << QPointF(95, 230);
    QTest::addRow("vertical up") << 100.0 << 280.0 << 0.0 << -40.0 << QPointF(105, 250) << QPointF(95, 250);
    QTest::addRow("horizontal right") << 60.0 << 240.0 << 40.0 << 0.0 << QPointF(90, 235) << QPointF(90, 245);
    QTest::addRow("horizontal left") << 140.0 << 240.0 << -40.0 << 0.0 << QPointF(110, 235) << QPointF(110, 245);
    // 3-4-5 triangles: base B = tip - (6, 8) along the shaft, barbs ±(4, -3).
    QTest::addRow("oblique down right") << 100.0 << 200.0 << 30.0 << 40.0 << QPointF(128, 229) << QPointF(120, 235);
    // Shaft (-30, 40): B = tip + (6, -8), barbs ±(4, 3).
    QTest::addRow("oblique down left") << 100.0 << 200.0 << -30.0 << 40.0 << QPointF(80, 235) << QPointF(72, 229);
    // Shaft (30, -40): B = tip + (-6, 8), q = -0.75, barbs ±(4, 3).
    QTest::addRow("oblique up right") << 100.0 << 200.0 << 30.0 << -40.0 << QPointF(128, 171) << QPointF(120, 165);
}

void TestArrowHead::barbs()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, dx);
    QFETCH(double, dy);
    QFETCH(QPointF, barb1);
    QFETCH(QPointF, barb2);

    const scene::ArrowHead head = arrowHeadGeometry(x, y, dx, dy);
    QCOMPARE(head.tip, QPointF(x + dx, y + dy));
    QCOMPARE(head.barb1, barb1);
    QCOMPARE(head.barb2, barb2);
}

TAVREL_TEST_MAIN(TestArrowHead)
#include "test_arrowhead.moc"
