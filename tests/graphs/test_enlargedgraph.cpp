// What the graphs window computes for a situation: the axis row, the curves
// ending at the landing, the rows of the table and where they are marked,
// the read-out under a point and the markers under the pointer.

#include "graphs/enlargedgraph.h"
#include "common/testmain.h"

#include <QTest>
#include <cmath>

using namespace graphs;
Q_DECLARE_METATYPE(graphs::GraphInputs)

namespace {

GraphInputs throwOf(float vx, float vy, double y0, std::initializer_list<GraphKind> kinds)
{
    GraphInputs in;
    in.initialVelocityX = vx;
    in.initialVelocityY = vy;
    in.y0 = y0;
    for (GraphKind kind : kinds)
        in.checked[size_t(kind)] = true;
    return in;
}

// Reads a cell back as a number.
double cellValue(const QString& text)
{
    QString t = text.trimmed();
    t.replace(u',', u'.');
    return t.toDouble();
}

} // namespace

class TestEnlargedGraph : public QObject {
    Q_OBJECT
private slots:
    void nothingDrawn_data();
    void nothingDrawn();
    void timeAxisRow_data();
    void timeAxisRow();
    void curvesEndAtLanding();
    void horizontalLaunchTable();
    void tableRows_data();
    void tableRows();
    void energiesAddUp();
    void markerPositions();
    void cellTexts_data();
    void cellTexts();
    void readout_data();
    void readout();
    void plottingArea_data();
    void plottingArea();
    void markersUnderPointer();
};

void TestEnlargedGraph::nothingDrawn_data()
{
    QTest::addColumn<GraphInputs>("in");
    QTest::addRow("no kind checked") << throwOf(15, 0, 10, {});
    QTest::addRow("flight of 0 s") << throwOf(15, -2, 0, {KindX});
    QTest::addRow("no real square root") << throwOf(15, 0, -10, {KindX});
}

void TestEnlargedGraph::nothingDrawn()
{
    QFETCH(GraphInputs, in);
    const EnlargedGraph graph = planEnlargedGraph(in);
    QVERIFY(!graph.drawn());
    QVERIFY(graph.curves.empty());
    QCOMPARE(graph.rowCount(), 0);
    QCOMPARE(graph.columnCount(), 0);
}

void TestEnlargedGraph::timeAxisRow_data()
{
    QTest::addColumn<GraphInputs>("in");
    QTest::addColumn<int>("row");
    QTest::addRow("x(t) to the right") << throwOf(15, 0, 10, {KindX}) << 380;
    QTest::addRow("x(t) to the left from x0 = 0") << throwOf(-15, 0, 10, {KindX}) << 200;
    QTest::addRow("vy(t) of a throw up") << throwOf(3, 9, 0, {KindVy}) << 200;
    QTest::addRow("energies") << throwOf(3, 9, 0, {KindEc, KindEp, KindEm}) << 380;
}

void TestEnlargedGraph::timeAxisRow()
{
    QFETCH(GraphInputs, in);
    QFETCH(int, row);
    const EnlargedGraph graph = planEnlargedGraph(in);
    QVERIFY(graph.drawn());
    QCOMPARE(graph.timeAxisRow, row);
    // Zero lies on the time axis, whatever the row.
    QCOMPARE(graph.valueToY(0), double(row));
}

// Each curve starts at launch and its last point is the landing itself, in
// 360 steps: x = 20 + 360 * 1.4286 / 1.6 and y(t) back to the axis.
void TestEnlargedGraph::curvesEndAtLanding()
{
    const EnlargedGraph graph = planEnlargedGraph(throwOf(15, 0, 10, {KindX, KindY}));
    QCOMPARE(graph.curves.size(), size_t(2));
    const double landingX = 20 + 360 * graph.scale.flightDuration / 1.6;
    for (const EnlargedCurve& curve : graph.curves) {
        QVERIFY(curve.points.size() >= 360 && curve.points.size() <= 362);
        QCOMPARE(curve.points.front().x(), 20.0);
        QCOMPARE(curve.points.back().x(), landingX);
    }
    QCOMPARE(graph.curves[0].kind, KindX);
    QCOMPARE(graph.curves[0].points.front().y(), 380.0);
    QCOMPARE(graph.curves[1].points.front().y(), 380 - 360 * 10 / 25.0);
    QVERIFY(std::fabs(graph.curves[1].points.back().y() - 380) < 1e-6);
}

void TestEnlargedGraph::horizontalLaunchTable()
{
    const EnlargedGraph graph = planEnlargedGraph(throwOf(15, 0, 10, {KindY}));
    QCOMPARE(graph.tableStep, 0.08);
    QCOMPARE(graph.rowCount(), 18);
    QCOMPARE(graph.columnCount(), 2);
    QCOMPARE(dateCellText(graph.dates.back()), QStringLiteral("1,36  "));
    // The landing at 1.4286 s has no row of its own.
    QVERIFY(graph.dates.back() < graph.scale.flightDuration);
    QVERIFY(graph.dates.back() + graph.tableStep > graph.scale.flightDuration);
    QCOMPARE(valueCellText(graph.values[0][0]), QStringLiteral("10,00  "));
}

void TestEnlargedGraph::tableRows_data()
{
    QTest::addColumn<GraphInputs>("in");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    // Up for 1 s and down again: 2 s exactly, one row per 0.1 s, the landing included.
    QTest::addRow("flight equal to the time scale") << throwOf(0, 9.8f, 0, {KindY}) << 21 << 2;
    QTest::addRow("velocities") << throwOf(15, 0, 10, {KindVx, KindVy, KindV}) << 18 << 4;
    QTest::addRow("positions") << throwOf(15, 0, 10, {KindX, KindY}) << 18 << 3;
}

void TestEnlargedGraph::tableRows()
{
    QFETCH(GraphInputs, in);
    QFETCH(int, rows);
    QFETCH(int, columns);
    const EnlargedGraph graph = planEnlargedGraph(in);
    QCOMPARE(graph.rowCount(), rows);
    QCOMPARE(graph.columnCount(), columns);
    for (int r = 0; r < rows; ++r) {
        QCOMPARE(graph.dates[size_t(r)], r * graph.tableStep);
        QCOMPARE(int(graph.values[size_t(r)].size()), columns - 1);
    }
}

void TestEnlargedGraph::energiesAddUp()
{
    const EnlargedGraph graph = planEnlargedGraph(throwOf(4, 7, 3, {KindEc, KindEp, KindEm}));
    QCOMPARE(graph.columnCount(), 4);
    QCOMPARE(graph.columns, (std::vector<GraphKind>{KindEc, KindEp, KindEm}));
    for (const std::vector<double>& row : graph.values) {
        const double ec = cellValue(valueCellText(row[0]));
        const double ep = cellValue(valueCellText(row[1]));
        const double em = cellValue(valueCellText(row[2]));
        QVERIFY2(std::fabs(em - (ec + ep)) <= 0.0151, qPrintable(QStringLiteral("%1 %2 %3").arg(ec).arg(ep).arg(em)));
    }
}

// Row r is marked at the x of its date and, in each value column, at the y
// of its value; the columns without a value stay 0.
void TestEnlargedGraph::markerPositions()
{
    const EnlargedGraph graph = planEnlargedGraph(throwOf(15, 0, 10, {KindX, KindY}));
    for (int r = 0; r < graph.rowCount(); ++r) {
        const auto& markers = graph.markerPositions[size_t(r)];
        QCOMPARE(markers[0], short(std::nearbyint(20 + 360 * graph.dates[size_t(r)] / 1.6)));
        QCOMPARE(markers[1], short(std::nearbyint(graph.valueToY(graph.values[size_t(r)][0]))));
        QCOMPARE(markers[2], short(std::nearbyint(graph.valueToY(graph.values[size_t(r)][1]))));
        QCOMPARE(markers[3], short(0));
        QCOMPARE(markers[4], short(0));
    }
    QCOMPARE(graph.markerPositions[1][0], short(38));
    QCOMPARE(graph.markerPositions[18][0], short(0));
}

void TestEnlargedGraph::cellTexts_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("cell");
    QTest::addRow("negative") << -3.456 << QStringLiteral("-3,46  ") << QStringLiteral("-3,46  ");
    QTest::addRow("zero") << 0.0 << QStringLiteral("0,00  ") << QStringLiteral("0,00  ");
    QTest::addRow("rounded up") << 1.355 << QStringLiteral("1,36  ") << QStringLiteral("1,36  ");
    QTest::addRow("rocher's energy") << 183412.5 << QStringLiteral("183412,50  ") << QStringLiteral("183412,50  ");
    QTest::addRow("small negative shows no sign") << -0.001 << QStringLiteral("0,00  ") << QStringLiteral("0,00  ");
}

void TestEnlargedGraph::cellTexts()
{
    QFETCH(double, value);
    QFETCH(QString, date);
    QFETCH(QString, cell);
    QCOMPARE(dateCellText(value), date);
    QCOMPARE(valueCellText(value), cell);
}

void TestEnlargedGraph::readout_data()
{
    QTest::addColumn<GraphInputs>("in");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<double>("time");
    QTest::addColumn<double>("value");
    const GraphInputs right = throwOf(15, 0, 10, {KindX});
    const GraphInputs up = throwOf(3, 9, 0, {KindVy});
    QTest::addRow("origin") << right << 20 << 380 << 0.0 << 0.0;
    QTest::addRow("far corner") << right << 380 << 20 << 1.6 << 25.0;
    QTest::addRow("centred axis, origin") << up << 20 << 200 << 0.0 << 0.0;
    // vy from 9 to -9 m/s: 9 at e = 0, doubled to 18 for both signs; 2 s in time.
    QTest::addRow("centred axis, bottom") << up << 200 << 380 << 1.0 << -9.0;
}

void TestEnlargedGraph::readout()
{
    QFETCH(GraphInputs, in);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(double, time);
    QFETCH(double, value);
    const EnlargedGraph graph = planEnlargedGraph(in);
    QCOMPARE(graph.timeAt(x) + 1, time + 1);
    QCOMPARE(graph.valueAt(y) + 1, value + 1);
}

void TestEnlargedGraph::plottingArea_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("inside");
    QTest::addRow("origin") << 20 << 380 << true;
    QTest::addRow("left of the value axis") << 19 << 200 << false;
    QTest::addRow("below the time axis") << 200 << 381 << false;
    QTest::addRow("top right corner") << 380 << 20 << true;
    QTest::addRow("above the area") << 200 << 19 << false;
    QTest::addRow("in the legend") << 381 << 200 << false;
}

void TestEnlargedGraph::plottingArea()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, inside);
    QCOMPARE(insidePlottingArea(x, y), inside);
}

// Within 2 units both ways of a marker; the markers of one date share x.
void TestEnlargedGraph::markersUnderPointer()
{
    const EnlargedGraph graph = planEnlargedGraph(throwOf(15, 0, 10, {KindX, KindY}));
    const auto& row3 = graph.markerPositions[3];
    QCOMPARE(markersUnder(graph, row3[0], row3[1]), (std::vector<TableCell>{{3, 1}}));
    QCOMPARE(markersUnder(graph, row3[0] + 2, row3[2] - 2), (std::vector<TableCell>{{3, 2}}));
    QVERIFY(markersUnder(graph, row3[0] + 3, row3[2]).empty());
    QVERIFY(markersUnder(graph, row3[0], row3[2] + 3).empty());
    QVERIFY(markersUnder(graph, 0, 0).empty());
    // Both curves start at different heights; at launch x(t) is on the axis.
    QCOMPARE(markersUnder(graph, 20, 380), (std::vector<TableCell>{{0, 1}}));
}

TAVREL_TEST_MAIN(TestEnlargedGraph)
#include "test_enlargedgraph.moc"
