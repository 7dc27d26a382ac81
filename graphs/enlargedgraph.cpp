#include "graphs/enlargedgraph.h"

#include "ui/numberformat.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace graphs {

namespace {

// The table shows at most 21 dates: the row step is a twentieth of the time
// scale, which the flight never exceeds.
constexpr int tableRowsShown = 21;

// Marker positions are whole units, rounded half to even.
short wholeUnits(double v)
{
    return short(std::nearbyint(std::clamp(v, -32768.0, 32767.0)));
}

std::vector<GraphKind> checkedKinds(const GraphInputs& in)
{
    std::vector<GraphKind> kinds;
    for (int i = 0; i < kindCount; ++i)
        if (in.checked[size_t(i)])
            kinds.push_back(GraphKind(i));
    return kinds;
}

// Segments from t - d to t for t = 0, d, 2d …, the last one ending exactly
// at the landing date: as a polyline, each point once.
EnlargedCurve traceCurve(const EnlargedGraph& graph, GraphKind kind)
{
    EnlargedCurve curve;
    curve.kind = kind;
    const double duration = graph.scale.flightDuration;
    const double d = duration / 360;
    auto add = [&](double t) {
        const QPointF p(graph.timeToX(t), graph.valueToY(graphQuantity(kind, graph.inputs, t)));
        if (std::isfinite(p.x()) && std::isfinite(p.y()))
            curve.points.push_back(p);
    };
    add(0);
    for (double t = d;; t += d) {
        if (t + d > duration) {
            add(duration);
            break;
        }
        add(t);
    }
    return curve;
}

void fillTable(EnlargedGraph& graph)
{
    graph.tableStep = graph.fullTimeScale() / 20;
    graph.columns = checkedKinds(graph.inputs);
    const int rows = std::min(tableRowsShown, int(graph.scale.flightDuration / graph.tableStep) + 1);
    for (int r = 0; r < rows; ++r) {
        const double t = r * graph.tableStep;
        graph.dates.push_back(t);
        graph.markerPositions[size_t(r)][0] = wholeUnits(graph.timeToX(t));
        std::vector<double> row;
        for (size_t c = 0; c < graph.columns.size(); ++c) {
            const double q = graphQuantity(graph.columns[c], graph.inputs, t);
            row.push_back(q);
            graph.markerPositions[size_t(r)][c + 1] = wholeUnits(graph.valueToY(q));
        }
        graph.values.push_back(std::move(row));
    }
}

} // namespace

double EnlargedGraph::fullTimeScale() const
{
    return scale.timeAxisMantissa * std::pow(10.0, scale.timeAxisExponent);
}

double EnlargedGraph::fullValueScale() const
{
    return scale.valueAxisMantissa * std::pow(10.0, scale.valueAxisExponent);
}

double EnlargedGraph::timeToX(double t) const
{
    return 20 + 360 * t / fullTimeScale();
}

double EnlargedGraph::valueToY(double q) const
{
    return timeAxisRow - 360 * q / fullValueScale();
}

double EnlargedGraph::timeAt(double x) const
{
    return (x - 20) * fullTimeScale() / 360;
}

double EnlargedGraph::valueAt(double y) const
{
    return (timeAxisRow - y) * fullValueScale() / 360;
}

EnlargedGraph planEnlargedGraph(const GraphInputs& in)
{
    EnlargedGraph graph;
    graph.inputs = in;
    if (!anyChecked(in))
        return graph;
    graph.scale = computeGraphScale(in);
    if (!graph.scale.valid)
        return graph;
    graph.timeAxisRow = graph.scale.graphHasNegative ? 200 : 380;
    for (GraphKind kind : checkedKinds(in))
        graph.curves.push_back(traceCurve(graph, kind));
    fillTable(graph);
    return graph;
}

bool insidePlottingArea(double x, double y)
{
    return x > 19 && x < 381 && y > 19 && y < 381;
}

std::vector<TableCell> markersUnder(const EnlargedGraph& graph, int x, int y)
{
    std::vector<TableCell> hits;
    for (int r = 0; r < graph.rowCount(); ++r) {
        const auto& markers = graph.markerPositions[size_t(r)];
        if (std::abs(x - markers[0]) >= 3)
            continue;
        for (int c = 1; c < graph.columnCount(); ++c)
            if (std::abs(y - markers[size_t(c)]) < 3)
                hits.push_back({r, c});
    }
    return hits;
}

QString dateCellText(double t)
{
    return formatPattern(t, QStringLiteral("###########0.00")) + QStringLiteral("  ");
}

QString valueCellText(double q)
{
    return formatPattern(q, QStringLiteral("################0.00")) + QStringLiteral("  ");
}

} // namespace graphs
