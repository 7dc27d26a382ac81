#include "scene/vectorlegends.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace scene {

namespace {

const QColor panelBackground(240, 235, 230);

// Prints text after text the way a print position moves: each text starts
// at the current position (its top-left corner) and leaves the position
// just after itself on the same line.
class PrintPosition {
public:
    PrintPosition(QPainter& painter, double x, double y) : m_painter(painter), m_x(x), m_y(y) {}

    void print(const QString& text)
    {
        const QFontMetricsF metrics(m_painter.font(), m_painter.device());
        m_painter.drawText(QPointF(m_x, m_y + metrics.ascent()), text);
        m_x += metrics.horizontalAdvance(text);
    }
    void move(double dx, double dy)
    {
        m_x += dx;
        m_y += dy;
    }

private:
    QPainter& m_painter;
    double m_x;
    double m_y;
};

QFont arial8(bool bold = false)
{
    QFont font(QStringLiteral("Arial"), 8);
    font.setBold(bold);
    return font;
}

void drawSegment(QPainter& painter, const LegendSegment& segment)
{
    const int x1 = segment.leftX;
    const int x2 = legendRightEnd(segment.leftX, segment.scale);
    painter.drawLine(x1, segment.y, x2, segment.y);
    for (const int x : {x1, x2})
        painter.drawLine(x, segment.y - 3, x, segment.y + 4);
}

// The scale text above a segment, raised by 1.2 times the height of a line.
PrintPosition legendPosition(QPainter& painter, const LegendSegment& segment)
{
    const double lineHeight = QFontMetricsF(painter.font(), painter.device()).height();
    return PrintPosition(painter, segment.leftX, segment.y - 1.2 * lineHeight);
}

void printPerUnit(QPainter& painter, const LegendSegment& segment, const QString& exponent)
{
    PrintPosition at = legendPosition(painter, segment);
    at.print(QStringLiteral("1 m · s"));
    at.move(0, -4);
    at.print(exponent);
}

// "Δt": the Greek letter a little apart from the t.
void printDeltaT(PrintPosition& at, const QString& after)
{
    at.print(QStringLiteral("Δ"));
    at.move(2, 0);
    at.print(after);
}

// v with an arrow over it, then (t ± Δt / 2).
void printConstructionLabel(QPainter& painter, const QRect& swatch, const QString& sign, const QString& open)
{
    PrintPosition at(painter, swatch.left() + swatch.width() + 4, swatch.top() + 2);
    at.print(sign + QStringLiteral("v"));
    at.move(-8, -6);
    at.print(QStringLiteral("→"));
    at.move(0, 6);
    at.print(open);
    printDeltaT(at, QStringLiteral("t / 2)"));
}

} // namespace

int legendRightEnd(int leftX, int scale) { return leftX + scale; }

VectorsPanelGeometry vectorsPanelGeometry(int velocityScale, int accelerationScale, int weightScale,
                                          const VectorsPanelLayout& layout)
{
    return {{layout.line1.x(), layout.line1.y(), velocityScale},
            {layout.line9.x(), layout.line9.y(), accelerationScale},
            {layout.line2.x(), layout.line2.y(), weightScale},
            layout.label9,
            layout.swatch2,
            layout.swatch3};
}

void paintVectorsPanel(QPainter& painter, const VectorsPanelGeometry& geometry, bool rocher)
{
    painter.save();
    painter.fillRect(painter.window(), panelBackground);
    painter.setPen(Qt::black);
    painter.setRenderHint(QPainter::Antialiasing, false);

    painter.setFont(arial8(true));
    PrintPosition(painter, 8, 6).print(QStringLiteral("Vitesse"));
    PrintPosition(painter, 8, 122).print(QStringLiteral("Accélération"));
    PrintPosition(painter, 8, 160).print(QStringLiteral("Poids"));

    for (const LegendSegment& segment : {geometry.velocity, geometry.acceleration, geometry.weight})
        drawSegment(painter, segment);

    painter.setFont(arial8());
    printPerUnit(painter, geometry.velocity, QStringLiteral("-1"));
    printPerUnit(painter, geometry.acceleration, QStringLiteral("-2"));
    legendPosition(painter, geometry.weight).print(rocher ? QStringLiteral("10 000 N") : QStringLiteral("1 N"));

    // The label ends before Label9 by the width of its plain-letter spelling.
    const double w = QFontMetricsF(painter.font(), painter.device())
                         .horizontalAdvance(QStringLiteral("Intervalle de temps Dt (ms) :  "));
    PrintPosition interval(painter, geometry.label9.left() - w, geometry.label9.top() + 2);
    interval.print(QStringLiteral("Intervalle de temps "));
    printDeltaT(interval, QStringLiteral("t (ms) :"));

    printConstructionLabel(painter, geometry.swatch2, QString(), QStringLiteral("(t + "));
    printConstructionLabel(painter, geometry.swatch3, QStringLiteral("- "), QStringLiteral("(t - "));
    painter.restore();
}

} // namespace scene
