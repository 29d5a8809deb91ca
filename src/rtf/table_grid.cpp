// SPDX-License-Identifier: GPL-3.0-or-later
// Laying the rows of a table on one grid as a QTextTable: columns at every cell edge of every
// row, cells spanning the columns between their edges, merged cells joined, each cell with its
// own borders, padding, shading and vertical alignment.

#include "formatting.h"
#include "table.h"

#include <QTextBlock>
#include <QTextTable>

#include <algorithm>

namespace rtf {
namespace {

constexpr int maxColumns = 64;   // Word's own limit is 63
constexpr int snapTwips = 20;    // edges closer than this are one grid line
constexpr int minCellTwips = 30; // narrower cells are widened (more than snapTwips)
constexpr int defaultCellTwips = 1440;

// A cell of a row with its edges, before it is laid on the grid.
struct RowCell {
    int left = 0, right = 0;
    CellDef def;
    std::vector<CellContent> content;
};

// A cell of the table: its place, its span, its formats and what it holds.
struct Placed {
    int row = 0, column = 0, rows = 1, columns = 1;
    CellDef def;
    const RowDef* rowDef = nullptr;
    std::array<std::optional<Border>, 4> borders;
    std::vector<CellContent> content;
};

// The cells of a row with their edges. Cells beyond the row's definitions share the width of
// the last defined one; definitions beyond the cells give empty cells.
std::vector<RowCell> cellsOf(const Row& row) {
    const std::vector<CellDef>& defs = row.def.cells;
    const int n = int(row.cells.size());
    const int k = int(defs.size());
    const int count = std::max(n, k);
    const int shareStart = k >= 2 ? defs[std::size_t(k - 2)].right : row.def.left;
    const int sharing = n - k + 1;
    std::vector<RowCell> out(static_cast<std::size_t>(count));
    int left = row.def.left;
    for (int i = 0; i < count; ++i) {
        RowCell& cell = out[std::size_t(i)];
        int right;
        if (k == 0) {
            right = row.def.left + defaultCellTwips * (i + 1);
        } else if (n > k && i >= k - 1) {
            cell.def = defs[std::size_t(k - 1)];
            const int j = i - (k - 1);
            if (j > 0) cell.def.across = cell.def.down = Merge::None;
            const int width = std::max(minCellTwips, (cell.def.right - shareStart) / sharing);
            right = shareStart + width * (j + 1);
        } else {
            cell.def = defs[std::size_t(i)];
            right = cell.def.right;
        }
        cell.left = left;
        cell.right = std::max(right, left + minCellTwips);
        if (i < n) cell.content.push_back(row.cells[std::size_t(i)]);
        left = cell.right;
    }
    return out;
}

// The grid lines: every edge of every row, edges closer than snapTwips taken as one.
std::vector<int> gridOf(const std::vector<std::vector<RowCell>>& rows) {
    std::vector<int> edges;
    for (const auto& row : rows) {
        if (row.empty()) continue;
        edges.push_back(row.front().left);
        for (const RowCell& c : row)
            edges.push_back(c.right);
    }
    std::sort(edges.begin(), edges.end());
    std::vector<int> grid;
    for (int e : edges)
        if (grid.empty() || e - grid.back() > snapTwips) grid.push_back(e);
    if (int(grid.size()) > maxColumns + 1) {
        // A damaged file: keep evenly spaced lines, the first and the last among them.
        std::vector<int> fewer;
        for (int i = 0; i <= maxColumns; ++i)
            fewer.push_back(grid[std::size_t(i * (int(grid.size()) - 1) / maxColumns)]);
        grid = fewer;
    }
    return grid;
}

int nearest(const std::vector<int>& grid, int edge) {
    auto it = std::lower_bound(grid.begin(), grid.end(), edge);
    if (it == grid.end()) return int(grid.size()) - 1;
    if (it != grid.begin() && edge - *(it - 1) < *it - edge) --it;
    return int(it - grid.begin());
}

// The text of a merged cell's other places joins its own (they are usually empty).
void append(std::vector<CellContent>& to, const std::vector<CellContent>& from) {
    for (const CellContent& c : from)
        if (!c.empty) to.push_back(c);
}

// The border of a side: the cell's own, else the row's (inner ones between cells).
std::optional<Border> borderOf(const RowCell& cell, const RowDef& row, int side, bool first,
                               bool last) {
    if (cell.def.borders[std::size_t(side)]) return cell.def.borders[std::size_t(side)];
    if (side == Left && !first) return row.borders[5];
    if (side == Right && !last) return row.borders[5];
    return row.borders[std::size_t(side)];
}

// Lays the rows on the grid: spans, then merges across, then merges down.
std::vector<Placed> place(const std::vector<Row>& rows,
                          const std::vector<std::vector<RowCell>>& cells,
                          const std::vector<int>& grid) {
    const int columns = int(grid.size()) - 1;
    std::vector<Placed> placed;
    std::vector<int> above(std::size_t(columns), -1), here(std::size_t(columns), -1);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::fill(here.begin(), here.end(), -1);
        int end = 0;
        int previous = -1; // the cell before, in this row, when a merge across may extend it
        const auto& row = cells[r];
        for (std::size_t i = 0; i < row.size(); ++i) {
            const RowCell& cell = row[i];
            const bool first = i == 0, last = i + 1 == row.size();
            const int a = std::max(nearest(grid, cell.left), end);
            if (a >= columns) { // no room left: the text goes to the cell before
                if (previous >= 0) append(placed[std::size_t(previous)].content, cell.content);
                continue;
            }
            const int b = std::clamp(nearest(grid, cell.right), a + 1, columns);
            end = b;
            if (cell.def.across == Merge::Next && previous >= 0 &&
                placed[std::size_t(previous)].def.across != Merge::None) {
                Placed& p = placed[std::size_t(previous)];
                p.columns = b - p.column;
                p.borders[Right] = borderOf(cell, rows[r].def, Right, first, last);
                append(p.content, cell.content);
                std::fill(here.begin() + a, here.begin() + b, previous);
                continue;
            }
            Placed p;
            p.row = int(r);
            p.column = a;
            p.columns = b - a;
            p.def = cell.def;
            p.rowDef = &rows[r].def;
            for (int side = 0; side < 4; ++side)
                p.borders[std::size_t(side)] = borderOf(cell, rows[r].def, side, first, last);
            p.content = cell.content;
            placed.push_back(std::move(p));
            previous = int(placed.size()) - 1;
            std::fill(here.begin() + a, here.begin() + b, previous);
        }
        // A span continuing the merged cell above it (same columns) joins it.
        for (int c = 0; c < columns; ++c) {
            const int index = here[std::size_t(c)];
            if (index < 0 || placed[std::size_t(index)].column != c ||
                placed[std::size_t(index)].row != int(r))
                continue;
            Placed& p = placed[std::size_t(index)];
            const int up = above[std::size_t(c)];
            if (p.def.down != Merge::Next || up < 0) continue;
            Placed& anchor = placed[std::size_t(up)];
            if (anchor.def.down == Merge::None || anchor.column != c ||
                anchor.columns != p.columns || anchor.row + anchor.rows != int(r))
                continue;
            ++anchor.rows;
            anchor.borders[Bottom] = p.borders[Bottom];
            append(anchor.content, p.content);
            p.rows = 0; // absorbed
            std::fill(here.begin() + c, here.begin() + c + p.columns, up);
        }
        above = here;
    }
    placed.erase(
        std::remove_if(placed.begin(), placed.end(), [](const Placed& p) { return p.rows == 0; }),
        placed.end());
    return placed;
}

QTextTableCellFormat cellFormat(const Placed& p) {
    QTextTableCellFormat f;
    using Setter = void (QTextTableCellFormat::*)(qreal);
    using StyleSetter = void (QTextTableCellFormat::*)(QTextFrameFormat::BorderStyle);
    using BrushSetter = void (QTextTableCellFormat::*)(const QBrush&);
    static constexpr Setter widths[] = {
        &QTextTableCellFormat::setTopBorder, &QTextTableCellFormat::setLeftBorder,
        &QTextTableCellFormat::setBottomBorder, &QTextTableCellFormat::setRightBorder};
    static constexpr StyleSetter styles[] = {
        &QTextTableCellFormat::setTopBorderStyle, &QTextTableCellFormat::setLeftBorderStyle,
        &QTextTableCellFormat::setBottomBorderStyle, &QTextTableCellFormat::setRightBorderStyle};
    static constexpr BrushSetter brushes[] = {
        &QTextTableCellFormat::setTopBorderBrush, &QTextTableCellFormat::setLeftBorderBrush,
        &QTextTableCellFormat::setBottomBorderBrush, &QTextTableCellFormat::setRightBorderBrush};
    static constexpr Setter paddings[] = {
        &QTextTableCellFormat::setTopPadding, &QTextTableCellFormat::setLeftPadding,
        &QTextTableCellFormat::setBottomPadding, &QTextTableCellFormat::setRightPadding};
    for (std::size_t side = 0; side < 4; ++side) {
        const std::optional<Border>& b = p.borders[side];
        const bool shown = b && b->style != QTextFrameFormat::BorderStyle_None;
        // A border without a width is Word's thinnest, half a point.
        (f.*widths[side])(shown ? twipsToPixels(b->width > 0 ? b->width : 10) : 0);
        (f.*styles[side])(shown ? b->style : QTextFrameFormat::BorderStyle_None);
        if (shown) (f.*brushes[side])(QBrush(b->colour.value_or(QColor(Qt::black))));
        const Padding& own = p.def.padding[side];
        const Padding& row = p.rowDef->padding[side];
        const int fallback = side == Left || side == Right ? p.rowDef->gap : 0;
        (f.*paddings[side])(twipsToPixels(own.twips().value_or(row.twips().value_or(fallback))));
    }
    if (p.def.background) f.setBackground(*p.def.background);
    if (p.def.vertical != QTextCharFormat::AlignTop) f.setVerticalAlignment(p.def.vertical);
    return f;
}

// Copies blocks of the scratch document, with their formats, to the cursor (in an empty
// block). Returns the character format of the first paragraph mark, which is not set: in a
// cell it is the cell's own format.
QTextCharFormat copyBlocks(const QTextDocument& scratch, const std::vector<CellContent>& content,
                           QTextCursor& to) {
    QTextCharFormat firstMark;
    bool firstBlock = true;
    for (const CellContent& range : content)
        for (int n = range.first; n <= range.last; ++n) {
            const QTextBlock block = scratch.findBlockByNumber(n);
            if (!block.isValid()) break;
            if (firstBlock) {
                to.setBlockFormat(block.blockFormat());
                firstMark = block.charFormat();
                firstBlock = false;
            } else {
                to.insertBlock(block.blockFormat(), block.charFormat());
            }
            for (auto it = block.begin(); !it.atEnd(); ++it)
                to.insertText(it.fragment().text(), it.fragment().charFormat());
        }
    return firstMark;
}

} // namespace

void buildTable(QTextCursor& at, const QTextDocument& scratch, const std::vector<Row>& rows) {
    std::vector<std::vector<RowCell>> cells;
    for (const Row& row : rows)
        cells.push_back(cellsOf(row));
    const std::vector<int> grid = gridOf(cells);
    if (grid.size() < 2) return;
    const std::vector<Placed> placed = place(rows, cells, grid);

    QTextTableFormat format;
    format.setBorderCollapse(true);
    format.setBorder(0);
    format.setCellSpacing(0);
    format.setCellPadding(0);
    format.setMargin(0);
    QList<QTextLength> widths;
    for (std::size_t i = 1; i < grid.size(); ++i)
        widths << QTextLength(QTextLength::FixedLength, twipsToPixels(grid[i] - grid[i - 1]));
    format.setColumnWidthConstraints(widths);
    const RowDef& first = rows.front().def;
    format.setAlignment(first.alignment);
    // The grid starts at the rows' left edge, but not left of the margin where Word draws
    // its usual tables (their left edge is one gap before the margin, so that the text of the
    // first column lines up with the paragraphs).
    if (first.alignment == Qt::AlignLeft)
        format.setLeftMargin(std::max<qreal>(0, twipsToPixels(grid.front())));

    QTextTable* table = at.insertTable(int(rows.size()), int(widths.size()), format);
    for (const Placed& p : placed)
        if (p.rows > 1 || p.columns > 1) table->mergeCells(p.row, p.column, p.rows, p.columns);
    for (const Placed& p : placed) {
        QTextTableCell cell = table->cellAt(p.row, p.column);
        QTextCursor c = cell.firstCursorPosition();
        QTextCharFormat format = copyBlocks(scratch, p.content, c);
        format.merge(cellFormat(p));
        cell.setFormat(format);
    }
    at.setPosition(table->lastPosition() + 1);
}

} // namespace rtf
