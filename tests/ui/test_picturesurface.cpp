// A measured drawing reports an area holding every pixel it then paints, and
// restore() copies that area of the background alone.

#include "common/testmain.h"

#include "ui/picturesurface.h"

#include <QTest>

class TestPictureSurface : public QObject {
    Q_OBJECT
private slots:
    void restoreTheMeasuredArea_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("ratio 1") << qreal(1);
        QTest::newRow("ratio 2") << qreal(2);
    }

    void restoreTheMeasuredArea()
    {
        QFETCH(qreal, ratio);
        PictureSurface surface(60, 40, Qt::white, ratio);
        surface.setLineWidth(2);
        surface.gatherDrawnArea();
        surface.setMeasuring(true);
        surface.line(10.4, 30.6, 47.5, 3.5, Qt::black);
        surface.setMeasuring(false);
        const QRegion measured = surface.takeDrawnArea();
        QCOMPARE(surface.canvas(), surface.background());
        surface.gatherDrawnArea();
        surface.line(10.4, 30.6, 47.5, 3.5, Qt::black);
        QCOMPARE(surface.takeDrawnArea(), measured);
        surface.bake();
        // Painted over in white, the line comes back where it is restored only.
        surface.line(10.4, 30.6, 47.5, 3.5, Qt::white);
        const QRegion restored = measured - QRect(0, 20, 60, 20);
        surface.restore(restored);
        const QImage& canvas = surface.canvas();
        int ink = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x) {
                const QPoint unit(int(x / ratio), int(y / ratio));
                const bool black = surface.background().pixelColor(x, y) == Qt::black;
                ink += black ? 1 : 0;
                QVERIFY(!black || measured.contains(unit));
                QCOMPARE(canvas.pixelColor(x, y) == Qt::black, black && restored.contains(unit));
            }
        QVERIFY(ink > 40 * ratio);
    }
};

TAVREL_TEST_MAIN(TestPictureSurface)
#include "test_picturesurface.moc"
