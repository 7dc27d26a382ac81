#include "graphs/choicepanel.h"

#include "graphs/graphkinds.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace graphs {

namespace {

QFont panelFont(bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

// Text whose top-left corner is at (x, y); returns the x just after it.
int drawTopLeft(QPainter& painter, int x, int y, const QString& text)
{
    const QFontMetrics metrics = painter.fontMetrics();
    painter.drawText(x, y + metrics.ascent(), text);
    return x + metrics.horizontalAdvance(text);
}

} // namespace

void paintGraphChoiceLabels(QPainter& painter, const std::array<QRect, kindCount>& checkBoxGeometry)
{
    painter.save();
    painter.setPen(QColor(0, 0, 0));
    painter.setFont(panelFont(false));
    for (int i = 0; i < kindCount; ++i) {
        const QRect& box = checkBoxGeometry[size_t(i)];
        const KindLabel label = kindLabel(GraphKind(i));
        int x = drawTopLeft(painter, box.left() + 20, box.top(), label.base);
        if (!label.subscript.isEmpty()) {
            x = drawTopLeft(painter, x, box.top() + 4, label.subscript);
            drawTopLeft(painter, x, box.top(), label.rest);
        }
    }

    painter.setFont(panelFont(true));
    const auto title = [&](GraphKind first, const QString& text) {
        const QRect& box = checkBoxGeometry[first];
        drawTopLeft(painter, box.left(), box.top() - titleAboveBox, text);
    };
    title(KindX, QStringLiteral("Position"));
    title(KindVx, QStringLiteral("Vitesse"));
    title(KindEc, QStringLiteral("Énergie"));
    painter.restore();
}

void applyGroupRule(std::array<bool, kindCount>& checked, int justChecked)
{
    if (justChecked < 0 || justChecked >= kindCount)
        return;
    const GraphGroup group = kindGroup(GraphKind(justChecked));
    for (int i = 0; i < kindCount; ++i)
        if (kindGroup(GraphKind(i)) != group)
            checked[size_t(i)] = false;
}

} // namespace graphs
