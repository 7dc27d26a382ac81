#pragma once
// The table of values beside the enlarged graph: its column headers, drawn
// with subscripts and exponents on the header strip, and its font.

#include "graphs/graphscale.h"

#include <QFont>
#include <QString>
#include <vector>

class QPainter;

namespace graphs {

// A piece of a header, drawn after the previous one; shift -1 lowers it as a
// subscript, +1 raises it as an exponent.
struct HeaderPiece {
    QString text;
    int shift = 0;
};

struct ColumnHeader {
    QString text; // "vx(m · s-1)": measured for centring, written in exports
    std::vector<HeaderPiece> pieces;
};

ColumnHeader dateHeader();
ColumnHeader kindHeader(GraphKind kind);
// The headers of a table whose value columns hold kinds, the date first.
std::vector<ColumnHeader> tableHeaders(const std::vector<GraphKind>& kinds);

// "Arial" for the cells and the headers.
QFont tableFont();

// How far a subscript sits below and an exponent above the base line.
inline constexpr int headerShift = 3;

// The headers centred over columns of equal width, separated by black
// vertical lines, on a strip of the given size.
void paintTableHeaders(QPainter& painter, const std::vector<ColumnHeader>& headers, int columnWidth, int stripHeight);

} // namespace graphs
