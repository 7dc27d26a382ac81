#pragma once
// The texts around a graph: value-scale label, time-scale label and legend.
// Positions are the top-left corners of the texts, in surface units.

#include "graphs/graphkinds.h"
#include "graphs/graphscale.h"

#include <QFont>

class PictureSurface;

namespace graphs {

// "Arial" at the given size, with a metric-compatible fallback.
QFont graphFont(int pointSize, bool bold = false);

// "Une division correspond à " and the value of one division, then the unit
// of the group; the "-1" of velocities is raised to y = 1.
void drawValueScaleLabel(PictureSurface& surface, double x, double y, const GraphScale& scale, GraphGroup group);

// "Une division", "correspond à" and the time of one division in seconds, on
// three lines.
void drawTimeScaleLabel(PictureSurface& surface, double x, double y, const GraphScale& scale);

// One line per checked kind, in its colour, bold.
void drawLegend(PictureSurface& surface, double x, double y, const std::array<bool, kindCount>& checked);

// The group of the first checked kind (the group rule keeps a single group
// checked); positions when none is.
GraphGroup checkedGroup(const std::array<bool, kindCount>& checked);

// The value of one division, in the axis unit.
double timeDivision(const GraphScale& scale);
double valueDivision(const GraphScale& scale);

} // namespace graphs
