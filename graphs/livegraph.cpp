#include "graphs/livegraph.h"

#include "graphs/graphkinds.h"
#include "graphs/graphlabels.h"

#include <QPainter>
#include <cmath>

namespace graphs {

namespace {

const QColor black(0, 0, 0);
const QColor lightGrey(192, 192, 192);

} // namespace

LiveGraph::LiveGraph(int width, int height)
    : m_surface(width, height, panelColour())
{
}

double LiveGraph::timeToX(double t) const
{
    return 20 + 240 * t / (m_scale.timeAxisMantissa * std::pow(10.0, m_scale.timeAxisExponent));
}

double LiveGraph::valueToY(double q) const
{
    return originRow() - 180 * q / (m_scale.valueAxisMantissa * std::pow(10.0, m_scale.valueAxisExponent));
}

bool LiveGraph::repgraphe(const GraphInputs& in)
{
    if (!anyChecked(in))
        return false;
    m_surface.clear();
    m_scale = computeGraphScale(in);
    if (!m_scale.valid)
        return true;

    drawGrid();
    drawAxes();
    QPainter& painter = m_surface.painter();
    drawValueScaleLabel(painter, 30, 4, m_scale, checkedGroup(in.checked));
    drawTimeScaleLabel(painter, 280, 120, m_scale);
    drawLegend(painter, 280, 54, in.checked);
    return true;
}

void LiveGraph::drawGrid()
{
    const double s = m_scale.timeDivisionStep * 240.0 / m_scale.timeAxisMantissa;
    for (double x = 20; x <= 261; x += s)
        m_surface.line(x, 20, x, 200, lightGrey);

    const double sv = m_scale.valueDivisionStep * 180.0 / m_scale.valueAxisMantissa;
    if (m_scale.graphHasNegative) {
        for (double y = 110; y >= 19; y -= sv)
            m_surface.line(20, y, 260, y, lightGrey);
        for (double y = 110; y <= 201; y += sv)
            m_surface.line(20, y, 260, y, lightGrey);
    } else {
        for (double y = 200; y >= 19; y -= sv)
            m_surface.line(20, y, 260, y, lightGrey);
    }
}

void LiveGraph::drawAxes()
{
    m_surface.line(20, 5, 20, 200, black);
    m_surface.line(20, 5, 24, 13, black);
    m_surface.line(20, 5, 16, 13, black);

    const double y = originRow();
    m_surface.line(20, y, 280, y, black);
    m_surface.line(272, y - 4, 280, y, black);
    m_surface.line(272, y + 4, 280, y, black);
}

bool LiveGraph::tracegraphe(const GraphInputs& in, float simTime, float timeStep, bool bouncing)
{
    if (simTime == 0 || bouncing)
        return true;
    if (!anyChecked(in))
        return false;
    if (!m_scale.valid)
        return true;

    double tc = simTime;
    double tp = simTime - timeStep;
    if (simTime + timeStep > m_scale.flightDuration)
        tc = m_scale.flightDuration;
    if (tp < 0)
        tp = 0;

    m_surface.setLineWidth(1);
    m_surface.setDotted(false);
    for (int i = 0; i < kindCount; ++i) {
        if (!in.checked[size_t(i)])
            continue;
        const GraphKind kind = GraphKind(i);
        const double x1 = timeToX(tp);
        const double y1 = valueToY(graphQuantity(kind, in, tp));
        const double x2 = timeToX(tc);
        const double y2 = valueToY(graphQuantity(kind, in, tc));
        // A fault in one curve skips that segment only.
        if (std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2))
            m_surface.line(x1, y1, x2, y2, kindColour(kind));
    }
    return true;
}

} // namespace graphs
