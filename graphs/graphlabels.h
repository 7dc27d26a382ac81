#pragma once
// The texts around a graph: value-scale label, time-scale label and legend.
// Positions are the top-left corners of the texts, in graph units; the same
// routines draw on the live graph, the graphs window, the clipboard picture
// and the printed page.

#include "graphs/graphkinds.h"
#include "graphs/graphscale.h"

#include <QFont>

class QPainter;

namespace graphs {

// "Arial" at the given size, with a metric-compatible fallback. The size is
// held in graph units (a point is 4/3 of a unit, as on a 96 dpi screen) so
// that a scaled painter draws the text at the same place on any device.
QFont graphFont(int pointSize, bool bold = false);

// Draws text whose top-left corner is at (x, y); returns its width.
double drawTextTopLeft(QPainter& painter, double x, double y, const QString& text, const QFont& font, QColor colour);
double textWidth(const QString& text, const QFont& font);

// "Une division correspond à " and the value of one division, then the unit
// of the group; the "-1" of velocities is raised to y = 1.
void drawValueScaleLabel(QPainter& painter, double x, double y, const GraphScale& scale, GraphGroup group);

// "Une division", "correspond à" and the time of one division in seconds, on
// three lines.
void drawTimeScaleLabel(QPainter& painter, double x, double y, const GraphScale& scale);

// One line per checked kind, in its colour, bold.
void drawLegend(QPainter& painter, double x, double y, const std::array<bool, kindCount>& checked);

// The group of the first checked kind (the group rule keeps a single group
// checked); positions when none is.
GraphGroup checkedGroup(const std::array<bool, kindCount>& checked);

// The value of one division, in the axis unit.
double timeDivision(const GraphScale& scale);
double valueDivision(const GraphScale& scale);

} // namespace graphs
