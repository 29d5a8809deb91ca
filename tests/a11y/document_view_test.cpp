// SPDX-License-Identifier: GPL-3.0-or-later
// The rich text read by a screen reader: line by line, its tables as tables with their
// headers, the link under the caret named.
#include "a11y/document_view.h"
#include "a11y/tell.h"

#include "support/application.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QAccessibleTextInterface>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const char* page = "<p>Avant le tableau</p>"
                   "<table border=1><tr><th>N°</th><th>Contenu</th></tr>"
                   "<tr><td>1</td><td>nom de l'énoncé</td></tr>"
                   "<tr><td>2</td><td>configuration</td></tr></table>"
                   "<p>Après, <a href=\"#fin\">le lien</a> et la suite.</p>"
                   "<p><a name=\"fin\"></a>Fin</p>";

struct DocumentViewTest : support::ApplicationFirst, ::testing::Test {
    DocumentViewTest() {
        view.setHtml(QString::fromUtf8(page));
        view.resize(400, 300);
        view.show();
    }
    QAccessibleTextInterface* text() {
        return QAccessible::queryAccessibleInterface(&view)->textInterface();
    }
    // Every line from the start, as a screen reader steps through them.
    QStringList lines() {
        QStringList out;
        int start = 0, end = 0;
        for (int offset = 0; offset < text()->characterCount(); offset = end) {
            out << text()->textAtOffset(offset, QAccessible::LineBoundary, &start, &end);
            if (end <= offset) {
                ADD_FAILURE() << "stuck at " << offset;
                break;
            }
        }
        return out;
    }
    a11y::DocumentView view;
};

TEST_F(DocumentViewTest, LinesRunThroughTheTableEachCellUnderItsHeader) {
    QStringList read = lines();
    read.removeAll(QString());
    EXPECT_EQ(read,
              (QStringList{"Avant le tableau", "N°", "Contenu", "N°\u00a0: 1",
                           "Contenu\u00a0: nom de l'énoncé", "N°\u00a0: 2",
                           "Contenu\u00a0: configuration", "Après, le lien et la suite.", "Fin"}));
}

TEST_F(DocumentViewTest, TheTextHasNoMarksOfTheTableAndLinesFollowEachOther) {
    const QString all = text()->text(0, text()->characterCount());
    for (QChar c : all)
        EXPECT_TRUE(c.unicode() < 0xfdd0 || c.unicode() > 0xfdef) << "a mark of the table";
    int start = 0, end = 0;
    text()->textAtOffset(0, QAccessible::LineBoundary, &start, &end);
    int afterStart = 0, afterEnd = 0;
    EXPECT_EQ(text()->textAfterOffset(0, QAccessible::LineBoundary, &afterStart, &afterEnd), "N°");
    EXPECT_EQ(afterStart, end) << "the next line starts where the first ends";
    int beforeStart = 0, beforeEnd = 0;
    text()->textBeforeOffset(end, QAccessible::LineBoundary, &beforeStart, &beforeEnd);
    EXPECT_EQ(beforeStart, 0);
    text()->textBeforeOffset(0, QAccessible::LineBoundary, &beforeStart, &beforeEnd);
    EXPECT_EQ(beforeStart, -1) << "nothing before the first line";
}

TEST_F(DocumentViewTest, TheTableIsATableWithItsHeaders) {
    QAccessibleInterface* doc = QAccessible::queryAccessibleInterface(&view);
    ASSERT_EQ(doc->childCount(), 1);
    QAccessibleInterface* table = doc->child(0);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->parent(), doc);
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), 2);
    EXPECT_EQ(cells->columnCount(), 2);
    QAccessibleInterface* cell = cells->cellAt(1, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), "configuration");
    const auto headers = cell->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers[0]->text(QAccessible::Name), "Contenu");
    EXPECT_EQ(headers[0]->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(table->indexOfChild(cell), 2 + 1 * 2 + 1) << "after the two headers";
}

TEST_F(DocumentViewTest, TheLinkUnderTheCaretIsNamedOnce) {
    std::vector<QString> told;
    QObject::connect(&a11y::Teller::instance(), &a11y::Teller::told, &view,
                     [&](QWidget*, const QString& s) { told.push_back(s); });
    view.setFocus();
    const int link = int(view.toPlainText().indexOf("le lien"));
    ASSERT_GT(link, 0);
    QTextCursor cursor = view.textCursor();
    cursor.setPosition(link + 2);
    view.setTextCursor(cursor);
    cursor.setPosition(link + 4);
    view.setTextCursor(cursor); // within the same link: not said again
    cursor.setPosition(link - 3);
    view.setTextCursor(cursor);
    EXPECT_EQ(told, std::vector<QString>{"Lien\u00a0: le lien"});
    EXPECT_EQ(view.linkAt(link).href, "#fin");
    EXPECT_TRUE(view.linkAt(link - 3).href.isEmpty());
}

TEST_F(DocumentViewTest, TabReachesTheLinkAndSaysIt) {
    std::vector<QString> told;
    QObject::connect(&a11y::Teller::instance(), &a11y::Teller::told, &view,
                     [&](QWidget*, const QString& s) { told.push_back(s); });
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Tab);
    EXPECT_EQ(told, std::vector<QString>{"Lien\u00a0: le lien"});
    EXPECT_EQ(view.textCursor().selectedText(), "le lien");
}

} // namespace
