#pragma once
// How each curve kind is named and coloured, shared by the legend, the
// choice panel and the graphs window.

#include "graphs/graphscale.h"

#include <QColor>
#include <QString>

namespace graphs {

// A label such as "v", subscript "x", then "(t)"; kinds without subscript
// hold their whole text in base.
struct KindLabel {
    QString base;
    QString subscript;
    QString rest;
};

enum GraphGroup { GroupPositions, GroupVelocities, GroupEnergies };

KindLabel kindLabel(GraphKind kind);
// The label as plain text ("vx(t)"), as a screen reader says it.
QString kindText(GraphKind kind);
QColor kindColour(GraphKind kind);
GraphGroup kindGroup(GraphKind kind);

// The unit printed after the value-scale label: " m", " m · s" (followed by a
// raised "-1" for velocities) or " J".
QString groupUnit(GraphGroup group);

} // namespace graphs
