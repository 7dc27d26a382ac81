#include "ui/datatable.h"

#include <QMimeData>
#include <QSaveFile>

namespace {

QString joined(const DataTable& table, const QString& separator, const QString& lineEnd)
{
    if (table.rows.empty())
        return {};
    QString text;
    if (!table.title.isEmpty())
        text += table.title + lineEnd;
    text += table.headers.join(separator) + lineEnd;
    for (const QStringList& row : table.rows)
        text += row.join(separator) + lineEnd;
    return text;
}

} // namespace

QString tableAsTabText(const DataTable& table)
{
    return joined(table, QStringLiteral("\t"), QStringLiteral("\n"));
}

QString tableAsHtml(const DataTable& table)
{
    if (table.rows.empty())
        return {};
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
    if (!table.title.isEmpty())
        html += QStringLiteral("<caption>%1</caption>\n").arg(table.title.toHtmlEscaped());
    html += QStringLiteral("<tr>");
    const QStringList& headers = table.htmlHeaders.isEmpty() ? table.headers : table.htmlHeaders;
    for (const QString& header : headers)
        html += QStringLiteral("<th>%1</th>").arg(table.htmlHeaders.isEmpty() ? header.toHtmlEscaped() : header);
    html += QStringLiteral("</tr>\n");
    for (const QStringList& row : table.rows) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : row)
            html += QStringLiteral("<td align=\"right\">%1</td>").arg(cell.toHtmlEscaped());
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    return html;
}

QMimeData* tableMimeData(const DataTable& table)
{
    auto* data = new QMimeData;
    data->setText(tableAsTabText(table));
    data->setHtml(tableAsHtml(table));
    return data;
}

QByteArray tableAsCsv(const DataTable& table)
{
    return QByteArray("\xEF\xBB\xBF") + joined(table, QStringLiteral(";"), QStringLiteral("\r\n")).toUtf8();
}

QString saveFileSafely(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
