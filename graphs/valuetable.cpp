#include "graphs/valuetable.h"

#include "graphs/graphlabels.h"

#include <QFontMetricsF>
#include <QPainter>

namespace graphs {

namespace {

ColumnHeader plain(const QString& text)
{
    return {text, {{text, 0}}};
}

// "v", subscript "x", "(m · s", exponent "-1", ")".
ColumnHeader velocity(const QString& subscript)
{
    ColumnHeader header;
    header.text = QStringLiteral("v") + subscript + QStringLiteral("(m · s-1)");
    header.pieces.push_back({QStringLiteral("v"), 0});
    if (!subscript.isEmpty())
        header.pieces.push_back({subscript, -1});
    header.pieces.push_back({QStringLiteral("(m · s"), 0});
    header.pieces.push_back({QStringLiteral("-1"), 1});
    header.pieces.push_back({QStringLiteral(")"), 0});
    return header;
}

ColumnHeader energy(const QString& subscript)
{
    return {QStringLiteral("E") + subscript + QStringLiteral("(J)"),
            {{QStringLiteral("E"), 0}, {subscript, -1}, {QStringLiteral("(J)"), 0}}};
}

} // namespace

ColumnHeader dateHeader()
{
    return plain(QStringLiteral("t(s)"));
}

ColumnHeader kindHeader(GraphKind kind)
{
    switch (kind) {
    case KindX: return plain(QStringLiteral("x(m)"));
    case KindY: return plain(QStringLiteral("y(m)"));
    case KindVx: return velocity(QStringLiteral("x"));
    case KindVy: return velocity(QStringLiteral("y"));
    case KindV: return velocity(QString());
    case KindEc: return energy(QStringLiteral("c"));
    case KindEp: return energy(QStringLiteral("p"));
    case KindEm: return energy(QStringLiteral("m"));
    }
    return {};
}

std::vector<ColumnHeader> tableHeaders(const std::vector<GraphKind>& kinds)
{
    std::vector<ColumnHeader> headers{dateHeader()};
    for (GraphKind kind : kinds)
        headers.push_back(kindHeader(kind));
    return headers;
}

QFont tableFont()
{
    return graphFont(8);
}

void paintTableHeaders(QPainter& painter, const std::vector<ColumnHeader>& headers, int columnWidth, int stripHeight)
{
    const QFont font = tableFont();
    const QFontMetricsF metrics(font);
    const double top = (stripHeight - metrics.height()) / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (size_t c = 0; c < headers.size(); ++c) {
        const double left = double(c) * columnWidth;
        double x = left + (columnWidth - metrics.horizontalAdvance(headers[c].text)) / 2;
        for (const HeaderPiece& piece : headers[c].pieces)
            x += drawTextTopLeft(painter, x, top - piece.shift * headerShift, piece.text, font, QColor(0, 0, 0));
        if (c > 0) {
            painter.setPen(QPen(QColor(0, 0, 0), 1));
            painter.drawLine(QPointF(left, 0), QPointF(left, stripHeight));
        }
    }
    painter.restore();
}

} // namespace graphs
