#pragma once
// A table of values taken out of the program: copied for a spreadsheet or a
// word processor, or saved as a CSV file for a spreadsheet or Python. The
// cells are texts already formatted, with the decimal comma.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class QMimeData;

struct DataTable {
    // A first line above the headers (empty for none).
    QString title;
    QStringList headers;
    // The headers in HTML (subscripts, exponents); the plain ones when empty.
    QStringList htmlHeaders;
    std::vector<QStringList> rows;
};

// The title, the header line then one line per row, cells separated by tabs.
QString tableAsTabText(const DataTable& table);
// The same table in HTML, the title as its caption.
QString tableAsHtml(const DataTable& table);
// Both, for the clipboard: a spreadsheet takes the text, a word processor
// the HTML table.
QMimeData* tableMimeData(const DataTable& table);
// ";" between cells, CRLF line ends, UTF-8 with a byte-order mark so that
// spreadsheets read the accents and the "·" of the headers right.
QByteArray tableAsCsv(const DataTable& table);

// Writes a file through QSaveFile: a failed save leaves any file that was
// there as it was. Returns the reason of a failure, empty on success.
QString saveFileSafely(const QString& path, const QByteArray& bytes);
