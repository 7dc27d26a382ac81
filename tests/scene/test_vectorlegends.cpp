// The Vecteurs panel: legend segments one unit long with their end marks,
// the rocher's weight scale, and a layout that fits the panel.

#include "scene/vectorlegends.h"
#include "common/testmain.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <vector>

using namespace scene;

namespace {

QImage paintPanel(const VectorsPanelGeometry& geometry, bool rocher)
{
    QImage image(vectorsPanelLayout.panel, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    paintVectorsPanel(painter, geometry, rocher);
    return image;
}

bool isInk(const QImage& image, int x, int y) { return image.pixelColor(x, y) != QColor(240, 235, 230); }

// The rightmost inked column in rows top to bottom.
int rightmostInk(const QImage& image, int top, int bottom)
{
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = top; y <= bottom; ++y)
            if (isInk(image, x, y))
                return x;
    return -1;
}

} // namespace

class TestVectorLegends : public QObject {
    Q_OBJECT

private slots:
    void segmentsAreOneUnitLong_data();
    void segmentsAreOneUnitLong();
    void rocherWeightReadsPerTenThousandNewtons();
    void layoutFitsThePanel();
};

void TestVectorLegends::segmentsAreOneUnitLong_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("scale");
    QTest::addRow("velocity, shortest") << 0 << 1;
    QTest::addRow("velocity, longest") << 0 << 50;
    QTest::addRow("acceleration, start value") << 1 << 20;
    QTest::addRow("weight, longest") << 2 << 100;
}

void TestVectorLegends::segmentsAreOneUnitLong()
{
    QFETCH(int, which);
    QFETCH(int, scale);

    VectorsPanelGeometry geometry = vectorsPanelGeometry(20, 20, 30);
    LegendSegment* segments[] = {&geometry.velocity, &geometry.acceleration, &geometry.weight};
    segments[which]->scale = scale;
    const LegendSegment segment = *segments[which];
    const QImage image = paintPanel(geometry, false);

    const int x1 = segment.leftX;
    const int x2 = legendRightEnd(x1, scale);
    QVERIFY(isInk(image, (x1 + x2) / 2, segment.y));
    QVERIFY(!isInk(image, x1 - 1, segment.y));
    QVERIFY(!isInk(image, x2 + 1, segment.y));
    // End marks from 3 above to 4 below.
    for (const int x : {x1, x2}) {
        QVERIFY(isInk(image, x, segment.y - 3));
        QVERIFY(isInk(image, x, segment.y + 4));
        QVERIFY(!isInk(image, x, segment.y + 5));
    }
}

void TestVectorLegends::rocherWeightReadsPerTenThousandNewtons()
{
    // "10 000 N" reaches further right than "1 N" above the segment.
    const VectorsPanelGeometry geometry = vectorsPanelGeometry(20, 20, 10);
    const int top = geometry.weight.y - 20;
    const int bottom = geometry.weight.y - 4;
    const int perNewton = rightmostInk(paintPanel(geometry, false), top, bottom);
    QVERIFY(perNewton > geometry.weight.leftX);
    QVERIFY(rightmostInk(paintPanel(geometry, true), top, bottom) > perNewton + 15);
}

void TestVectorLegends::layoutFitsThePanel()
{
    const VectorsPanelLayout& l = vectorsPanelLayout;
    // Segments at their longest, with their marks and scale text, and the titles.
    const std::vector<QRect> items = {
        l.swatch0, l.check5,  l.swatch1, l.check6,   l.check7,   l.swatch2,  l.swatch3,
        l.label9,  l.upDown1, l.vScroll1, l.swatch9, l.check14,  l.vScroll4, l.swatch7,
        l.check12, l.vScroll3, QRect(l.line1.x(), l.line1.y() - 18, 51, 23),
        QRect(l.line9.x(), l.line9.y() - 18, 51, 23), QRect(l.line2.x(), l.line2.y() - 18, 101, 23),
        QRect(8, 6, 80, 14), QRect(8, 122, 80, 14), QRect(8, 160, 80, 14)};
    const QRect panel(QPoint(0, 0), l.panel);
    for (size_t i = 0; i < items.size(); ++i) {
        QVERIFY2(panel.contains(items[i]), qPrintable(QString::number(i)));
        for (size_t j = i + 1; j < items.size(); ++j)
            QVERIFY2(!items[i].intersects(items[j]), qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
    }
}

TAVREL_TEST_MAIN(TestVectorLegends)
#include "test_vectorlegends.moc"
