#include "graphs/tableexport.h"

#include "graphs/enlargedgraph.h"
#include "graphs/valuetable.h"

namespace graphs {

namespace {

QString htmlHeader(const ColumnHeader& header)
{
    QString html;
    for (const HeaderPiece& piece : header.pieces) {
        const QString text = piece.text.toHtmlEscaped();
        html += piece.shift < 0 ? QStringLiteral("<sub>%1</sub>").arg(text)
              : piece.shift > 0 ? QStringLiteral("<sup>%1</sup>").arg(text)
                                : text;
    }
    return html;
}

} // namespace

DataTable valueTable(const EnlargedGraph& graph)
{
    DataTable table;
    for (const ColumnHeader& h : tableHeaders(graph.columns)) {
        table.headers << h.text;
        table.htmlHeaders << htmlHeader(h);
    }
    for (int r = 0; r < graph.rowCount(); ++r) {
        QStringList cells{dateCellText(graph.dates[size_t(r)]).trimmed()};
        for (double q : graph.values[size_t(r)])
            cells << valueCellText(q).trimmed();
        table.rows.push_back(cells);
    }
    return table;
}

} // namespace graphs
