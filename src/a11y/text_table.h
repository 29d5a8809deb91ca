// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tables that assistive technology reads as tables, with rows, columns and the header of each
// column, where the program only draws them (a picture, a rich text): the texts of the table,
// and the accessible cells and table interface that an accessible object showing the table
// gives out. A cell is not an object of its own: its interface is made when first asked for
// and kept until the table changes shape or goes.

#include <QAccessible>
#include <QAccessibleTableCellInterface>
#include <QAccessibleTableInterface>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace a11y {

struct TextTable {
    QString name;        // what the table is, said before its cells
    QStringList headers; // the header of each column (none: no header row)
    std::vector<QStringList> rows;

    // The widest of the header row and the rows.
    int columnCount() const;
    int rowCount() const { return int(rows.size()); }
    // The text of a cell; empty outside the rows or past the end of a short row.
    QString cell(int row, int column) const;
    bool empty() const { return rows.empty() && headers.isEmpty(); }
    bool operator==(const TextTable&) const = default;
};

// The accessible children of an object that shows a table: the column headers first, then
// the cells row by row. The object gives its own interface and reads the texts afresh at
// every question, so that a change of a text is read at once.
class TableCells {
public:
    TableCells(std::function<QAccessibleInterface*()> table,
               std::function<const TextTable&()> texts);
    ~TableCells();
    TableCells(const TableCells&) = delete;
    TableCells& operator=(const TableCells&) = delete;

    QAccessibleInterface* tableInterface() const { return table_(); }
    const TextTable& texts() const { return texts_(); }

    int childCount() const;
    QAccessibleInterface* child(int index);
    int indexOfChild(const QAccessibleInterface* child) const;
    QAccessibleInterface* cellAt(int row, int column);
    QAccessibleInterface* headerAt(int column);

    // The table changed shape (rows or columns): the cells made so far are let go.
    void clear();

private:
    QAccessibleInterface* made(int row, int column); // row -1: the header
    std::function<QAccessibleInterface*()> table_;
    std::function<const TextTable&()> texts_;
    std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

// The table interface of an object whose children are TableCells.
class TextTableInterface : public QAccessibleTableInterface {
public:
    explicit TextTableInterface(TableCells& cells) : cells_(cells) {}

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return cells_.texts().columnCount(); }
    int rowCount() const override { return cells_.texts().rowCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    TableCells& cells_;
};

} // namespace a11y
