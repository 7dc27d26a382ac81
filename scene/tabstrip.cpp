#include "scene/tabstrip.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace {

const QColor darkGrey(128, 128, 128);
const QColor white(255, 255, 255);

int normalisedTab(int currentTab) { return currentTab == 0 ? 1 : currentTab; }

QFont captionFont(const QFont& font, bool selected)
{
    QFont f(font);
    f.setBold(selected);
    return f;
}

// Lines leave out their last pixel and rectangles include both corners, so
// that the outline and the separators meet exactly where they are meant to.
void line(QPainter& p, int x1, int y1, int x2, int y2, const QColor& colour)
{
    QPen pen(colour, 1);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(x1, y1, x2, y2);
}

void box(QPainter& p, int x1, int y1, int x2, int y2, const QColor& colour)
{
    p.setPen(QPen(colour, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized().adjusted(0, 0, -1, -1));
}

}  // namespace

QString tabCaption(int tab)
{
    static const std::array<QString, tabCount> captions{
        QStringLiteral("Paramètres"), QStringLiteral("Affichage"), QStringLiteral("Vecteurs"),
        QStringLiteral("Chronophotographie"), QStringLiteral("Graphes")};
    return tab >= 1 && tab <= tabCount ? captions[size_t(tab - 1)] : QString();
}

QFont tabStripFont() { return QFont(QStringLiteral("Arial"), 8); }
QColor tabStripBackground() { return QColor(210, 205, 200); }
QColor panelBackground() { return QColor(240, 235, 230); }

TabStripLayout computeTabLayout(int currentTab, int innerWidth, const QFont& font)
{
    const int k = normalisedTab(currentTab);
    TabStripLayout layout;
    layout.h = int16_t(QFontMetrics(font).height());

    std::array<int, tabCount + 1> widths{};
    int16_t total = 0;
    for (int i = 1; i <= tabCount; ++i) {
        widths[size_t(i)] = QFontMetrics(captionFont(font, i == k)).horizontalAdvance(tabCaption(i));
        total = int16_t(total + widths[size_t(i)]);
    }
    const float gap = float(innerWidth - total) / 10.0f;
    layout.gap = gap;

    layout.tabBounds[0] = -1;
    for (int i = 1; i < tabCount; ++i) {
        const float right = float(layout.tabBounds[size_t(i - 1)]) + float(widths[size_t(i)]) + 2.0f * gap;
        layout.tabBounds[size_t(i)] = int16_t(std::nearbyint(right));
    }
    layout.tabBounds[tabCount] = int16_t(innerWidth);
    return layout;
}

bool onCaptionRow(int y) { return y >= 0 && y <= 15; }

int tabAtRelease(const TabStripLayout& layout, int x, int y)
{
    if (!onCaptionRow(y))
        return 0;
    for (int i = 1; i <= tabCount; ++i) {
        if (layout.tabBounds[size_t(i - 1)] < x && x <= layout.tabBounds[size_t(i)])
            return i;
    }
    return 0;
}

void paintTabStrip(QPainter& p, int currentTab, int sw, int sh, const TabStripLayout& layout, const QFont& font)
{
    const int k = normalisedTab(currentTab);
    const int h = layout.h;
    const auto& b = layout.tabBounds;

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, 0, sw, sh), tabStripBackground());

    box(p, 0, 0, sw - 1, sh - 1, darkGrey);
    line(p, 0, 0, 0, sh - 1, white);

    for (int i = 0; i <= tabCount; ++i) {
        line(p, b[size_t(i)] - 1, 1, b[size_t(i)] - 1, h + 1, darkGrey);
        line(p, b[size_t(i)], 0, b[size_t(i)], h, white);
    }
    for (int i = 0; i < tabCount; ++i)
        line(p, b[size_t(i)] + 1, 0, b[size_t(i + 1)] - 1, 0, white);

    // No base line under the selected tab: it opens into the panel.
    line(p, 0, h + 1, b[size_t(k - 1)] + 2, h + 1, white);
    line(p, b[size_t(k)], h + 1, sw, h + 1, white);

    p.setPen(Qt::black);
    for (int i = 1; i <= tabCount; ++i) {
        const QFont f = captionFont(font, i == k);
        p.setFont(f);
        const int top = i == k ? 2 : 1;
        p.drawText(QPointF(b[size_t(i - 1)] + layout.gap, top + QFontMetrics(f).ascent()), tabCaption(i));
    }

    // Sunken frame around the panel.
    box(p, 1, h + 2, sw - 2, sh - 2, tabStripBackground());
    box(p, 2, h + 3, sw - 3, sh - 3, tabStripBackground());
    box(p, 3, h + 4, sw - 4, sh - 4, darkGrey);
    box(p, 4, h + 5, sw - 4, sh - 4, white);
    p.restore();
}

QRect panelGeometry(const TabStripLayout& layout, int innerWidth, int innerHeight)
{
    const int top = layout.h + 5;
    return QRect(4, top, innerWidth - 4 - 4, innerHeight - 4 - top);
}
