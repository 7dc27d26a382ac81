#include "graphs/livegraph.h"

#include "graphs/graphkinds.h"
#include "graphs/graphlabels.h"

#include <QPainter>
#include <cmath>

namespace graphs {

namespace {

const QColor black(0, 0, 0);
const QColor lightGrey(192, 192, 192);

double originRowOf(const GraphScale& scale) { return scale.graphHasNegative ? 110 : 200; }

// Lines one unit wide with square ends, as the frame and the curves are drawn.
void drawLine(QPainter& painter, double x1, double y1, double x2, double y2, QColor colour)
{
    painter.setPen(QPen(colour, 1, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QLineF(x1, y1, x2, y2));
}

void drawSegment(QPainter& painter, const TracedSegment& segment)
{
    const QLineF& line = segment.line;
    drawLine(painter, line.x1(), line.y1(), line.x2(), line.y2(), segment.colour);
}

void drawGrid(QPainter& painter, const GraphScale& scale)
{
    const double s = scale.timeDivisionStep * 240.0 / scale.timeAxisMantissa;
    for (double x = 20; x <= 261; x += s)
        drawLine(painter, x, 20, x, 200, lightGrey);

    const double sv = scale.valueDivisionStep * 180.0 / scale.valueAxisMantissa;
    if (scale.graphHasNegative) {
        for (double y = 110; y >= 19; y -= sv)
            drawLine(painter, 20, y, 260, y, lightGrey);
        for (double y = 110; y <= 201; y += sv)
            drawLine(painter, 20, y, 260, y, lightGrey);
    } else {
        for (double y = 200; y >= 19; y -= sv)
            drawLine(painter, 20, y, 260, y, lightGrey);
    }
}

void drawAxes(QPainter& painter, const GraphScale& scale)
{
    drawLine(painter, 20, 5, 20, 200, black);
    drawLine(painter, 20, 5, 24, 13, black);
    drawLine(painter, 20, 5, 16, 13, black);

    const double y = originRowOf(scale);
    drawLine(painter, 20, y, 280, y, black);
    drawLine(painter, 272, y - 4, 280, y, black);
    drawLine(painter, 272, y + 4, 280, y, black);
}

} // namespace

void paintLiveGraph(QPainter& painter, const LiveGraphDrawing& drawing)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(QRect(QPoint(0, 0), drawing.size), LiveGraph::panelColour());
    if (drawing.scale.valid) {
        drawGrid(painter, drawing.scale);
        drawAxes(painter, drawing.scale);
        drawValueScaleLabel(painter, 30, 4, drawing.scale, checkedGroup(drawing.checked));
        drawTimeScaleLabel(painter, 280, 120, drawing.scale);
        drawLegend(painter, 280, 54, drawing.checked);
        for (const TracedSegment& segment : drawing.segments)
            drawSegment(painter, segment);
    }
    painter.restore();
}

LiveGraph::LiveGraph(int width, int height, qreal devicePixelRatio)
    : m_surface(width, height, panelColour(), devicePixelRatio)
{
    m_drawing.size = QSize(width, height);
}

double LiveGraph::originRow() const { return originRowOf(m_drawing.scale); }

double LiveGraph::timeToX(double t) const
{
    const GraphScale& s = m_drawing.scale;
    return 20 + 240 * t / (s.timeAxisMantissa * std::pow(10.0, s.timeAxisExponent));
}

double LiveGraph::valueToY(double q) const
{
    const GraphScale& s = m_drawing.scale;
    return originRow() - 180 * q / (s.valueAxisMantissa * std::pow(10.0, s.valueAxisExponent));
}

bool LiveGraph::repgraphe(const GraphInputs& in)
{
    if (!anyChecked(in))
        return false;
    m_drawing.scale = computeGraphScale(in);
    m_drawing.checked = in.checked;
    m_drawing.segments.clear();
    m_latestTick.clear();
    paintLiveGraph(m_surface.painter(), m_drawing);
    return true;
}

bool LiveGraph::tracegraphe(const GraphInputs& in, float simTime, float timeStep, bool bouncing)
{
    if (simTime == 0 || bouncing)
        return true;
    if (!anyChecked(in))
        return false;
    if (!m_drawing.scale.valid)
        return true;

    double tc = simTime;
    double tp = simTime - timeStep;
    if (simTime + timeStep > m_drawing.scale.flightDuration)
        tc = m_drawing.scale.flightDuration;
    if (tp < 0)
        tp = 0;

    std::vector<TracedSegment> tick;
    for (int i = 0; i < kindCount; ++i) {
        if (!in.checked[size_t(i)])
            continue;
        const GraphKind kind = GraphKind(i);
        const QLineF line(timeToX(tp), valueToY(graphQuantity(kind, in, tp)), timeToX(tc),
                          valueToY(graphQuantity(kind, in, tc)));
        // A fault in one curve skips that segment only.
        if (std::isfinite(line.x1()) && std::isfinite(line.y1()) && std::isfinite(line.x2())
            && std::isfinite(line.y2()))
            tick.push_back({line, kindColour(kind)});
    }
    // Every redraw of the scene after landing traces the last segments again,
    // on the same pixels: they are kept once.
    if (tick.empty() || tick == m_latestTick)
        return true;
    for (const TracedSegment& segment : tick)
        drawSegment(m_surface.painter(), segment);
    m_drawing.segments.insert(m_drawing.segments.end(), tick.begin(), tick.end());
    m_latestTick = std::move(tick);
    return true;
}

PrintedPicture LiveGraph::printedPicture() const
{
    return {m_drawing.size, [drawing = m_drawing](QPainter& painter) { paintLiveGraph(painter, drawing); }};
}

} // namespace graphs
