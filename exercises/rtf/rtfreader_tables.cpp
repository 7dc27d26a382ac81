// Simple tables: a row is defined by \trowd and its \cellx boundaries, its
// cells are paragraphs marked \intbl ended by \cell, and \row ends it.

#include "exercises/rtf/rtfinterpreter.h"
#include "exercises/rtf/rtflimits.h"

#include <QTextDocument>
#include <QTextTable>
#include <algorithm>

namespace rtf {

void Interpreter::enterContentContext()
{
    const bool inTable = state().paragraph.inTable;
    if (inTable && !m_table)
        startTable();
    else if (inTable && m_rowEnded)
        startNextRow();
    else if (inTable && m_cellEnded)
        nextCell();
    else if (!inTable && m_table)
        leaveTable();
}

void Interpreter::startTable()
{
    flush();
    // The paragraph RTF ends before a table is the table's own place: no
    // empty line is left between the text above and the table.
    const QTextBlock block = m_cursor.block();
    if (block.length() <= 1 && block.previous().isValid()
        && m_cursor.currentFrame() == QTextCursor(block.previous()).currentFrame() && !m_cursor.currentTable())
        m_cursor.deletePreviousChar();

    const int columns = std::clamp(int(m_row.cellRights.size()), 1, limits::tableColumns);
    QTextTableFormat format;
    format.setAlignment(m_row.alignment);
    format.setBorder(m_row.bordered ? 1 : 0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(Qt::black);
    format.setBorderCollapse(true);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    QList<QTextLength> widths;
    int left = m_row.left;
    for (const int right : m_row.cellRights) {
        if (right <= left) {
            widths.clear();
            break;
        }
        widths.append(QTextLength(QTextLength::FixedLength, (right - left) / 15.0));
        left = right;
    }
    if (widths.size() == columns)
        format.setColumnWidthConstraints(widths);
    m_table = m_cursor.insertTable(1, columns, format);
    m_tableRow = 0;
    m_tableColumn = 0;
    m_rowEnded = false;
    m_cellEnded = false;
}

void Interpreter::startNextRow()
{
    flush();
    m_rowEnded = false;
    m_cellEnded = false;
    if (m_tableRow + 1 >= limits::tableRows) {
        leaveTable();
        startTable();
        return;
    }
    const int wanted = std::clamp(int(m_row.cellRights.size()), 1, limits::tableColumns);
    if (wanted > m_table->columns())
        m_table->appendColumns(wanted - m_table->columns());
    m_table->appendRows(1);
    ++m_tableRow;
    m_tableColumn = 0;
    m_cursor = m_table->cellAt(m_tableRow, 0).firstCursorPosition();
}

void Interpreter::leaveTable()
{
    flush();
    m_cursor = m_table->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_table = nullptr;
    m_rowEnded = false;
    m_cellEnded = false;
}

void Interpreter::nextCell()
{
    m_cellEnded = false;
    if (m_tableColumn + 1 >= m_table->columns()) {
        if (m_table->columns() >= limits::tableColumns) {
            // Cells beyond the limit share the last column.
            appendCharacter(u' ');
            return;
        }
        m_table->appendColumns(1);
    }
    ++m_tableColumn;
    m_cursor = m_table->cellAt(m_tableRow, m_tableColumn).firstCursorPosition();
}

void Interpreter::endCell()
{
    if (state().destination != Destination::Text)
        return;
    // A \cell means a table even when its paragraph forgot \intbl.
    state().paragraph.inTable = true;
    enterContentContext();
    flush();
    m_cursor.setBlockFormat(blockFormat());
    m_cellEnded = true;
}

void Interpreter::endRow()
{
    if (state().destination != Destination::Text || !m_table)
        return;
    flush();
    m_rowEnded = true;
    m_cellEnded = false;
}

} // namespace rtf
