// The live graph: when the frame is drawn, where its axes and grid fall,
// which segments the ticks add, and the one drawing behind the screen and
// the page.

#include "graphs/livegraph.h"
#include "common/testmain.h"

#include <QPainter>
#include <QTest>
#include <cmath>
#include <functional>

using namespace graphs;
Q_DECLARE_METATYPE(graphs::GraphInputs)

namespace {

const QColor black(0, 0, 0);
const QColor lightGrey(192, 192, 192);
const QColor blue(0, 0, 255);

// Lands after 1.4286 s: time axis of 1.6 s, 0.2 s per 30 units.
GraphInputs horizontalLaunch(GraphKind kind)
{
    GraphInputs in;
    in.initialVelocityX = 15;
    in.y0 = 10;
    in.checked[size_t(kind)] = true;
    return in;
}

bool columnHas(const LiveGraph& graph, int x, int from, int to, QColor colour)
{
    const QImage image = graph.picture();
    for (int y = from; y <= to; ++y)
        if (image.pixelColor(x, y) == colour)
            return true;
    return false;
}

} // namespace

class TestLiveGraph : public QObject {
    Q_OBJECT
private slots:
    void nothingCheckedAsksForChoice();
    void frame_data();
    void frame();
    void legendInCurveColours();
    void blankWithoutFlight_data();
    void blankWithoutFlight();
    void segments_data();
    void segments();
    void screenIsTheDrawing_data();
    void screenIsTheDrawing();
};

void TestLiveGraph::nothingCheckedAsksForChoice()
{
    LiveGraph graph;
    QVERIFY(graph.repgraphe(horizontalLaunch(KindX)));
    const QImage before = graph.picture();
    GraphInputs none = horizontalLaunch(KindX);
    none.checked = {};
    QVERIFY(!graph.repgraphe(none));
    QVERIFY(!graph.tracegraphe(none, 0.4f, 0.04f, 0));
    QCOMPARE(graph.picture(), before);
}

void TestLiveGraph::frame_data()
{
    QTest::addColumn<GraphInputs>("in");
    QTest::addColumn<int>("axisRow");
    QTest::addColumn<int>("otherRow");
    GraphInputs throwUp;
    throwUp.initialVelocityY = 9;
    throwUp.checked[KindVy] = true;
    QTest::addRow("x(t), no negative values") << horizontalLaunch(KindX) << 200 << 110;
    QTest::addRow("vy(t) of a throw up") << throwUp << 110 << 200;
}

void TestLiveGraph::frame()
{
    QFETCH(GraphInputs, in);
    QFETCH(int, axisRow);
    QFETCH(int, otherRow);
    LiveGraph graph;
    QVERIFY(graph.repgraphe(in));
    const QImage image = graph.picture();
    QCOMPARE(image.pixelColor(150, axisRow), black);
    QCOMPARE(image.pixelColor(275, axisRow), black);
    QVERIFY(image.pixelColor(150, otherRow) != black);
    QCOMPARE(image.pixelColor(20, 100), black);
    QCOMPARE(image.pixelColor(260, 150), lightGrey);
    QVERIFY(image.pixelColor(290, 150) != lightGrey);
    // Horizontal grid lines from the time axis: above it, and below it only
    // when it is centred for negative values.
    const GraphScale& s = graph.scale();
    const int spacing = int(std::lround(s.valueDivisionStep * 180.0 / s.valueAxisMantissa));
    QCOMPARE(image.pixelColor(150, axisRow - spacing), lightGrey);
    if (s.graphHasNegative) {
        QVERIFY(axisRow + spacing <= 200);
        QCOMPARE(image.pixelColor(150, axisRow + spacing), lightGrey);
    } else {
        for (int row = axisRow + 1; row < image.height(); ++row)
            QVERIFY2(image.pixelColor(150, row) != lightGrey, qPrintable(QString::number(row)));
    }
}

void TestLiveGraph::legendInCurveColours()
{
    GraphInputs in = horizontalLaunch(KindX);
    in.checked[KindY] = true;
    LiveGraph graph;
    QVERIFY(graph.repgraphe(in));
    bool blueFirst = false;
    bool redSecond = false;
    for (int x = 280; x < 320; ++x) {
        blueFirst = blueFirst || columnHas(graph, x, 54, 66, blue);
        redSecond = redSecond || columnHas(graph, x, 70, 82, QColor(255, 0, 0));
    }
    QVERIFY(blueFirst && redSecond);
}

void TestLiveGraph::blankWithoutFlight_data()
{
    QTest::addColumn<double>("y0");
    QTest::addRow("flight of 0 s") << 0.0;
    QTest::addRow("no real square root") << -10.0;
}

// The previous frame is cleared and nothing replaces it, even on later ticks.
void TestLiveGraph::blankWithoutFlight()
{
    QFETCH(double, y0);
    GraphInputs in = horizontalLaunch(KindX);
    LiveGraph graph;
    QVERIFY(graph.repgraphe(in));
    in.y0 = y0;
    QVERIFY(graph.repgraphe(in));
    QVERIFY(graph.tracegraphe(in, 0.4f, 0.04f, 0));
    QImage blank(graph.picture().size(), graph.picture().format());
    blank.fill(LiveGraph::panelColour());
    QCOMPARE(graph.picture(), blank);
}

// vx(t) = 15 on a scale of 16 lies on row 200 - 180 * 15 / 16 = 31.25; the
// columns are those of the tick's two dates.
void TestLiveGraph::segments_data()
{
    QTest::addColumn<float>("simTime");
    QTest::addColumn<int>("bounceActive");
    QTest::addColumn<QList<int>>("inked");
    QTest::addColumn<QList<int>>("clear");
    QTest::addRow("0.36 s to 0.4 s") << 0.4f << 0 << QList<int>{77} << QList<int>{72, 82};
    QTest::addRow("last tick ends at landing") << 1.40f << 0 << QList<int>{226, 233} << QList<int>{236, 250};
    QTest::addRow("at date 0") << 0.0f << 0 << QList<int>{} << QList<int>{20, 22};
    QTest::addRow("ball touching the ground") << 0.4f << 1 << QList<int>{} << QList<int>{77};
    QTest::addRow("ball bouncing") << 0.4f << 2 << QList<int>{} << QList<int>{77};
}

void TestLiveGraph::segments()
{
    QFETCH(float, simTime);
    QFETCH(int, bounceActive);
    QFETCH(QList<int>, inked);
    QFETCH(QList<int>, clear);
    const GraphInputs in = horizontalLaunch(KindVx);
    LiveGraph graph;
    QVERIFY(graph.repgraphe(in));
    QVERIFY(graph.tracegraphe(in, simTime, 0.04f, bounceActive));
    for (int x : inked)
        QVERIFY2(columnHas(graph, x, 30, 32, blue), qPrintable(QString::number(x)));
    for (int x : clear)
        QVERIFY2(!columnHas(graph, x, 25, 37, blue), qPrintable(QString::number(x)));
}

void TestLiveGraph::screenIsTheDrawing_data()
{
    QTest::addColumn<GraphInputs>("in");
    QTest::addColumn<int>("curves");
    GraphInputs throwUp;
    throwUp.initialVelocityY = 9;
    throwUp.checked[KindVy] = true;
    GraphInputs energies = horizontalLaunch(KindEc);
    energies.checked[KindEp] = energies.checked[KindEm] = true;
    QTest::addRow("x(t) up to landing") << horizontalLaunch(KindX) << 1;
    QTest::addRow("vy(t) across zero") << throwUp << 1;
    QTest::addRow("three energies") << energies << 3;
    GraphInputs noFlight = horizontalLaunch(KindY);
    noFlight.y0 = 0;
    QTest::addRow("no flight") << noFlight << 0;
}

// The screen picture is what the drawing routine draws from the kept
// segments, on any painter; a scene redrawn at the same date adds nothing;
// the printed picture keeps the graph as it was when it was taken.
void TestLiveGraph::screenIsTheDrawing()
{
    QFETCH(GraphInputs, in);
    QFETCH(int, curves);
    constexpr int ticks = 36; // the last two end at the landing date
    LiveGraph graph;
    QVERIFY(graph.repgraphe(in));
    for (int tick = 1; tick <= ticks; ++tick)
        QVERIFY(graph.tracegraphe(in, float(tick * 0.04), 0.04f, false));
    const QImage screen = graph.picture();
    QCOMPARE(graph.drawing().segments.size(), size_t(ticks * curves));
    QVERIFY(graph.tracegraphe(in, float(ticks * 0.04), 0.04f, false));
    QCOMPARE(graph.drawing().segments.size(), size_t(ticks * curves));
    QCOMPARE(graph.picture(), screen);

    const auto drawn = [&screen](const std::function<void(QPainter&)>& draw) {
        QImage image(screen.size(), screen.format());
        image.fill(Qt::white);
        QPainter painter(&image);
        draw(painter);
        painter.end();
        return image;
    };
    QCOMPARE(drawn([&](QPainter& painter) { paintLiveGraph(painter, graph.drawing()); }), screen);
    const PrintedPicture printed = graph.printedPicture();
    QCOMPARE(printed.screenSize, screen.size());
    QVERIFY(graph.repgraphe(in));
    QCOMPARE(drawn(printed.draw), screen);
    if (curves > 0)
        QVERIFY(graph.picture() != screen);
}

TAVREL_TEST_MAIN(TestLiveGraph)
#include "test_livegraph.moc"
