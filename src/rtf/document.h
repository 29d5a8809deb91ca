// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document model between the RTF parser and QTextDocument. The parser turns bytes into a
// flow of steps, in the order a text cursor writes them (runs of formatted text, pictures, the
// formats of the paragraph in hand, paragraph ends, tables); build() writes that flow into a
// QTextDocument. Parsing alone lays nothing out and creates no document, so that damaged files
// can be tried at parser speed; readRtf() (rtf.h) is the two steps together.
//
// A table is kept as read: the definitions of its rows and, for each cell, the range of
// paragraphs it holds in the flow of all its cells, one after the other. It is laid on one grid
// (the union of the rows' cell edges) when it is built.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextFormat>
#include <QTextImageFormat>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QTextDocument;

namespace rtf {

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

// The paragraphs of one cell: their numbers in the flow of the table's cells.
struct CellContent {
    int first = 0, last = 0;
    bool empty = false; // one empty paragraph
};

struct Row {
    RowDef def;
    std::vector<CellContent> cells;
};

struct Table;

// One step of a flow, as a text cursor writes it.
struct Step {
    enum class Kind {
        Text,            // text in format (QTextCursor::insertText)
        Image,           // a picture: format is a QTextImageFormat naming one of the images
        ParagraphFormat, // the formats of the paragraph in hand: block, and format for its mark
        ParagraphEnd,    // a new paragraph follows, of default formats
        Table,           // a table; endsText: nothing follows it
    };
    Kind kind = Kind::Text;
    QString text;
    QTextCharFormat format;
    QTextBlockFormat block;
    std::shared_ptr<const Table> table;
    bool endsText = false;
};
using Flow = std::vector<Step>;

struct Table {
    std::vector<Row> rows;
    Flow cells; // the cells' paragraphs, one cell after the other; no table among them
};

struct Document {
    Flow flow;
    std::vector<std::pair<QString, QImage>> images; // the pictures, by the names images use
};

// The model of RTF data (starting with "{\rtf"; anything else is read as far as it goes).
Document parse(const QByteArray& data);
// Writes the model at the start of an empty document.
void build(const Document& model, QTextDocument& doc);

} // namespace rtf
