// SPDX-License-Identifier: GPL-3.0-or-later
#include "a11y/text_table.h"

#include <algorithm>

namespace a11y {

int TextTable::columnCount() const {
    qsizetype count = headers.size();
    for (const QStringList& row : rows)
        count = std::max(count, row.size());
    return int(count);
}

QString TextTable::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0) return {};
    return rows[std::size_t(row)].value(column);
}

namespace {

// One cell of a table (row -1 for a column header).
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(TableCells& cells, int row, int column)
        : cells_(cells), row_(row), column_(column) {}

    bool isValid() const override { return cells_.tableInterface() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        QAccessibleInterface* table = cells_.tableInterface();
        return table ? table->window() : nullptr;
    }
    QAccessibleInterface* parent() const override { return cells_.tableInterface(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        const TextTable& texts = cells_.texts();
        if (t == QAccessible::Name)
            return row_ < 0 ? texts.headers.value(column_) : texts.cell(row_, column_);
        if (t == QAccessible::Description && row_ >= 0) return texts.headers.value(column_);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        QAccessibleInterface* table = cells_.tableInterface();
        return table ? table->rect() : QRect();
    }
    QAccessible::Role role() const override {
        return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        if (row_ < 0 || cells_.texts().headers.value(column_).isEmpty()) return {};
        return {cells_.headerAt(column_)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return cells_.tableInterface(); }

private:
    TableCells& cells_;
    int row_;
    int column_;
};

} // namespace

TableCells::TableCells(std::function<QAccessibleInterface*()> table,
                       std::function<const TextTable&()> texts)
    : table_(std::move(table)), texts_(std::move(texts)) {}

TableCells::~TableCells() {
    clear();
}

void TableCells::clear() {
    for (const auto& [place, id] : cells_)
        QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
}

QAccessibleInterface* TableCells::made(int row, int column) {
    const auto found = cells_.find({row, column});
    if (found != cells_.end()) return QAccessible::accessibleInterface(found->second);
    auto* cell = new CellAccessible(*this, row, column);
    cells_[{row, column}] = QAccessible::registerAccessibleInterface(cell);
    return cell;
}

int TableCells::childCount() const {
    const TextTable& t = texts();
    const int headers = t.headers.isEmpty() ? 0 : t.columnCount();
    return headers + t.rowCount() * t.columnCount();
}

QAccessibleInterface* TableCells::child(int index) {
    const TextTable& t = texts();
    const int columns = t.columnCount();
    if (index < 0 || columns == 0 || index >= childCount()) return nullptr;
    const int headers = t.headers.isEmpty() ? 0 : columns;
    if (index < headers) return made(-1, index);
    index -= headers;
    return made(index / columns, index % columns);
}

int TableCells::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const QAccessibleTableCellInterface*>(child);
    if (!cell || cell->table() != tableInterface()) return -1;
    const TextTable& t = texts();
    const int columns = t.columnCount();
    const int headers = t.headers.isEmpty() ? 0 : columns;
    if (cell->rowIndex() < 0) return cell->columnIndex();
    return headers + cell->rowIndex() * columns + cell->columnIndex();
}

QAccessibleInterface* TableCells::cellAt(int row, int column) {
    const TextTable& t = texts();
    if (row < 0 || row >= t.rowCount() || column < 0 || column >= t.columnCount()) return nullptr;
    return made(row, column);
}

QAccessibleInterface* TableCells::headerAt(int column) {
    const TextTable& t = texts();
    if (t.headers.isEmpty() || column < 0 || column >= t.columnCount()) return nullptr;
    return made(-1, column);
}

QAccessibleInterface* TextTableInterface::cellAt(int row, int column) const {
    return cells_.cellAt(row, column);
}

QString TextTableInterface::columnDescription(int column) const {
    return cells_.texts().headers.value(column);
}

QString TextTableInterface::rowDescription(int row) const {
    return cells_.texts().cell(row, 0);
}

} // namespace a11y
