#pragma once
// The table of values taken out of the program: copied for a spreadsheet or
// a word processor, or saved as a CSV file. The numbers are those shown,
// with two decimals and the decimal comma.

#include <QByteArray>
#include <QString>

class QMimeData;

namespace graphs {

struct EnlargedGraph;

// Header line then one line per date, cells separated by tabs.
QString tableAsTabText(const EnlargedGraph& graph);
// The same table in HTML, the exponents and subscripts of the headers kept.
QString tableAsHtml(const EnlargedGraph& graph);
// Both, for the clipboard: a spreadsheet takes the text, a word processor
// the HTML table.
QMimeData* tableMimeData(const EnlargedGraph& graph);

// ";" between cells, CRLF line ends, UTF-8 with a byte-order mark so that
// spreadsheets read the "·" of the headers right.
QByteArray tableAsCsv(const EnlargedGraph& graph);

// Writes the CSV file through QSaveFile: a failed save leaves any file that
// was there as it was. Returns the reason of a failure, empty on success.
QString saveTableCsv(const EnlargedGraph& graph, const QString& path);

} // namespace graphs
