#pragma once
// What the graphs window shows for a situation: the scales, the curves from
// launch to landing, the table of values at regular dates and where each
// table row is marked on the curves. Computed once per redraw; painting and
// the pointer only read it.

#include "graphs/graphscale.h"

#include <QPointF>
#include <QString>
#include <array>
#include <vector>

namespace graphs {

// The surface of the graphs window, in graph units: plotting area from 20 to
// 380 both ways, legend and time label right of x = 400, room below the time
// axis for the time read-out.
inline constexpr int enlargedWidth = 480;
inline constexpr int enlargedHeight = 402;

inline constexpr int maximumTableRows = 31;
inline constexpr int maximumTableColumns = 5;

struct EnlargedCurve {
    GraphKind kind = KindX;
    std::vector<QPointF> points;
};

struct EnlargedGraph {
    GraphInputs inputs;
    // Blank (white) when the flight lasts 0 s or no scale fits.
    GraphScale scale;
    // Row of the time axis: 380, or 200 when the quantities take negative values.
    int timeAxisRow = 380;
    std::vector<EnlargedCurve> curves;

    // The table: one twentieth of the full time scale between rows; column 0
    // is the date, then the checked kinds in index order.
    double tableStep = 0;
    std::vector<GraphKind> columns;
    std::vector<double> dates;
    std::vector<std::vector<double>> values; // [row][column - 1]
    // For row r: [r][0] the x of its markers, [r][c] the y of the marker of
    // column c; 0 where there is no value.
    std::array<std::array<short, maximumTableColumns>, maximumTableRows> markerPositions{};

    bool drawn() const { return scale.valid; }
    int rowCount() const { return int(dates.size()); }
    int columnCount() const { return dates.empty() ? 0 : int(columns.size()) + 1; }

    double fullTimeScale() const;
    double fullValueScale() const;
    double timeToX(double t) const;
    double valueToY(double q) const;
    // The date and the value under a point of the surface.
    double timeAt(double x) const;
    double valueAt(double y) const;
};

// Samples, scales and tabulates the checked kinds of the situation. Nothing
// is drawn when no kind is checked or the flight has no duration.
EnlargedGraph planEnlargedGraph(const GraphInputs& in);

// Whether a point of the surface lies inside the plotting area, where the
// pointer is a cross and reads time and value.
bool insidePlottingArea(double x, double y);

// A table cell whose marker lies within 2 units of a point.
struct TableCell {
    int row = -1;
    int column = -1;
    bool operator==(const TableCell&) const = default;
};
std::vector<TableCell> markersUnder(const EnlargedGraph& graph, int x, int y);

// The texts of the table: the date and the values with two decimals, the
// decimal comma and two trailing spaces.
QString dateCellText(double t);
QString valueCellText(double q);

} // namespace graphs
