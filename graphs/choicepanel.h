#pragma once
// The graph-choice panel: the labels beside its eight check boxes, and the
// rule that keeps the checked kinds within one group.

#include "graphs/graphscale.h"

#include <QRect>
#include <array>

class QPainter;

namespace graphs {

// The boxes of kinds 0 to 7 on the choice panel: one column, each group's
// title 24 pixels above its first box.
inline constexpr std::array<QRect, kindCount> choiceBoxes{
    QRect(16, 24, 16, 16), QRect(16, 40, 16, 16), QRect(16, 80, 16, 16), QRect(16, 96, 16, 16),
    QRect(16, 112, 16, 16), QRect(16, 152, 16, 16), QRect(16, 168, 16, 16), QRect(16, 184, 16, 16)};

// Draws "x(t)" … "Em(t)" to the right of each box and the group titles
// "Position", "Vitesse" and "Énergie" above the first box of each group,
// whether the boxes stand in one column or in one row.
// checkBoxGeometry holds the boxes of kinds 0 to 7 in panel coordinates.
void paintGraphChoiceLabels(QPainter& painter, const std::array<QRect, kindCount>& checkBoxGeometry);

// Positions, velocities and energies never share a graph: checking a kind
// unchecks the kinds of the other two groups.
void applyGroupRule(std::array<bool, kindCount>& checked, int justChecked);

} // namespace graphs
