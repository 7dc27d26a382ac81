#include "graphs/graphlabels.h"

#include "ui/numberformat.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace graphs {

namespace {

const QColor black(0, 0, 0);

} // namespace

QFont graphFont(int pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(int(std::lround(pointSize * 4.0 / 3.0)));
    font.setBold(bold);
    return font;
}

double textWidth(const QString& text, const QFont& font)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

double drawTextTopLeft(QPainter& painter, double x, double y, const QString& text, const QFont& font, QColor colour)
{
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(x, y + metrics.ascent()), text);
    return metrics.horizontalAdvance(text);
}

double timeDivision(const GraphScale& scale)
{
    return scale.timeDivisionStep * std::pow(10.0, scale.timeAxisExponent);
}

double valueDivision(const GraphScale& scale)
{
    return scale.valueDivisionStep * std::pow(10.0, scale.valueAxisExponent);
}

GraphGroup checkedGroup(const std::array<bool, kindCount>& checked)
{
    for (int i = 0; i < kindCount; ++i)
        if (checked[size_t(i)])
            return kindGroup(GraphKind(i));
    return GroupPositions;
}

void drawValueScaleLabel(QPainter& painter, double x, double y, const GraphScale& scale, GraphGroup group)
{
    const QFont font = graphFont(8);
    x += drawTextTopLeft(painter, x, y, QStringLiteral("Une division correspond à ") + formatGeneral(valueDivision(scale)),
                         font, black);
    x += drawTextTopLeft(painter, x, y, groupUnit(group), font, black);
    if (group == GroupVelocities)
        drawTextTopLeft(painter, x, 1, QStringLiteral("-1"), font, black);
}

void drawTimeScaleLabel(QPainter& painter, double x, double y, const GraphScale& scale)
{
    const QFont font = graphFont(8);
    const double lineHeight = QFontMetricsF(font).height();
    drawTextTopLeft(painter, x, y, QStringLiteral("Une division"), font, black);
    drawTextTopLeft(painter, x, y + lineHeight, QStringLiteral("correspond à"), font, black);
    drawTextTopLeft(painter, x, y + 2 * lineHeight, formatGeneral(timeDivision(scale)) + QStringLiteral(" s"), font, black);
}

void drawLegend(QPainter& painter, double x, double y, const std::array<bool, kindCount>& checked)
{
    const QFont font = graphFont(10, true);
    const QFont subscriptFont = graphFont(8, true);
    const double lineHeight = QFontMetricsF(font).height();
    for (int i = 0; i < kindCount; ++i) {
        if (!checked[size_t(i)])
            continue;
        const GraphKind kind = GraphKind(i);
        const KindLabel label = kindLabel(kind);
        const QColor colour = kindColour(kind);
        double left = x + drawTextTopLeft(painter, x, y, label.base, font, colour);
        if (!label.subscript.isEmpty()) {
            left += drawTextTopLeft(painter, left, y + 4, label.subscript, subscriptFont, colour);
            drawTextTopLeft(painter, left, y, label.rest, font, colour);
        }
        y += lineHeight;
    }
}

} // namespace graphs
