// SPDX-License-Identifier: GPL-3.0-or-later
// The parser on its own: bytes to the document model, no document built. Each case gives the
// flow as steps: 'text' for a run, F for the formats of the paragraph in hand, / for a new
// paragraph, <name> for a picture and [rows: cells] for a table.

#include "rtf/document.h"
#include "rtf_table_support.h"
#include "support/application.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

#include <string>

namespace {

std::string describe(const rtf::Flow& flow) {
    std::string out;
    for (const rtf::Step& step : flow) {
        if (!out.empty()) out += ' ';
        switch (step.kind) {
        case rtf::Step::Kind::Text:
            out += "'" + step.text.toStdString() + "'";
            break;
        case rtf::Step::Kind::Image:
            out += "<" + step.format.toImageFormat().name().toStdString() + ">";
            break;
        case rtf::Step::Kind::ParagraphFormat:
            out += "F";
            break;
        case rtf::Step::Kind::ParagraphEnd:
            out += "/";
            break;
        case rtf::Step::Kind::Table: {
            out += "[";
            for (const rtf::Row& row : step.table->rows)
                out += (out.back() == '[' ? "" : " ") + std::to_string(row.cells.size());
            out += step.endsText ? "] end" : "]";
            break;
        }
        }
    }
    return out;
}

std::string flowOf(const QByteArray& rtf) {
    return describe(rtf::parse(rtf).flow);
}

TEST(RtfParser, TheLexicalRulesOfTheFormat) {
    struct Row {
        const char* name;
        QByteArray rtf;
        const char* flow;
    };
    const Row rows[] = {
        {"text", "{\\rtf1 Bonjour}", "'Bonjour' F"},
        {"nothing at all", "", ""},
        {"an empty text", "{\\rtf1}", "F"},
        {"a paragraph end", "{\\rtf1 a\\par b}", "'a' F / 'b' F"},
        {"a backslash before a line end is a paragraph end", "{\\rtf1 a\\\nb}", "'a' F / 'b' F"},
        {"line ends are not text", "{\\rtf1 a\r\nb}", "'ab' F"},
        {"NUL bytes are not text", QByteArray("{\\rtf1 a\0b}", 11), "'ab' F"},
        {"one space ends a control word, the next is text", "{\\rtf1\\b  x}", "' x' F"},
        {"a minus sign without digits after a word is text", "{\\rtf1\\b- x}", "'- x' F"},
        {"a hexadecimal byte", "{\\rtf1 caf\\'e9}", "'caf\xC3\xA9' F"},
        {"half a hexadecimal byte at the end", "{\\rtf1 a\\'e", "'a' F"},
        {"a backslash at the end", "{\\rtf1 a\\", "'a' F"},
        {"text before the first brace", "x{\\rtf1 a}", "'a' F"},
        {"text after the last brace", "{\\rtf1 a}b", "'a' F"},
        {"raw data outside a picture goes nowhere", "{\\rtf1 a\\bin3 }{bc}", "'ac' F"},
        {"raw data longer than the file", "{\\rtf1 a\\bin99 bc", "'a' F"},
        {"a Unicode character and its fallback", "{\\rtf1 \\u233?x}", "'\xC3\xA9x' F"},
        {"no fallback after \\uc0", "{\\rtf1\\uc0 \\u233 x}", "'\xC3\xA9x' F"},
        {"hidden text", "{\\rtf1 a{\\v b}c}", "'ac' F"},
        {"a skipped destination", "{\\rtf1 a{\\*\\unknown b}{\\info c}d}", "'ad' F"},
        // 0x83 0x7B is KATAKANA LETTER BO in code page 932: its second byte is not a brace.
        {"the second byte of a two-byte character", "{\\rtf1\\ansicpg932 \x83{}",
         "'\xE3\x83\x9C' F"},
    };
    support::application();
    for (const Row& r : rows)
        EXPECT_EQ(flowOf(r.rtf), r.flow) << r.name;
}

TEST(RtfParser, FontSizesStayInWordsRange) {
    struct Row {
        const char* name;
        QByteArray rtf;
        double points;
    };
    const Row rows[] = {
        {"12 points by default", "{\\rtf1 a}", 12},
        {"\\fs21 is 10.5 points", "{\\rtf1\\fs21 a}", 10.5},
        {"the smallest size", "{\\rtf1\\fs1 a}", 1},
        {"no size is the default size", "{\\rtf1\\fs0 a}", 12},
        {"a negative size is the default size", "{\\rtf1\\fs-10 a}", 12},
        {"the largest size", "{\\rtf1\\fs3277 a}", 1638},
        {"a number beyond the integers", "{\\rtf1\\fs99999999999999999999 a}", 1638},
    };
    support::application();
    for (const Row& r : rows) {
        const rtf::Document model = rtf::parse(r.rtf);
        ASSERT_FALSE(model.flow.empty()) << r.name;
        EXPECT_EQ(model.flow.front().format.fontPointSize(), r.points) << r.name;
    }
}

TEST(RtfParser, TablesKeepTheirRowsAndTheRangesOfTheirCells) {
    struct Cell {
        int first, last;
    };
    struct Row {
        const char* name;
        QByteArray rtf;
        const char* flow;
        const char* cells;
        std::vector<Cell> ranges;
    };
    const QByteArray def = "\\trowd\\cellx1000\\cellx2000 ";
    const Row rows[] = {
        {"two cells",
         "{\\rtf1" + def + "\\intbl A\\cell B\\cell\\row}",
         "[2] end F",
         "'A' F / 'B' F / F",
         {{0, 0}, {1, 1}}},
        {"text after the table",
         "{\\rtf1" + def + "\\intbl A\\cell B\\cell\\row\\pard C}",
         "[2] 'C' F",
         "'A' F / 'B' F / F",
         {{0, 0}, {1, 1}}},
        {"two paragraphs in a cell",
         "{\\rtf1" + def + "\\intbl A\\par B\\cell C\\cell\\row}",
         "[2] end F",
         "'A' F / 'B' F / 'C' F / F",
         {{0, 1}, {2, 2}}},
        // Qt starts a paragraph at U+2029, and at a carriage return and a line feed together.
        {"a paragraph separator in a cell",
         "{\\rtf1" + def + "\\intbl a\\u8233?b\\cell c\\cell\\row}",
         "[2] end F",
         "'a\xE2\x80\xA9"
         "b' F / 'c' F / F",
         {{0, 1}, {2, 2}}},
        {"a carriage return and a line feed in a cell",
         "{\\rtf1" + def + "\\intbl a\\'0d\\'0ab\\cell c\\cell\\row}",
         "[2] end F",
         "'a\r\nb' F / 'c' F / F",
         {{0, 1}, {2, 2}}},
        // The last cell ends with the file, before the formats of its paragraph are known.
        {"a last row without its \\row",
         "{\\rtf1" + def + "\\intbl A\\cell B",
         "[2] end F",
         "'A' F / 'B' /",
         {{0, 0}, {1, 1}}},
        {"a row end with no cell makes no table", "{\\rtf1" + def + "\\intbl\\row}", "F", "", {}},
    };
    support::application();
    for (const Row& r : rows) {
        const rtf::Document model = rtf::parse(r.rtf);
        EXPECT_EQ(describe(model.flow), r.flow) << r.name;
        const rtf::Table* table = nullptr;
        for (const rtf::Step& step : model.flow)
            if (step.kind == rtf::Step::Kind::Table) table = step.table.get();
        if (r.ranges.empty()) {
            EXPECT_EQ(table, nullptr) << r.name;
            continue;
        }
        ASSERT_NE(table, nullptr) << r.name;
        EXPECT_EQ(describe(table->cells), r.cells) << r.name;
        ASSERT_EQ(table->rows.size(), 1u) << r.name;
        const std::vector<rtf::CellContent>& cells = table->rows.front().cells;
        ASSERT_EQ(cells.size(), r.ranges.size()) << r.name;
        for (std::size_t k = 0; k < cells.size(); ++k) {
            EXPECT_EQ(cells[k].first, r.ranges[k].first) << r.name << ", cell " << k;
            EXPECT_EQ(cells[k].last, r.ranges[k].last) << r.name << ", cell " << k;
        }
    }
}

// The builder takes each cell's paragraphs by the numbers the parser counted: a break that Qt
// makes inside a text counts as the parser counts it.
TEST(RtfParser, TheBuiltTableHoldsTheParagraphsTheParserCounted) {
    struct Row {
        const char* name;
        QByteArray firstCell;
        const char* table;
    };
    const Row rows[] = {
        {"a paragraph end", "a\\par b", "a¶b|c"},
        {"a paragraph separator", "a\\u8233?b", "a¶b|c"},
        {"a carriage return and a line feed", "a\\'0d\\'0ab", "a¶b|c"},
        {"two carriage returns", "a\\'0d\\'0db", "a¶¶b|c"},
        {"a line break, which is no paragraph", "a\\line b",
         "a\u2028"
         "b|c"},
    };
    for (const Row& r : rows) {
        const auto doc = rtftest::readDocument("{\\rtf1\\trowd\\cellx1000\\cellx2000\\intbl " +
                                               r.firstCell + "\\cell c\\cell\\row}");
        const auto tables = rtftest::tablesOf(*doc);
        ASSERT_EQ(tables.size(), 1u) << r.name;
        EXPECT_EQ(rtftest::describe(*tables.front()).toStdString(), r.table) << r.name;
    }
}

QByteArray pngPictureGroup(const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return "{\\pict\\pngblip " + png.toHex() + "}";
}

TEST(RtfParser, PicturesAreNamedInTheOrderTheyAreMet) {
    support::application();
    const rtf::Document model =
        rtf::parse("{\\rtf1 a" + pngPictureGroup({3, 2}) + "b{\\pict\\pngblip 0011}c" +
                   pngPictureGroup({5, 4}) + "}");
    // The picture that cannot be decoded leaves nothing.
    EXPECT_EQ(describe(model.flow), "'a' <rtf-image-1> 'bc' <rtf-image-2> F");
    ASSERT_EQ(model.images.size(), 2u);
    EXPECT_EQ(model.images[0].first, "rtf-image-1");
    EXPECT_EQ(model.images[0].second.size(), QSize(3, 2));
    EXPECT_EQ(model.images[1].first, "rtf-image-2");
    EXPECT_EQ(model.images[1].second.size(), QSize(5, 4));
}

} // namespace
