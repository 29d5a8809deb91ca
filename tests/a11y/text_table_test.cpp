// SPDX-License-Identifier: GPL-3.0-or-later
// A table of texts as assistive technology reads it: headers first, then the cells row by
// row, a short row read as empty cells, the cells let go when the table changes shape.
#include "a11y/text_table.h"

#include "support/application.h"

#include <QAccessibleObject>
#include <QObject>
#include <gtest/gtest.h>

namespace {

// An accessible object that shows a table, as a picture's part does.
class TableObject : public QAccessibleObject {
public:
    TableObject(QObject* o, a11y::TextTable& texts)
        : QAccessibleObject(o), texts_(texts),
          cells_([this] { return this; }, [this]() -> const a11y::TextTable& { return texts_; }),
          table_(cells_) {}
    QAccessibleInterface* parent() const override { return nullptr; }
    int childCount() const override { return cells_.childCount(); }
    QAccessibleInterface* child(int i) const override { return cells_.child(i); }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return cells_.indexOfChild(c);
    }
    QString text(QAccessible::Text) const override { return texts_.name; }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override { return {}; }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(&table_)
                                                : nullptr;
    }
    a11y::TableCells& cells() const { return cells_; }

private:
    a11y::TextTable& texts_;
    mutable a11y::TableCells cells_;
    a11y::TextTableInterface table_;
};

TEST(TextTable, ShortRowsReadAsEmptyCellsAndTheWidestRowCounts) {
    a11y::TextTable t{"t", {"V (mL)", "n (mol)"}, {{"0"}, {"0,1", "0,0002", "note"}}};
    EXPECT_EQ(t.columnCount(), 3);
    EXPECT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.cell(0, 1), QString());
    EXPECT_EQ(t.cell(1, 2), "note");
    EXPECT_EQ(t.cell(2, 0), QString()) << "past the last row";
    EXPECT_EQ(t.cell(-1, 0), QString());
    EXPECT_FALSE(t.empty());
    EXPECT_TRUE(a11y::TextTable{}.empty());
}

TEST(TableCells, HeadersComeFirstThenTheCellsRowByRow) {
    support::application();
    struct Row {
        const char* name;
        QStringList headers;
        int children;
        int firstCellIndex;
    } rows[] = {
        {"with a header row", {"État", "x"}, 2 + 3 * 2, 2},
        {"without", {}, 3 * 2, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QObject owner;
        a11y::TextTable texts{"t", row.headers, {{"a", "b"}, {"c", "d"}, {"e", "f"}}};
        TableObject table(&owner, texts);
        EXPECT_EQ(table.childCount(), row.children);
        QAccessibleInterface* cell = table.tableInterface()->cellAt(1, 0);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->text(QAccessible::Name), "c");
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        EXPECT_EQ(cell->parent(), &table);
        EXPECT_EQ(table.indexOfChild(cell), row.firstCellIndex + 2);
        EXPECT_EQ(table.child(row.firstCellIndex + 2), cell) << "the same cell object";
        EXPECT_EQ(cell->tableCellInterface()->columnHeaderCells().size(),
                  row.headers.isEmpty() ? 0 : 1);
        EXPECT_EQ(table.tableInterface()->cellAt(3, 0), nullptr);
        EXPECT_EQ(table.tableInterface()->cellAt(0, 2), nullptr);
        EXPECT_EQ(table.child(row.children), nullptr);
    }
}

TEST(TableCells, ATextChangeIsReadAtOnceAndANewShapeMakesNewCells) {
    support::application();
    QObject owner;
    a11y::TextTable texts{"t", {"A"}, {{"1"}}};
    TableObject table(&owner, texts);
    QAccessibleInterface* cell = table.tableInterface()->cellAt(0, 0);
    const QAccessible::Id id = QAccessible::uniqueId(cell);
    texts.rows[0][0] = "2";
    EXPECT_EQ(cell->text(QAccessible::Name), "2");

    texts.rows.push_back({"3"});
    table.cells().clear();
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr) << "the old cell is let go";
    EXPECT_EQ(table.tableInterface()->cellAt(1, 0)->text(QAccessible::Name), "3");
}

} // namespace
