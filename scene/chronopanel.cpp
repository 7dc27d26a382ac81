#include "scene/chronopanel.h"

#include "scene/tabstrip.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

// (x, y) is the top of the text; returns the x where the next text starts.
double printAt(QPainter& p, double x, double y, const QString& text, const QFont& font)
{
    p.setFont(font);
    const QFontMetricsF metrics(font);
    p.drawText(QPointF(x, y + metrics.ascent()), text);
    return x + metrics.horizontalAdvance(text);
}

}  // namespace

void paintChronoPanel(QPainter& p, const ChronoPanelGeometry& g)
{
    p.save();
    p.fillRect(p.window(), panelBackground());
    p.setPen(Qt::black);

    printAt(p, g.check9.left(), g.chrono.top() - 20,
            QStringLiteral("Durée entre deux chronophotographies (10 à 5000 ms) : "), QFont(QStringLiteral("Arial"), 8));

    // "τ = " before the field and the unit after it, so that it reads τ = … ms.
    const QFont large(QStringLiteral("Arial"), 10);
    const double x = g.chrono.left() - QFontMetricsF(large).horizontalAdvance(QStringLiteral("t = "));
    const double y = g.chrono.top() + 1;
    // The τ stands on the line of the " = " after it.
    p.setFont(tauFont());
    p.drawText(QPointF(x, y + QFontMetricsF(large).ascent()), QStringLiteral("τ"));
    printAt(p, x + QFontMetricsF(tauFont()).horizontalAdvance(QStringLiteral("τ")), y, QStringLiteral(" = "), large);
    // The unit stands on the line of the number typed in the field, which
    // the field centres in its height.
    const QFontMetricsF field(g.fieldFont);
    const double baseline = g.chrono.top() + (g.chrono.height() - field.height()) / 2 + field.ascent();
    p.setFont(large);
    p.drawText(QPointF(g.chrono.right() + 1 + 4, baseline), QStringLiteral("ms"));
    p.restore();
}

QFont tauFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSize(11);
    font.setItalic(true);
    return font;
}

void paintAffichagePanel(QPainter& p)
{
    p.fillRect(p.window(), panelBackground());
}
