#pragma once
// The strip "Onglets" drawn by the program itself: five captions along the
// top edge, the selected one in bold and open onto the panel below it.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>

class QPainter;

struct TabStripLayout {
    int h = 0;       // text height of "W": the caption row
    double gap = 0;  // space on each side of a caption, a single-precision value
    // tabBounds[0] = -1, tabBounds[5] = inner width; tab i spans
    // (tabBounds[i - 1], tabBounds[i]].
    std::array<int16_t, 6> tabBounds{};
};

inline constexpr int tabCount = 5;

QString tabCaption(int tab);  // tab 1 to 5
QFont tabStripFont();         // Arial 8, regular
QColor tabStripBackground();  // the strip's own grey
QColor panelBackground();     // every panel fills itself with this

// currentTab 0 (nothing painted yet) counts as tab 1.
TabStripLayout computeTabLayout(int currentTab, int innerWidth, const QFont& font = tabStripFont());

// Only releases on the caption row select a tab, whatever the caption height.
bool onCaptionRow(int y);
// The tab under a mouse release at (x, y), or 0 when the release is off the
// caption row or outside every tab.
int tabAtRelease(const TabStripLayout& layout, int x, int y);

void paintTabStrip(QPainter& painter, int currentTab, int innerWidth, int innerHeight,
                   const TabStripLayout& layout, const QFont& font = tabStripFont());

// Where the selected tab's panel sits, inside the sunken frame.
QRect panelGeometry(const TabStripLayout& layout, int innerWidth, int innerHeight);
