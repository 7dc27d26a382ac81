#pragma once
// The graphs window's table of values taken out of the program: copied for a
// spreadsheet or a word processor, or saved as a CSV file. The numbers are
// those shown, with two decimals and the decimal comma.

#include "ui/datatable.h"

class QMimeData;

namespace graphs {

struct EnlargedGraph;

// The table as shown: headers with their subscripts and exponents, the
// cells without their trailing spaces.
DataTable valueTable(const EnlargedGraph& graph);

inline QString tableAsTabText(const EnlargedGraph& graph) { return ::tableAsTabText(valueTable(graph)); }
inline QString tableAsHtml(const EnlargedGraph& graph) { return ::tableAsHtml(valueTable(graph)); }
inline QMimeData* tableMimeData(const EnlargedGraph& graph) { return ::tableMimeData(valueTable(graph)); }
inline QByteArray tableAsCsv(const EnlargedGraph& graph) { return ::tableAsCsv(valueTable(graph)); }
inline QString saveTableCsv(const EnlargedGraph& graph, const QString& path)
{
    return saveFileSafely(path, tableAsCsv(graph));
}

} // namespace graphs
