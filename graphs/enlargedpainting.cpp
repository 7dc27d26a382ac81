#include "graphs/enlargedpainting.h"

#include "graphs/enlargedgraph.h"
#include "graphs/graphkinds.h"
#include "graphs/graphlabels.h"

#include <QPainter>
#include <QPolygonF>

namespace graphs {

namespace {

const QColor black(0, 0, 0);
const QColor lightGrey(192, 192, 192);
const QColor white(255, 255, 255);

void line(QPainter& painter, double x1, double y1, double x2, double y2)
{
    painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void drawGrid(QPainter& painter, const EnlargedGraph& graph)
{
    const GraphScale& scale = graph.scale;
    painter.setPen(QPen(lightGrey, 1));
    const double s = scale.timeDivisionStep * 360.0 / scale.timeAxisMantissa;
    for (double x = 20; x <= 381; x += s)
        line(painter, x, 20, x, 380);

    const double sv = scale.valueDivisionStep * 360.0 / scale.valueAxisMantissa;
    if (scale.graphHasNegative) {
        for (double y = 200; y >= 19; y -= sv)
            line(painter, 20, y, 380, y);
        for (double y = 200; y <= 381; y += sv)
            line(painter, 20, y, 380, y);
    } else {
        for (double y = 380; y >= 19; y -= sv)
            line(painter, 20, y, 380, y);
    }
}

void drawAxes(QPainter& painter, const EnlargedGraph& graph)
{
    painter.setPen(QPen(black, 1));
    line(painter, 20, 5, 20, 380);
    line(painter, 20, 5, 24, 13);
    line(painter, 20, 5, 16, 13);

    const double y = graph.timeAxisRow;
    line(painter, 20, y, 400, y);
    line(painter, 392, y - 4, 400, y);
    line(painter, 392, y + 4, 400, y);
}

// Curves are smoothed; the grid, axes and markers keep crisp whole-unit lines.
void drawCurves(QPainter& painter, const EnlargedGraph& graph)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const EnlargedCurve& curve : graph.curves) {
        QPen pen(kindColour(curve.kind), 1.2);
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.drawPolyline(QPolygonF(QList<QPointF>(curve.points.begin(), curve.points.end())));
    }
    painter.restore();
}

void drawMarkers(QPainter& painter, const EnlargedGraph& graph)
{
    for (int r = 0; r < graph.rowCount(); ++r) {
        const auto& markers = graph.markerPositions[size_t(r)];
        const int x = markers[0];
        for (int c = 1; c < graph.columnCount(); ++c) {
            const int y = markers[size_t(c)];
            painter.setPen(QPen(kindColour(graph.columns[size_t(c - 1)]), 1));
            line(painter, x - 2, y, x + 3, y);
            line(painter, x, y - 2, x, y + 3);
        }
    }
}

} // namespace

void paintEnlargedGraph(QPainter& painter, const EnlargedGraph& graph)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(QRectF(0, 0, enlargedWidth, enlargedHeight), white);
    if (graph.drawn()) {
        drawGrid(painter, graph);
        drawAxes(painter, graph);
        drawValueScaleLabel(painter, 30, 4, graph.scale, checkedGroup(graph.inputs.checked));
        drawTimeScaleLabel(painter, 400, graph.scale.graphHasNegative ? 210 : 330, graph.scale);
        drawLegend(painter, 400, 54, graph.inputs.checked);
        drawCurves(painter, graph);
        drawMarkers(painter, graph);
    }
    painter.restore();
}

QImage enlargedGraphPicture(const EnlargedGraph& graph, qreal devicePixelRatio)
{
    QImage picture(QSize(enlargedWidth, enlargedHeight) * devicePixelRatio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&picture);
    paintEnlargedGraph(painter, graph);
    return picture;
}

} // namespace graphs
