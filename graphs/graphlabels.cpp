#include "graphs/graphlabels.h"

#include "ui/numberformat.h"
#include "ui/picturesurface.h"

#include <cmath>

namespace graphs {

namespace {

const QColor black(0, 0, 0);

} // namespace

QFont graphFont(int pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
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

void drawValueScaleLabel(PictureSurface& surface, double x, double y, const GraphScale& scale, GraphGroup group)
{
    const QFont font = graphFont(8);
    const QString text = QStringLiteral("Une division correspond à ") + formatGeneral(valueDivision(scale));
    surface.text(x, y, text, font, black);
    x += PictureSurface::textWidth(text, font);
    const QString unit = groupUnit(group);
    surface.text(x, y, unit, font, black);
    if (group == GroupVelocities)
        surface.text(x + PictureSurface::textWidth(unit, font), 1, QStringLiteral("-1"), font, black);
}

void drawTimeScaleLabel(PictureSurface& surface, double x, double y, const GraphScale& scale)
{
    const QFont font = graphFont(8);
    const double lineHeight = PictureSurface::textHeight(QStringLiteral("U"), font);
    surface.text(x, y, QStringLiteral("Une division"), font, black);
    surface.text(x, y + lineHeight, QStringLiteral("correspond à"), font, black);
    surface.text(x, y + 2 * lineHeight, formatGeneral(timeDivision(scale)) + QStringLiteral(" s"), font, black);
}

void drawLegend(PictureSurface& surface, double x, double y, const std::array<bool, kindCount>& checked)
{
    const QFont font = graphFont(10, true);
    const QFont subscriptFont = graphFont(8, true);
    const double lineHeight = PictureSurface::textHeight(QStringLiteral("E"), font);
    for (int i = 0; i < kindCount; ++i) {
        if (!checked[size_t(i)])
            continue;
        const GraphKind kind = GraphKind(i);
        const KindLabel label = kindLabel(kind);
        const QColor colour = kindColour(kind);
        double left = x;
        surface.text(left, y, label.base, font, colour);
        left += PictureSurface::textWidth(label.base, font);
        if (!label.subscript.isEmpty()) {
            surface.text(left, y + 4, label.subscript, subscriptFont, colour);
            left += PictureSurface::textWidth(label.subscript, subscriptFont);
            surface.text(left, y, label.rest, font, colour);
        }
        y += lineHeight;
    }
}

} // namespace graphs
