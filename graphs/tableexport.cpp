#include "graphs/tableexport.h"

#include "graphs/enlargedgraph.h"
#include "graphs/valuetable.h"

#include <QMimeData>
#include <QSaveFile>
#include <QStringList>

namespace graphs {

namespace {

// Each line of the table: the headers, then the cells as shown without their
// trailing spaces.
std::vector<QStringList> tableLines(const EnlargedGraph& graph)
{
    std::vector<QStringList> lines;
    QStringList header;
    for (const ColumnHeader& h : tableHeaders(graph.columns))
        header << h.text;
    lines.push_back(header);
    for (int r = 0; r < graph.rowCount(); ++r) {
        QStringList cells{dateCellText(graph.dates[size_t(r)]).trimmed()};
        for (double q : graph.values[size_t(r)])
            cells << valueCellText(q).trimmed();
        lines.push_back(cells);
    }
    return lines;
}

QString joined(const EnlargedGraph& graph, const QString& separator, const QString& lineEnd)
{
    if (graph.rowCount() == 0)
        return {};
    QString text;
    for (const QStringList& line : tableLines(graph))
        text += line.join(separator) + lineEnd;
    return text;
}

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

QString tableAsTabText(const EnlargedGraph& graph)
{
    return joined(graph, QStringLiteral("\t"), QStringLiteral("\n"));
}

QString tableAsHtml(const EnlargedGraph& graph)
{
    if (graph.rowCount() == 0)
        return {};
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>");
    for (const ColumnHeader& header : tableHeaders(graph.columns))
        html += QStringLiteral("<th>%1</th>").arg(htmlHeader(header));
    html += QStringLiteral("</tr>\n");
    const std::vector<QStringList> lines = tableLines(graph);
    for (size_t i = 1; i < lines.size(); ++i) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : lines[i])
            html += QStringLiteral("<td align=\"right\">%1</td>").arg(cell);
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    return html;
}

QMimeData* tableMimeData(const EnlargedGraph& graph)
{
    auto* data = new QMimeData;
    data->setText(tableAsTabText(graph));
    data->setHtml(tableAsHtml(graph));
    return data;
}

QByteArray tableAsCsv(const EnlargedGraph& graph)
{
    return QByteArray("\xEF\xBB\xBF") + joined(graph, QStringLiteral(";"), QStringLiteral("\r\n")).toUtf8();
}

QString saveTableCsv(const EnlargedGraph& graph, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray bytes = tableAsCsv(graph);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace graphs
