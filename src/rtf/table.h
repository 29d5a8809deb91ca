// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tables of an RTF text. A row is defined by \trowd ... \cellxN (each \cellx closes the
// definition of one cell: its right edge and the borders, merge marks and shading stated
// before it) and filled by paragraphs marked \intbl, each cell ending with \cell and the row
// with \row. Word states a row's definition before its cells and again before \row; the one in
// force at \row is used. The rows of a table are gathered until a paragraph outside the table,
// then laid on one grid (the union of every row's cell edges) as a QTextTable.

#include <QColor>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFormat>

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace rtf {

class Tables;

struct Border {
    QTextFrameFormat::BorderStyle style = QTextFrameFormat::BorderStyle_None;
    int width = 0; // twips
    std::optional<QColor> colour;
};

// Padding of a cell side: Word states the value and its unit separately (3 = twips).
struct Padding {
    int value = 0;
    int unit = 0;
    std::optional<int> twips() const { return unit == 3 ? std::optional(value) : std::nullopt; }
};

enum class Merge { None, First, Next };
enum Side { Top, Left, Bottom, Right };

struct CellDef {
    int right = 0;                                // \cellx, twips from the margin
    std::array<std::optional<Border>, 4> borders; // by Side; unset: the row's
    std::array<Padding, 4> padding;               // by Side
    Merge across = Merge::None;                   // \clmgf, \clmrg
    Merge down = Merge::None;                     // \clvmgf, \clvmrg
    std::optional<QColor> background;             // \clcbpat
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignTop;
};

struct RowDef {
    int left = 0; // \trleft: left edge of the first cell
    int gap = 0;  // \trgaph: space on each side of a cell's text
    Qt::Alignment alignment = Qt::AlignLeft;
    std::array<std::optional<Border>, 6> borders; // Side, then inner horizontal, inner vertical
    std::array<Padding, 4> padding;
    std::vector<CellDef> cells;
};

// Reads the control words that define rows.
class RowDefinition {
public:
    // True when the word belongs to a row definition (and was taken into it).
    bool controlWord(std::string_view word, bool hasParam, int param, const Tables& tables);
    const RowDef& row() const { return row_; }

private:
    Border* border();
    RowDef row_;
    CellDef cell_;          // the cell being defined, until its \cellx
    int borderTarget_ = -1; // which border \brdr... words describe; -1: none of a table
};

// The content of one cell: blocks of the scratch document.
struct CellContent {
    int first = 0, last = 0;
    bool empty = false; // one empty paragraph
};

struct Row {
    RowDef def;
    std::vector<CellContent> cells;
};

// Gathers the rows of one table in a scratch document, then builds the table.
class TableBuilder {
public:
    bool isOpen() const { return scratch_ != nullptr; }
    void open();
    // Where the paragraphs of the current cell go.
    QTextCursor& cursor() { return cursor_; }
    // The paragraphs written since the last cell end form a cell; an empty last paragraph
    // is left out when asked (the line a nested row's end opened).
    void endCell(bool dropEmptyLast = false);
    // The cells ended since the last row end form a row, defined by def.
    void endRow(const RowDef& def);
    // Builds the table at the cursor (which ends after it, in a paragraph of its own unless
    // the table ends the text) and closes. A last row without its \row (cut files) is kept,
    // defined by def.
    void close(QTextCursor& at, const RowDef& def, bool endsText = false);

private:
    bool currentCellHasContent() const;

    std::unique_ptr<QTextDocument> scratch_;
    QTextCursor cursor_;
    int cellStart_ = 0;
    std::vector<CellContent> cells_;
    std::vector<Row> rows_;
};

// Lays rows on one grid and inserts the table at the cursor, which ends in the paragraph
// after the table.
void buildTable(QTextCursor& at, const QTextDocument& scratch, const std::vector<Row>& rows);

} // namespace rtf
