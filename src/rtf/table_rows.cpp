// SPDX-License-Identifier: GPL-3.0-or-later
// Gathering the rows of a table as they are read: each cell is a range of paragraphs in the
// flow of the table's cells.

#include "table.h"

namespace rtf {

void TableRows::open() {
    table_ = std::make_shared<Table>();
    writer_ = std::make_unique<FlowWriter>(table_->cells);
    cellStart_ = 0;
    cells_.clear();
}

bool TableRows::currentCellHasContent() const {
    const int current = writer_->paragraphNumber();
    return current > cellStart_ || !writer_->paragraphEmpty(current);
}

void TableRows::endCell(bool dropEmptyLast) {
    int last = writer_->paragraphNumber();
    if (dropEmptyLast && last > cellStart_ && writer_->paragraphEmpty(last)) --last;
    const bool empty = last == cellStart_ && writer_->paragraphEmpty(last);
    cells_.push_back({cellStart_, last, empty});
    writer_->endParagraph();
    cellStart_ = writer_->paragraphNumber();
}

void TableRows::endRow(const RowDef& def) {
    if (currentCellHasContent()) endCell();
    if (cells_.empty()) return;
    table_->rows.push_back({def, std::move(cells_)});
    cells_.clear();
}

std::shared_ptr<const Table> TableRows::close(const RowDef& def) {
    endRow(def);
    std::shared_ptr<const Table> table;
    if (!table_->rows.empty()) table = table_;
    writer_.reset();
    table_.reset();
    cells_.clear();
    return table;
}

} // namespace rtf
