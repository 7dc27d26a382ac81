#include "scene/tabstrip.h"
#include "scene/tabstripwidget.h"
#include "common/testmain.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

namespace {

constexpr int SW = 361;
constexpr int SH = 233;

// The bounds worked out from the font's own measures: one gap on each side of
// every caption, the selected caption wider by its bold type, so that every
// later bound moves right with it; each bound is rounded as it is reached.
std::array<int, 6> expectedBounds(int selected, const QFont& font)
{
    QFont bold(font);
    bold.setBold(true);
    std::array<int, 6> widths{};
    int total = 0;
    for (int i = 1; i <= 5; ++i) {
        widths[size_t(i)] = QFontMetrics(i == selected ? bold : font).horizontalAdvance(tabCaption(i));
        total += widths[size_t(i)];
    }
    const float gap = float(SW - total) / 10.0f;
    std::array<int, 6> bounds{-1, 0, 0, 0, 0, SW};
    for (int i = 1; i <= 4; ++i)
        bounds[size_t(i)] = int(std::nearbyint(float(bounds[size_t(i - 1)]) + float(widths[size_t(i)]) + 2.0f * gap));
    return bounds;
}

QImage paintedStrip(int selected)
{
    QImage image(SW, SH, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    paintTabStrip(painter, selected, SW, SH, computeTabLayout(selected, SW));
    return image;
}

int middleOf(const TabStripLayout& layout, int tab)
{
    return (layout.tabBounds[size_t(tab - 1)] + layout.tabBounds[size_t(tab)]) / 2;
}

void releaseAt(QWidget& widget, QPoint at)
{
    QTest::mousePress(&widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, at);
}

}  // namespace

class TestTabStrip : public QObject {
    Q_OBJECT
private slots:
    void captionsResolveToAnArialFont();
    void bounds_data();
    void bounds();
    void release_data();
    void release();
    void panelGeometryFitsTheFrame();
    void pixels_data();
    void pixels();
    void widgetSelectsAndShowsPanels();
};

void TestTabStrip::captionsResolveToAnArialFont()
{
    // Liberation Sans has Arial's metrics; any other substitute would move every bound.
    const QString family = QFontInfo(tabStripFont()).family();
    QVERIFY2(family == "Arial" || family == "Liberation Sans", qPrintable(family));
}

void TestTabStrip::bounds_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("effective");
    QTest::newRow("before the first paint") << 0 << 1;
    QTest::newRow("Paramètres") << 1 << 1;
    QTest::newRow("Affichage") << 2 << 2;
    QTest::newRow("Vecteurs") << 3 << 3;
    QTest::newRow("Chronophotographie") << 4 << 4;
    QTest::newRow("Graphes") << 5 << 5;
}

void TestTabStrip::bounds()
{
    QFETCH(int, selected);
    QFETCH(int, effective);
    const QFont font = tabStripFont();
    const TabStripLayout layout = computeTabLayout(selected, SW, font);

    QCOMPARE(layout.h, QFontMetrics(font).height());
    const std::array<int, 6> expected = expectedBounds(effective, font);
    for (size_t i = 0; i < 6; ++i)
        QCOMPARE(int(layout.tabBounds[i]), expected[i]);
    QCOMPARE(int(layout.tabBounds[0]), -1);
    QCOMPARE(int(layout.tabBounds[5]), SW);

    // The selected tab is as wide as its bold caption and its two gaps.
    QFont bold(font);
    bold.setBold(true);
    const int boldWidth = QFontMetrics(bold).horizontalAdvance(tabCaption(effective));
    QVERIFY(boldWidth > QFontMetrics(font).horizontalAdvance(tabCaption(effective)));
    const int span = layout.tabBounds[size_t(effective)] - layout.tabBounds[size_t(effective - 1)];
    QVERIFY(std::abs(span - (boldWidth + 2.0 * layout.gap)) <= 1.0);
}

void TestTabStrip::release_data()
{
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<int>("boundIndex");  // x = tabBounds(boundIndex) + offset
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("expected");
    QTest::newRow("on a boundary: the tab on its left") << 8 << 2 << 0 << 5 << 2;
    QTest::newRow("just past a boundary") << 8 << 2 << 1 << 5 << 3;
    QTest::newRow("left edge") << 8 << 0 << 1 << 5 << 1;
    QTest::newRow("right edge") << 8 << 5 << 0 << 5 << 5;
    QTest::newRow("beside the strip") << 8 << 5 << 1 << 5 << 0;
    QTest::newRow("top row") << 8 << 3 << 0 << 0 << 3;
    QTest::newRow("last row that counts") << 8 << 3 << 0 << 15 << 3;
    QTest::newRow("row 16") << 8 << 3 << 0 << 16 << 0;
    QTest::newRow("above the strip") << 8 << 3 << 0 << -1 << 0;
    QTest::newRow("row 16 on a taller font") << 20 << 3 << 0 << 16 << 0;
    QTest::newRow("row 15 on a taller font") << 20 << 3 << 0 << 15 << 3;
}

void TestTabStrip::release()
{
    QFETCH(int, pointSize);
    QFETCH(int, boundIndex);
    QFETCH(int, offset);
    QFETCH(int, y);
    QFETCH(int, expected);
    QFont font = tabStripFont();
    font.setPointSize(pointSize);
    const TabStripLayout layout = computeTabLayout(1, SW, font);
    if (pointSize > 8)
        QVERIFY(layout.h > 16);
    QCOMPARE(tabAtRelease(layout, layout.tabBounds[size_t(boundIndex)] + offset, y), expected);
}

void TestTabStrip::panelGeometryFitsTheFrame()
{
    const TabStripLayout layout = computeTabLayout(1, SW);
    const int h = layout.h;
    QCOMPARE(panelGeometry(layout, SW, SH), QRect(4, h + 5, SW - 8, SH - 4 - (h + 5)));
}

void TestTabStrip::pixels_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("neighbour");
    QTest::newRow("Paramètres") << 1 << 2;
    QTest::newRow("Vecteurs") << 3 << 4;
    QTest::newRow("Graphes") << 5 << 4;
}

void TestTabStrip::pixels()
{
    QFETCH(int, selected);
    QFETCH(int, neighbour);
    const QImage image = paintedStrip(selected);
    const TabStripLayout layout = computeTabLayout(selected, SW);
    const int h = layout.h;
    const QRgb white = qRgb(255, 255, 255);
    const QRgb darkGrey = qRgb(128, 128, 128);

    // The white left edge stops one pixel short, leaving the outline's corner.
    QCOMPARE(image.pixel(0, SH - 1), darkGrey);
    QCOMPARE(image.pixel(0, SH - 2), white);
    QCOMPARE(image.pixel(SW - 1, SH - 1), darkGrey);
    QCOMPARE(image.pixel(middleOf(layout, selected), h + 1), tabStripBackground().rgb());
    QCOMPARE(image.pixel(middleOf(layout, neighbour), h + 1), white);
    QCOMPARE(image.pixel(middleOf(layout, neighbour), 0), white);
    QCOMPARE(image.pixel(layout.tabBounds[1] - 1, h), darkGrey);
    QCOMPARE(image.pixel(3, SH - 4), darkGrey);
    QCOMPARE(image.pixel(1, SH - 2), tabStripBackground().rgb());

}

void TestTabStrip::widgetSelectsAndShowsPanels()
{
    TabStrip strip;
    QCOMPARE(strip.objectName(), QString("Onglets"));
    QCOMPARE(strip.size(), QSize(SW, SH));
    std::array<QWidget*, 5> panels{};
    for (int tab = 1; tab <= 5; ++tab) {
        panels[size_t(tab - 1)] = new QWidget;
        strip.addPanel(tab, panels[size_t(tab - 1)]);
    }
    QCOMPARE(strip.currentTab(), 0);
    strip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip));
    QTRY_VERIFY(strip.paintCount() > 0);
    QCOMPARE(strip.currentTab(), 1);
    QVERIFY(panels[0]->isVisible());
    QCOMPARE(panels[0]->parentWidget(), &strip);
    QCoreApplication::processEvents();

    QSignalSpy changed(&strip, &TabStrip::tabChanged);
    const int before = strip.paintCount();
    releaseAt(strip, QPoint(middleOf(strip.lastLayout(), 4), 16));
    releaseAt(strip, QPoint(middleOf(strip.lastLayout(), 1), 8));
    QCOMPARE(strip.currentTab(), 1);
    QCOMPARE(strip.paintCount(), before);
    QCOMPARE(changed.count(), 0);

    const TabStripLayout regular = strip.lastLayout();
    releaseAt(strip, QPoint(middleOf(regular, 3), 8));
    QCOMPARE(strip.paintCount(), before + 1);
    QCOMPARE(strip.currentTab(), 3);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 3);
    // The paint of the release already measures "Vecteurs" in bold.
    QCOMPARE(strip.lastLayout().tabBounds, computeTabLayout(3, SW).tabBounds);
    QVERIFY(strip.lastLayout().tabBounds[1] < regular.tabBounds[1]);
    for (int tab = 1; tab <= 5; ++tab)
        QCOMPARE(panels[size_t(tab - 1)]->isVisible(), tab == 3);
    QCOMPARE(panels[2]->geometry(), panelGeometry(strip.lastLayout(), SW, SH));

    // Released beside the strip (the mouse was grabbed), the row finds no tab
    // and the strip falls back to its first one.
    releaseAt(strip, QPoint(SW + 5, 8));
    QCOMPARE(strip.currentTab(), 1);
    QVERIFY(panels[0]->isVisible());
}

TAVREL_TEST_MAIN(TestTabStrip)
#include "test_tabstrip.moc"
