// SPDX-License-Identifier: GPL-3.0-or-later
// RTF tables read into QTextTables (grid, widths, borders, merges, nested tables), written
// back as RTF tables, and shown with their grid.

#include "rtf_table_support.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace rtftest;

namespace {

TEST(RtfTable, WordRowsBecomeATableWithTheirColumnsBordersAndPadding) {
    const auto doc = readDocument("{\\rtf1 Avant\\par " + wordRow({1440, 4320, 5760}) +
                                  "\\pard\\intbl V (mL)\\cell {\\b pH}\\cell x\\cell\\row" +
                                  wordRow({1440, 4320, 5760}) +
                                  "\\pard\\intbl 12,5\\cell 7\\cell y\\cell\\row"
                                  "\\pard Apr\\'e8s\\par}");
    const auto tables = tablesOf(*doc);
    ASSERT_EQ(tables.size(), 1u);
    const QTextTable& t = *tables[0];
    EXPECT_EQ(describe(t), QStringLiteral("V (mL)|pH|x / 12,5|7|y"));
    EXPECT_EQ(widthsOf(t), (std::vector<int>{1548, 2880, 1440}));
    EXPECT_TRUE(t.format().borderCollapse());
    EXPECT_EQ(t.format().leftMargin(), 0); // the grid from the margin, not left of it
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) {
            const QTextTableCell cell = t.cellAt(r, c);
            EXPECT_EQ(bordersOf(cell), (std::array<int, 4>{10, 10, 10, 10}));
            const QTextTableCellFormat f = cell.format().toTableCellFormat();
            EXPECT_DOUBLE_EQ(f.leftPadding(), 108 / 15.0);
            EXPECT_DOUBLE_EQ(f.rightPadding(), 108 / 15.0);
        }
    const QTextCharFormat ph =
        t.cellAt(0, 1).firstCursorPosition().block().begin().fragment().charFormat();
    EXPECT_EQ(ph.fontWeight(), QFont::Bold);
    // The paragraphs around it keep their places; the empty paragraphs that hold the table's
    // place in the text take no room on screen (checked below, on the pixels).
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("Avant\n\nV (mL)\npH\nx\n12,5\n7\ny\n\nAprès\n"));
    EXPECT_EQ(doc->begin().text(), QStringLiteral("Avant"));
    EXPECT_EQ(doc->lastBlock().previous().text(), QStringLiteral("Après"));
}

TEST(RtfTable, GridsOfUnusualRows) {
    struct Case {
        const char* name;
        QByteArray body;
        const char* table;
        std::vector<int> widths;
    } cases[] = {
        {"no borders",
         "\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row",
         "a|b",
         {1000, 1000}},
        {"a short row is padded",
         "\\trowd\\cellx1000\\cellx2000\\cellx3000\\intbl a\\cell b\\cell c\\cell\\row"
         "\\trowd\\cellx1000\\cellx2000\\intbl d\\cell e\\cell\\row",
         "a|b|c / d|e|",
         {1000, 1000, 1000}},
        {"a row of fewer cells than its definition",
         "\\trowd\\cellx1000\\cellx2000\\cellx3000\\intbl a\\cell\\row",
         "a||",
         {1000, 1000, 1000}},
        {"more cells than edges share the last width",
         "\\trowd\\cellx4000\\intbl A \\cell B \\cell C \\cell D \\cell\\row",
         "A |B |C |D ",
         {1000, 1000, 1000, 1000}},
        {"rows with different edges share one grid",
         "\\trowd\\cellx2000\\cellx4000\\intbl a\\cell b\\cell\\row"
         "\\trowd\\cellx1000\\cellx4000\\intbl c\\cell d\\cell\\row",
         "a{1x2}|<|b / c|d{1x2}|<",
         {1000, 1000, 2000}},
        {"edges a few twips apart are one line",
         "\\trowd\\cellx2000\\intbl a\\cell\\row\\trowd\\cellx2010\\intbl b\\cell\\row",
         "a / b",
         {2000}},
        {"merged across",
         "\\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\cellx3000"
         "\\intbl ab\\cell\\cell c\\cell\\row",
         "ab{1x2}|<|c",
         {1000, 1000, 1000}},
        {"merged down",
         "\\trowd\\clvmgf\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row"
         "\\trowd\\clvmrg\\cellx1000\\cellx2000\\intbl\\cell d\\cell\\row"
         "\\trowd\\clvmrg\\cellx1000\\cellx2000\\intbl\\cell e\\cell\\row",
         "a{3x1}|b / ^|d / ^|e",
         {1000, 1000}},
        {"merged both ways",
         "\\trowd\\clvmgf\\clmgf\\cellx1000\\clvmgf\\clmrg\\cellx2000\\cellx3000"
         "\\intbl a\\cell\\cell b\\cell\\row"
         "\\trowd\\clvmrg\\clmgf\\cellx1000\\clvmrg\\clmrg\\cellx2000\\cellx3000"
         "\\intbl\\cell\\cell c\\cell\\row",
         "a{2x2}|<|b / ^|^|c",
         {1000, 1000, 1000}},
        {"a continued merge without its first cell is a cell",
         "\\trowd\\clmrg\\cellx1000\\clvmrg\\cellx2000\\intbl a\\cell b\\cell\\row",
         "a|b",
         {1000, 1000}},
        {"the definition in force at the row's end",
         "\\pard\\intbl a\\cell b\\cell\\trowd\\cellx1000\\cellx3000\\row",
         "a|b",
         {1000, 2000}},
        {"paragraphs and line breaks in a cell",
         "\\trowd\\cellx2000\\intbl un\\par deux\\line trois\\cell\\row",
         "un¶deux\u2028trois",
         {2000}},
        {"a cut file keeps its last row",
         "\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b",
         "a|b",
         {1000, 1000}},
        {"no edges at all", "\\intbl a\\cell b\\cell\\row", "a|b", {1440, 1440}},
        {"a nested table is shown in its cell, a row per line",
         "\\trowd\\cellx3000\\cellx5000\\pard\\intbl\\itap2 x\\nestcell y\\nestcell"
         "{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2000\\nestrow}{\\nonesttables\\par}"
         "\\pard\\intbl\\itap2 z\\nestcell w\\nestcell"
         "{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2000\\nestrow}{\\nonesttables\\par}"
         "\\pard\\intbl\\itap1\\cell o\\cell\\row",
         "x\ty¶z\tw|o",
         {3000, 2000}},
    };
    for (const Case& c : cases) {
        const auto doc = readDocument("{\\rtf1 " + c.body + "}");
        const auto tables = tablesOf(*doc);
        ASSERT_EQ(tables.size(), 1u) << c.name;
        EXPECT_EQ(describe(*tables[0]).toStdString(), std::string(c.table)) << c.name;
        EXPECT_EQ(widthsOf(*tables[0]), c.widths) << c.name;
    }
}

TEST(RtfTable, TwoTablesAndTheTextAroundThem) {
    const auto doc = readDocument("{\\rtf1\\trowd\\cellx1000\\intbl a\\cell\\row\\pard entre\\par"
                                  "\\trowd\\cellx1000\\intbl b\\cell\\row\\pard\\par fin}");
    const auto tables = tablesOf(*doc);
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(describe(*tables[0]), QStringLiteral("a"));
    EXPECT_EQ(describe(*tables[1]), QStringLiteral("b"));
    // An empty paragraph written after a table is kept as a line of its own.
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("\na\n\nentre\n\nb\n\n\nfin"));
}

TEST(RtfTable, RowAndCellFormats) {
    const auto doc = readDocument(
        "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red220\\green230\\blue240;}"
        "\\trowd\\trgaph50\\trleft500\\trpaddl90\\trpaddfl3\\trpaddt30\\trpaddft3"
        "\\clbrdrt\\brdrdb\\brdrw30\\brdrcf1\\clbrdrb\\brdrdot\\clcbpat2\\clvertalc\\cellx2000"
        "\\clpadt200\\clpadft3\\clpadl40\\clpadfl3\\clvertalb\\cellx3000"
        "\\intbl a\\cell b\\cell\\row}");
    const auto tables = tablesOf(*doc);
    ASSERT_EQ(tables.size(), 1u);
    const QTextTable& t = *tables[0];
    EXPECT_DOUBLE_EQ(t.format().leftMargin(), 500 / 15.0);
    EXPECT_EQ(widthsOf(t), (std::vector<int>{1500, 1000}));
    const QTextTableCellFormat a = t.cellAt(0, 0).format().toTableCellFormat();
    EXPECT_EQ(bordersOf(t.cellAt(0, 0)), (std::array<int, 4>{30, 0, 10, 0}));
    EXPECT_EQ(a.topBorderStyle(), QTextFrameFormat::BorderStyle_Double);
    EXPECT_EQ(a.topBorderBrush().color(), QColor(255, 0, 0));
    EXPECT_EQ(a.bottomBorderStyle(), QTextFrameFormat::BorderStyle_Dotted);
    EXPECT_EQ(a.background().color(), QColor(220, 230, 240));
    EXPECT_EQ(a.verticalAlignment(), QTextCharFormat::AlignMiddle);
    EXPECT_DOUBLE_EQ(a.leftPadding(), 90 / 15.0);  // \trpaddl wins over \trgaph
    EXPECT_DOUBLE_EQ(a.rightPadding(), 50 / 15.0); // \trgaph
    EXPECT_DOUBLE_EQ(a.topPadding(), 30 / 15.0);
    // Word's cell paddings: \clpadt is the left one, \clpadl the top one.
    const QTextTableCellFormat b = t.cellAt(0, 1).format().toTableCellFormat();
    EXPECT_DOUBLE_EQ(b.leftPadding(), 200 / 15.0);
    EXPECT_DOUBLE_EQ(b.topPadding(), 40 / 15.0);
    EXPECT_EQ(b.verticalAlignment(), QTextCharFormat::AlignBottom);

    const auto centred =
        readDocument("{\\rtf1\\trowd\\trqc\\trleft300\\cellx1000\\intbl c\\cell\\row}");
    ASSERT_EQ(tablesOf(*centred).size(), 1u);
    EXPECT_EQ(tablesOf(*centred)[0]->format().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(tablesOf(*centred)[0]->format().leftMargin(), 0);
}

// On screen the grid is drawn where the borders are and nowhere else, and the paragraphs
// before and after the table touch it.
TEST(RtfTable, ShownWithItsGrid) {
    support::application();
    QTextEdit edit;
    edit.resize(500, 300);
    edit.show();
    ASSERT_TRUE(rtf::readRtf("{\\rtf1 Avant\\par " + wordRow({1500, 3000}) +
                                 "\\pard\\intbl a\\cell b\\cell\\row"
                                 "\\pard Milieu\\par"
                                 "\\trowd\\trgaph108\\trleft-108\\cellx1500\\cellx3000"
                                 "\\pard\\intbl c\\cell d\\cell\\row\\pard Apr\\'e8s\\par}",
                             *edit.document()));
    QCoreApplication::processEvents();
    const QImage shown = edit.viewport()->grab().toImage();
    const QTextDocument& doc = *edit.document();
    const auto tables = tablesOf(doc);
    ASSERT_EQ(tables.size(), 2u);
    auto dark = [&](int x, int y) { return qGray(shown.pixel(x, y)) < 128; };
    // Dark runs met on a line of pixels from (x0, y0) to (x1, y1), horizontal or vertical.
    auto runsAcross = [&](int x0, int y0, int x1, int y1) {
        int runs = 0;
        bool inRun = false;
        for (int x = x0, y = y0; x <= x1 && y <= y1; x0 < x1 ? ++x : ++y) {
            if (dark(x, y) && !inRun) ++runs;
            inRun = dark(x, y);
        }
        return runs;
    };
    // The first dark pixel going down from (x, y), or -1.
    auto firstDarkBelow = [&](int x, int y) {
        for (; y < shown.height(); ++y)
            if (dark(x, y)) return y;
        return -1;
    };
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    auto topOf = [&](const char* text) {
        return layout->blockBoundingRect(doc.findBlock(doc.toPlainText().indexOf(text))).top();
    };
    const QRect a = edit.cursorRect(tables[0]->cellAt(0, 0).firstCursorPosition());
    const QRect b = edit.cursorRect(tables[0]->cellAt(0, 1).firstCursorPosition());
    const QRect c = edit.cursorRect(tables[1]->cellAt(0, 0).firstCursorPosition());
    const QRect d = edit.cursorRect(tables[1]->cellAt(0, 1).firstCursorPosition());
    // Bordered: one line between the cells' texts, one above and one below the row.
    EXPECT_EQ(runsAcross(a.right() + 12, a.center().y(), b.left() - 1, a.center().y()), 1);
    const int x = a.left() + 40;
    const int top = firstDarkBelow(x, int(layout->blockBoundingRect(doc.begin()).bottom()) - 2);
    EXPECT_NEAR(top, a.top(), 3);
    const int bottom = firstDarkBelow(x, a.center().y());
    EXPECT_NEAR(bottom, a.bottom(), 3);
    // Without borders: nothing between the cells, around them, nor between the lines.
    EXPECT_EQ(runsAcross(c.right() + 12, c.center().y(), d.left() - 1, c.center().y()), 0);
    EXPECT_EQ(runsAcross(x, c.top() - 4, x, c.bottom() + 4), 0);
    // The paragraphs around the tables touch them: no empty line in between.
    EXPECT_NEAR(layout->blockBoundingRect(doc.begin()).bottom(), top, 2);
    EXPECT_NEAR(topOf("Milieu"), bottom, 2);
    EXPECT_NEAR(topOf("Après"), c.bottom(), 2);
}

} // namespace
