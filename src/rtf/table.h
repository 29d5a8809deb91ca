// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tables of an RTF text. A row is defined by \trowd ... \cellxN (each \cellx closes the
// definition of one cell: its right edge and the borders, merge marks and shading stated
// before it) and filled by paragraphs marked \intbl, each cell ending with \cell and the row
// with \row. Word states a row's definition before its cells and again before \row; the one in
// force at \row is used. The rows of a table are gathered until a paragraph outside the table
// (document.h keeps them so), then laid on one grid (the union of every row's cell edges) as a
// QTextTable.

#include "flow_writer.h"
#include "rtf/document.h"

#include <QTextCursor>
#include <QTextDocument>

#include <memory>
#include <string_view>
#include <vector>

namespace rtf {

class HeaderTables;

// Reads the control words that define rows.
class RowDefinition {
public:
    // True when the word belongs to a row definition (and was taken into it).
    bool controlWord(std::string_view word, bool hasParam, int param, const HeaderTables& tables);
    const RowDef& row() const { return row_; }

private:
    Border* border();
    RowDef row_;
    CellDef cell_;          // the cell being defined, until its \cellx
    int borderTarget_ = -1; // which border \brdr... words describe; -1: none of a table
};

// Gathers the rows of one table: the paragraphs of its cells go to a flow of their own.
class TableRows {
public:
    bool isOpen() const { return table_ != nullptr; }
    void open();
    // Where the paragraphs of the current cell go.
    FlowWriter& writer() { return *writer_; }
    // The paragraphs written since the last cell end form a cell; an empty last paragraph
    // is left out when asked (the line a nested row's end opened).
    void endCell(bool dropEmptyLast = false);
    // The cells ended since the last row end form a row, defined by def.
    void endRow(const RowDef& def);
    // The table gathered, with a last row without its \row (cut files) defined by def; none
    // when no row holds a cell. Closes.
    std::shared_ptr<const Table> close(const RowDef& def);

private:
    bool currentCellHasContent() const;

    std::shared_ptr<Table> table_;
    std::unique_ptr<FlowWriter> writer_;
    int cellStart_ = 0;
    std::vector<CellContent> cells_;
};

// Lays the rows on one grid and inserts the table at the cursor, which ends in the paragraph
// after the table. The cells' paragraphs are those of scratch, a document holding the flow of
// the table's cells.
void buildTable(QTextCursor& at, const QTextDocument& scratch, const std::vector<Row>& rows);

} // namespace rtf
