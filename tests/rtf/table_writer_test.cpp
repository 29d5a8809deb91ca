// SPDX-License-Identifier: GPL-3.0-or-later
// Tables written back as RTF tables and read again, and the tables of the corpus files.

#include "rtf_table_support.h"

#include <gtest/gtest.h>

using namespace rtftest;

namespace {

// What must survive writing and reading again: the grid, the texts, the widths, and each
// cell's borders, shading and vertical alignment.
struct TableShape {
    QString grid;
    std::vector<int> widths;
    std::vector<std::array<int, 4>> borders;
    std::vector<int> styles;
    std::vector<QRgb> colours;
    std::vector<int> alignments;
    qreal leftMargin;
    int alignment;
    bool operator==(const TableShape&) const = default;
};

TableShape shapeOf(const QTextTable& t) {
    TableShape s{describe(t),
                 widthsOf(t),
                 {},
                 {},
                 {},
                 {},
                 t.format().leftMargin(),
                 int(t.format().alignment())};
    for (int r = 0; r < t.rows(); ++r)
        for (int c = 0; c < t.columns(); ++c) {
            const QTextTableCell cell = t.cellAt(r, c);
            if (cell.row() != r || cell.column() != c) continue;
            const QTextTableCellFormat f = cell.format().toTableCellFormat();
            s.borders.push_back(bordersOf(cell));
            s.styles.push_back(f.topBorderStyle() * 100 + f.bottomBorderStyle());
            s.colours.push_back(
                f.background().style() == Qt::NoBrush ? 0 : f.background().color().rgb());
            s.alignments.push_back(int(f.verticalAlignment()));
        }
    return s;
}

std::vector<TableShape> shapesOf(const QTextDocument& doc) {
    std::vector<TableShape> out;
    for (const QTextTable* t : tablesOf(doc))
        out.push_back(shapeOf(*t));
    return out;
}

// Reads what the writer wrote of doc; the second writing gives the same bytes.
std::unique_ptr<QTextDocument> writtenAndRead(const QTextDocument& doc) {
    const QByteArray rtf = rtf::writeRtf(doc);
    auto back = readDocument(rtf);
    EXPECT_EQ(rtf::writeRtf(*back).toStdString(), rtf.toStdString());
    return back;
}

TEST(RtfTableWriter, ATableReadWrittenAndReadAgainIsTheSame) {
    const auto doc = readDocument(
        "{\\rtf1{\\colortbl;\\red0\\green0\\blue200;\\red230\\green230\\blue230;}"
        "Tableau d'avancement\\par " +
        wordRow({2000, 4000, 6000}) +
        "\\pard\\intbl\\qc{\\b \\'c9tat}\\cell x (mmol)\\cell\\cell\\row"
        "\\trowd\\trgaph108\\trleft-108"
        "\\clvmgf\\clbrdrt\\brdrdb\\brdrw30\\brdrcf1\\clbrdrl\\brdrs\\brdrw10\\clcbpat2\\cellx2000"
        "\\clmgf\\clvertalc\\clbrdrb\\brdrdot\\brdrw10\\cellx4000\\clmrg\\cellx6000"
        "\\pard\\intbl initial\\cell 0\\par{\\i puis} 1\\cell\\cell\\row"
        "\\trowd\\trgaph108\\trleft-108\\clvmrg\\cellx2000\\cellx3000\\cellx6000"
        "\\pard\\intbl\\cell a\\cell b\\cell\\row"
        "\\pard Fin\\par"
        "\\trowd\\trqc\\trgaph60\\cellx1000\\pard\\intbl seul\\cell\\row}");
    const auto shapes = shapesOf(*doc);
    ASSERT_EQ(shapes.size(), 2u);
    // The third row's inner edge (3000) makes a fourth column: the cells of the other rows
    // span it.
    EXPECT_EQ(shapes[0].grid.toStdString(),
              std::string("État|x (mmol){1x2}|<| / initial{2x1}|0¶puis 1{1x3}|<|< / "
                          "^|a|b{1x2}|<"));
    const QByteArray rtf = rtf::writeRtf(*doc);
    for (const char* word :
         {"\\trowd", "\\intbl", "\\cell", "\\row", "\\clmgf", "\\clmrg", "\\clvmgf", "\\clvmrg",
          "\\clbrdrt\\brdrdb\\brdrw30\\brdrcf", "\\clcbpat", "\\clvertalc", "\\trqc"})
        EXPECT_TRUE(rtf.contains(word)) << word;
    const auto back = writtenAndRead(*doc);
    EXPECT_EQ(back->toPlainText(), doc->toPlainText());
    EXPECT_TRUE(shapesOf(*back) == shapes);
    // The formatting inside the cells comes back too.
    const QTextTable& t = *tablesOf(*back)[0];
    EXPECT_EQ(t.cellAt(0, 0).firstCursorPosition().blockFormat().alignment() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    const auto rs = runs(*back);
    EXPECT_EQ(formatOf(rs, QStringLiteral("État")).fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatOf(rs, QStringLiteral("puis")).fontItalic());
}

// A table made in the text area (Qt's own borders around every cell, widths left free)
// comes back with its cells, and its borders as lines of one pixel.
TEST(RtfTableWriter, ATableMadeInTheTextArea) {
    support::application();
    QTextDocument doc;
    QTextCursor cursor(&doc);
    cursor.insertText(QStringLiteral("Avant"));
    QTextTable* table = cursor.insertTable(2, 3);
    table->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("a"));
    table->cellAt(1, 2).firstCursorPosition().insertText(QStringLiteral("f"));
    table->mergeCells(0, 1, 2, 1);
    const auto back = writtenAndRead(doc);
    const auto tables = tablesOf(*back);
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(describe(*tables[0]), QStringLiteral("a|{2x1}| / |^|f"));
    EXPECT_EQ(widthsOf(*tables[0]), (std::vector<int>{3120, 3120, 3120})); // 6.5 inches shared
    for (int c : {0, 2})
        EXPECT_EQ(bordersOf(tables[0]->cellAt(1, c)), (std::array<int, 4>{15, 15, 15, 15}));
    EXPECT_EQ(back->begin().text(), QStringLiteral("Avant"));
}

TEST(RtfTableCorpus, TablesOfTheCorpusFiles) {
    SKIP_WITHOUT_RTF_CORPUS();
    struct Case {
        const char* file;
        const char* grid;
        std::vector<int> widths;
        int border; // of every side of every cell, twips
    } cases[] = {
        // Word: half-point single borders, each cell's text 108 twips from its edges.
        {"rtfjs_sample.rtf",
         "Cell 1|Cell 2¶More in cell 2|Cell 3 / Next row|Next row |Next row",
         {2952, 2952, 2952},
         10},
        // Written by hand: four cells under a single \cellx, no borders.
        {"pandoc_table_simple.rtf", "A |B |C |D  / E |F |G |H ", {2709, 2709, 2709, 2709}, 0},
        // LibreOffice: a table nested in the first cell, shown there a row per line; the
        // outer row has three cells for two \cellx.
        {"striprtf_calcium_score.rtf",
         "Coronararterie\tCalcium-Score¶RCA\t 0¶LM\t 0¶LAD/RIVA\t 0¶CX\t 0¶"
         "Gesamt Calcium-Score\t 0||",
         {7078, 1279, 1279},
         0},
    };
    for (const Case& c : cases) {
        const auto doc = readDocument(readBytes(corpusPath(QStringLiteral("files/") + c.file)));
        const auto tables = tablesOf(*doc);
        ASSERT_EQ(tables.size(), 1u) << c.file;
        const QTextTable& t = *tables[0];
        EXPECT_EQ(describe(t).toStdString(), std::string(c.grid)) << c.file;
        EXPECT_EQ(widthsOf(t), c.widths) << c.file;
        for (int r = 0; r < t.rows(); ++r)
            for (int col = 0; col < t.columns(); ++col)
                EXPECT_EQ(bordersOf(t.cellAt(r, col)),
                          (std::array<int, 4>{c.border, c.border, c.border, c.border}))
                    << c.file;
        const auto back = writtenAndRead(*doc);
        EXPECT_TRUE(shapesOf(*back) == shapesOf(*doc)) << c.file;
        EXPECT_EQ(back->toPlainText(), doc->toPlainText()) << c.file;
    }
}

} // namespace
