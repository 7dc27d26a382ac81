#include "common/pixels.h"
#include "scene/chronopanel.h"
#include "scene/parameterspanel.h"
#include "scene/tabstrip.h"
#include "common/testmain.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <vector>

namespace {

QSize panelSize()
{
    return panelGeometry(computeTabLayout(1, 361), 361, 225).size();
}

QImage blankPanel()
{
    QImage image(panelSize(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    return image;
}

bool isAround(const QImage& image, QPoint at, QRgb colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.pixel(at + QPoint(dx, dy)) == colour)
                return true;
    return false;
}

// A label printed before a control ends in the few pixels left of it and
// never runs into it.
void checkLabelBefore(const QImage& image, const QRect& control, int width)
{
    QVERIFY(testing::hasInk(image, QRect(control.left() - width, control.top(), width, control.height())));
    QVERIFY(!testing::hasInk(image, control));
}

void checkInsideAndApart(const std::vector<QRect>& rects, const QRect& free = QRect())
{
    const QRect panel(QPoint(0, 0), panelSize());
    for (size_t i = 0; i < rects.size(); ++i) {
        QVERIFY(panel.contains(rects[i]));
        QVERIFY(!rects[i].intersects(free));
        for (size_t j = i + 1; j < rects.size(); ++j)
            QVERIFY(!rects[i].intersects(rects[j]));
    }
}

}  // namespace

class TestPanels : public QObject {
    Q_OBJECT
private slots:
    void layoutsFitThePanel();
    void parametersLabels_data();
    void parametersLabels();
    void parametersSketch();
    void chronoLabels();
};

void TestPanels::layoutsFitThePanel()
{
    using P = ParametersPanelLayout;
    checkInsideAndApart({P::combo1, P::combo2}, QRect());
    checkInsideAndApart({P::text1, P::text2, P::text3, P::text4}, QRect(214, 60, 132, 131));
    using C = ChronoPanelLayout;
    checkInsideAndApart({C::command12, C::label5, C::chrono, C::check9, C::check2, C::check11, C::swatch6, C::swatch8});
    using A = AffichagePanelLayout;
    checkInsideAndApart({A::check1, A::swatch4, A::check3, A::check8, A::swatch5, A::check10, A::speed, A::check4});
    for (const QRect& swatch : {C::swatch6, C::swatch8, A::swatch4, A::swatch5})
        QCOMPARE(swatch.size(), QSize(17, 17));
}

void TestPanels::parametersLabels_data()
{
    QTest::addColumn<int>("shift");  // the fields moved down and right
    QTest::newRow("panel layout") << 0;
    QTest::newRow("fields moved") << 6;
}

void TestPanels::parametersLabels()
{
    QFETCH(int, shift);
    ParametersPanelGeometry g = ParametersPanelLayout::geometry();
    for (QRect* field : {&g.text1, &g.text2, &g.text3, &g.text4})
        field->translate(shift, shift);
    QImage image = blankPanel();
    {
        QPainter painter(&image);
        paintParametersPanel(painter, g, QColor(0, 0, 255));
    }
    QCOMPARE(image.pixel(2, image.height() - 2), panelBackground().rgb());
    checkLabelBefore(image, g.combo1, 12);
    checkLabelBefore(image, g.combo2, 12);
    for (const QRect& field : {g.text1, g.text2, g.text3, g.text4})
        checkLabelBefore(image, field, 12);
    // The section titles sit at the left margin above the first field of their section.
    QVERIFY(testing::hasInk(image, QRect(18, g.text1.top() - 24, 20, 14)));
    QVERIFY(testing::hasInk(image, QRect(18, g.text3.top() - 24, 20, 14)));
    QVERIFY(!testing::hasInk(image, QRect(0, g.text1.top() - 24, 17, 14)));
}

void TestPanels::parametersSketch()
{
    const QColor velocity(0, 160, 0);
    QImage image = blankPanel();
    {
        QPainter painter(&image);
        paintParametersPanel(painter, ParametersPanelLayout::geometry(), velocity);
    }
    const QRgb black = qRgb(0, 0, 0);
    QCOMPARE(image.pixel(230, 120), black);                   // y axis
    QCOMPARE(image.pixel(300, 180), black);                   // x axis
    QCOMPARE(image.pixel(275, 124), velocity.rgb());          // v0 arrow
    QVERIFY(isAround(image, QPoint(260, 150), qRgb(128, 128, 128)));  // launch point
    // Dotted: every other pixel of the horizontal through the launch point.
    int dots = 0;
    for (int x = 290; x < 310; ++x)
        dots += image.pixel(x, 150) == black;
    QCOMPARE(dots, 10);
    // The arc reaches 0.5 rad but not 1.2 rad.
    QVERIFY(isAround(image, QPoint(278, 140), black));
    QVERIFY(!isAround(image, QPoint(267, 131), black));
    QVERIFY(testing::hasInk(image, QRect(282, 127, 14, 16)));  // alpha0
}

void TestPanels::chronoLabels()
{
    const ChronoPanelGeometry g = ChronoPanelLayout::geometry();
    QImage image = blankPanel();
    {
        QPainter painter(&image);
        paintChronoPanel(painter, g);
    }
    QCOMPARE(image.pixel(image.width() - 2, image.height() - 2), panelBackground().rgb());
    QVERIFY(testing::hasInk(image, QRect(g.check9.left(), g.chrono.top() - 20, 6, 14)));
    QVERIFY(!testing::hasInk(image, QRect(0, g.chrono.top() - 20, g.check9.left(), 14)));
    checkLabelBefore(image, g.chrono, 8);
    QVERIFY(testing::hasInk(image, QRect(g.chrono.right() + 1, g.chrono.top(), 24, g.chrono.height())));  // "ms"
}

TAVREL_TEST_MAIN(TestPanels)
#include "test_panels.moc"
