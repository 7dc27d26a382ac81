#include "scene/parameterspanel.h"

#include "scene/tabstrip.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <cmath>

namespace {

const QColor darkGrey(128, 128, 128);
const QString alpha = QStringLiteral("α");
const QString rightArrow = QStringLiteral("→");
const QString sub0 = QStringLiteral("o");

QFont arial(int size, bool italic = false)
{
    QFont font(QStringLiteral("Arial"), size);
    font.setItalic(italic);
    return font;
}

QFont titleFont()
{
    QFont font(QStringLiteral("Verdana"), 8);
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setBold(true);
    return font;
}

// Prints like a text cursor: (x, y) is the top of the text, and x moves on
// past each piece printed.
struct TextCursor {
    QPainter& p;
    double x;
    double y;

    void print(const QString& text, const QFont& font)
    {
        p.setFont(font);
        const QFontMetricsF metrics(font);
        p.drawText(QPointF(x, y + metrics.ascent()), text);
        x += metrics.horizontalAdvance(text);
    }
};

void printAt(QPainter& p, double x, double y, const QString& text, const QFont& font)
{
    TextCursor{p, x, y}.print(text, font);
}

void line(QPainter& p, int x1, int y1, int x2, int y2)
{
    p.drawLine(x1, y1, x2, y2);
}

QPen pen(const QColor& colour, int width = 1)
{
    QPen result(colour, width);
    result.setCapStyle(Qt::FlatCap);
    return result;
}

void paintSketch(QPainter& p, const QColor& swatch0)
{
    const QFont font = arial(8);
    p.setPen(pen(Qt::black));
    line(p, 230, 180, 230, 70);
    line(p, 230, 70, 226, 78);
    line(p, 230, 70, 234, 78);
    printAt(p, 236, 66, QStringLiteral("y"), font);

    p.setPen(pen(Qt::black));
    line(p, 230, 180, 340, 180);
    line(p, 340, 180, 332, 176);
    line(p, 340, 180, 332, 184);
    printAt(p, 338, 164, QStringLiteral("x"), font);

    p.setPen(pen(darkGrey, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(260, 150), 1, 1);

    p.setPen(pen(swatch0));
    line(p, 260, 150, 290, 98);
    line(p, 290, 98, 283, 103);
    line(p, 290, 98, 289, 107);
    TextCursor v{p, 261, 110};
    v.print(QStringLiteral("v"), font);
    v.y = 114;
    v.print(sub0, font);
    printAt(p, 259, 104, rightArrow, font);

    QPen dotted = pen(Qt::black);
    dotted.setDashPattern({1, 1});
    p.setPen(dotted);
    line(p, 230, 150, 310, 150);
    line(p, 260, 150, 260, 180);

    // Qt counts angles in sixteenths of a degree, counter-clockwise like the sketch.
    p.setPen(pen(Qt::black));
    p.drawArc(QRectF(240, 130, 40, 40), 0, qRound(16.0 * 180.0 / M_PI));

    TextCursor angle{p, 282, 127};
    angle.print(alpha, arial(10));
    angle.x += 2;
    angle.y = 132;
    angle.print(sub0, font);

    TextCursor x0{p, 256, 180};
    x0.print(QStringLiteral("x"), font);
    x0.y = 184;
    x0.print(sub0, font);
    TextCursor y0{p, 214, 142};
    y0.print(QStringLiteral("y"), font);
    y0.y = 146;
    y0.print(sub0, font);
}

void printBefore(QPainter& p, const QRect& control, const QString& text, const QFont& font)
{
    printAt(p, control.left() - QFontMetricsF(font).horizontalAdvance(text), control.top() + 4, text, font);
}

// "x0 (m) =" before a position field; the width is measured on a text with
// spaces where the subscript goes.
void positionLabel(QPainter& p, const QRect& field, const QString& symbol)
{
    const QFont font = arial(8);
    const double w = QFontMetricsF(font).horizontalAdvance(symbol + QStringLiteral("    (m) = "));
    TextCursor label{p, field.left() - w, double(field.top() + 2)};
    label.print(symbol, arial(8, true));
    label.x += 2;
    label.y += 4;
    label.print(sub0, font);
    label.y -= 4;
    label.print(QStringLiteral(" (m) ="), font);
}

void speedLabel(QPainter& p, const QRect& field)
{
    const QFont font = arial(8);
    const double w = QFontMetricsF(font).horizontalAdvance(QStringLiteral("v    (m.s   ) ="));
    TextCursor label{p, field.left() - w, double(field.top() + 2)};
    label.print(QStringLiteral("v"), arial(8, true));
    label.y += 4;
    label.print(sub0, font);
    label.y -= 4;
    label.print(QStringLiteral(" (m.s"), font);
    label.y -= 4;
    label.print(QStringLiteral("-1"), font);
    label.y += 4;
    label.print(QStringLiteral(") = "), font);
}

void angleLabel(QPainter& p, const QRect& field)
{
    const QFont font = arial(8);
    const double w = QFontMetricsF(font).horizontalAdvance(QStringLiteral("a    (-180° à 180°) = "));
    TextCursor label{p, field.left() - w, double(field.top() + 2)};
    label.print(alpha, font);
    label.y += 4;
    label.print(sub0, font);
    label.y -= 4;
    label.print(QStringLiteral(" (- 180° à 180°) ="), font);
}

}  // namespace

void paintParametersPanel(QPainter& p, const ParametersPanelGeometry& g, QColor swatch0)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(p.window(), panelBackground());

    paintSketch(p, swatch0);

    p.setPen(Qt::black);
    const QFont font = arial(8);
    printBefore(p, g.combo2, QStringLiteral("Projectile : "), font);
    printBefore(p, g.combo1, QStringLiteral("Lieu : "), font);

    printAt(p, 18, g.text1.top() - 24, QStringLiteral("Position initiale"), titleFont());
    positionLabel(p, g.text1, QStringLiteral("x"));
    positionLabel(p, g.text2, QStringLiteral("y"));

    printAt(p, 18, g.text3.top() - 24, QStringLiteral("Vitesse initiale"), titleFont());
    speedLabel(p, g.text3);
    angleLabel(p, g.text4);
    p.restore();
}
