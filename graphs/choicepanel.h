#pragma once
// The graph-choice panel: the labels beside its eight check boxes, and the
// rule that keeps the checked kinds within one group.

#include "graphs/graphscale.h"

#include <QRect>
#include <array>

class QPainter;

namespace graphs {

// Each group's title stands this far above its first box: nearer to its own
// boxes than to the group above, the three groups within the panel.
inline constexpr int titleAboveBox = 20;

// The boxes of kinds 0 to 7 on the choice panel, in one column; each is the
// size of its indicator, so that the label beside it, level with its top,
// stands level with the indicator.
inline constexpr std::array<QRect, kindCount> choiceBoxes{
    QRect(16, 22, 14, 14), QRect(16, 38, 14, 14), QRect(16, 82, 14, 14), QRect(16, 98, 14, 14),
    QRect(16, 114, 14, 14), QRect(16, 158, 14, 14), QRect(16, 174, 14, 14), QRect(16, 190, 14, 14)};

// Draws "x(t)" … "Em(t)" to the right of each box and the group titles
// "Position", "Vitesse" and "Énergie" above the first box of each group,
// whether the boxes stand in one column or in one row.
// checkBoxGeometry holds the boxes of kinds 0 to 7 in panel coordinates.
void paintGraphChoiceLabels(QPainter& painter, const std::array<QRect, kindCount>& checkBoxGeometry);

// Positions, velocities and energies never share a graph: checking a kind
// unchecks the kinds of the other two groups.
void applyGroupRule(std::array<bool, kindCount>& checked, int justChecked);

} // namespace graphs
