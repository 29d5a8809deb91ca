// SPDX-License-Identifier: GPL-3.0-or-later
// Tables written as Word writes them: each row defined by \trowd ... \cellxN (one cell per
// column, merged cells marked \clmgf/\clmrg across and \clvmgf/\clvmrg down), then its cells'
// paragraphs marked \intbl, each cell ended by \cell and the row by \row.

#include "writer.h"

#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <optional>

namespace rtf {
namespace {

// The width the text of a page has when the document does not say: 6.5 inches.
constexpr qreal defaultTextWidth = 624;

qreal textWidthOf(const QTextDocument& doc) {
    if (doc.textWidth() > 0) return doc.textWidth();
    if (doc.pageSize().width() > 0) return doc.pageSize().width();
    return defaultTextWidth;
}

// The right edges of the columns in twips, from the left edge of the first: fixed widths as
// they are, percentages of the text width, the others sharing what is left.
QList<int> columnEdges(const QTextTable& table, qreal textWidth) {
    const QList<QTextLength> constraints = table.format().columnWidthConstraints();
    const int columns = table.columns();
    QList<qreal> widths(columns, -1);
    qreal used = 0;
    int free = 0;
    for (int c = 0; c < columns; ++c) {
        const QTextLength length = c < constraints.size() ? constraints[c] : QTextLength();
        if (length.type() == QTextLength::FixedLength)
            widths[c] = length.rawValue();
        else if (length.type() == QTextLength::PercentageLength)
            widths[c] = length.rawValue() * textWidth / 100;
        if (widths[c] >= 0)
            used += widths[c];
        else
            ++free;
    }
    const qreal share = free > 0 ? std::max<qreal>(24, (textWidth - used) / free) : 0;
    QList<int> edges;
    int right = 0;
    for (qreal w : widths) {
        right += std::max(30, toTwips(w >= 0 ? w : share));
        edges << right;
    }
    return edges;
}

struct BorderOut {
    QTextFrameFormat::BorderStyle style;
    qreal width;
    QBrush brush;
};

// A cell side's border: the cell's own, else the table's (around every cell when the
// table's borders are not collapsed).
std::optional<BorderOut> borderOf(const QTextTableCellFormat& cell, const QTextTableFormat& table,
                                  int side) {
    static constexpr QTextFormat::Property widths[] = {
        QTextFormat::TableCellTopBorder, QTextFormat::TableCellLeftBorder,
        QTextFormat::TableCellBottomBorder, QTextFormat::TableCellRightBorder};
    static constexpr QTextFormat::Property styles[] = {
        QTextFormat::TableCellTopBorderStyle, QTextFormat::TableCellLeftBorderStyle,
        QTextFormat::TableCellBottomBorderStyle, QTextFormat::TableCellRightBorderStyle};
    static constexpr QTextFormat::Property brushes[] = {
        QTextFormat::TableCellTopBorderBrush, QTextFormat::TableCellLeftBorderBrush,
        QTextFormat::TableCellBottomBorderBrush, QTextFormat::TableCellRightBorderBrush};
    BorderOut b{QTextFrameFormat::BorderStyle_Solid, table.border(), table.borderBrush()};
    if (cell.hasProperty(widths[side])) {
        b.width = cell.doubleProperty(widths[side]);
        if (cell.hasProperty(styles[side]))
            b.style = QTextFrameFormat::BorderStyle(cell.intProperty(styles[side]));
        if (cell.hasProperty(brushes[side])) b.brush = cell.brushProperty(brushes[side]);
    }
    if (b.width <= 0 || b.style == QTextFrameFormat::BorderStyle_None) return std::nullopt;
    return b;
}

const char* styleWord(QTextFrameFormat::BorderStyle style) {
    switch (style) {
    case QTextFrameFormat::BorderStyle_Double:
        return "\\brdrdb";
    case QTextFrameFormat::BorderStyle_Dotted:
        return "\\brdrdot";
    case QTextFrameFormat::BorderStyle_Dashed:
        return "\\brdrdash";
    case QTextFrameFormat::BorderStyle_DotDash:
        return "\\brdrdashd";
    case QTextFrameFormat::BorderStyle_DotDotDash:
        return "\\brdrdashdd";
    case QTextFrameFormat::BorderStyle_Groove:
        return "\\brdrengrave";
    case QTextFrameFormat::BorderStyle_Ridge:
        return "\\brdremboss";
    case QTextFrameFormat::BorderStyle_Inset:
        return "\\brdrinset";
    case QTextFrameFormat::BorderStyle_Outset:
        return "\\brdroutset";
    default:
        return "\\brdrs";
    }
}

// The padding of a cell side in twips: the cell's own, else the table's.
int paddingOf(const QTextTableCellFormat& cell, const QTextTableFormat& table, int side) {
    static constexpr QTextFormat::Property properties[] = {
        QTextFormat::TableCellTopPadding, QTextFormat::TableCellLeftPadding,
        QTextFormat::TableCellBottomPadding, QTextFormat::TableCellRightPadding};
    return toTwips(cell.hasProperty(properties[side]) ? cell.doubleProperty(properties[side])
                                                      : table.cellPadding());
}

QByteArray number(int n) {
    return QByteArray::number(n);
}

} // namespace

void Writer::writeRowDefinition(QByteArray& out, const QTextTable& table, int row,
                                const QList<int>& edges) {
    const QTextTableFormat tf = table.format();
    const QTextTableCellFormat first = table.cellAt(row, 0).format().toTableCellFormat();
    int rowPadding[4];
    for (int side = 0; side < 4; ++side)
        rowPadding[side] = paddingOf(first, tf, side);
    const int gap = rowPadding[1];
    const Qt::Alignment alignment = tf.alignment() & Qt::AlignHorizontal_Mask;
    // A table on the margin is written as Word writes it, one gap before the margin.
    const int margin =
        alignment == Qt::AlignHCenter || alignment == Qt::AlignRight ? 0 : toTwips(tf.leftMargin());
    const int left = margin > 0 ? margin : -gap;
    out += "\\trowd\\trgaph" + number(gap) + "\\trleft" + number(left);
    if (alignment == Qt::AlignHCenter) out += "\\trqc";
    if (alignment == Qt::AlignRight) out += "\\trqr";
    out += "\\trpaddl" + number(rowPadding[1]) + "\\trpaddr" + number(rowPadding[3]) + "\\trpaddt" +
           number(rowPadding[0]) + "\\trpaddb" + number(rowPadding[2]) +
           "\\trpaddfl3\\trpaddfr3\\trpaddft3\\trpaddfb3\r\n";
    for (int c = 0; c < table.columns(); ++c) {
        const QTextTableCell cell = table.cellAt(row, c);
        const QTextTableCellFormat f = cell.format().toTableCellFormat();
        if (cell.rowSpan() > 1) out += cell.row() == row ? "\\clvmgf" : "\\clvmrg";
        if (cell.columnSpan() > 1) out += cell.column() == c ? "\\clmgf" : "\\clmrg";
        if (f.verticalAlignment() == QTextCharFormat::AlignMiddle) out += "\\clvertalc";
        if (f.verticalAlignment() == QTextCharFormat::AlignBottom) out += "\\clvertalb";
        static constexpr const char* sides[] = {"\\clbrdrt", "\\clbrdrl", "\\clbrdrb", "\\clbrdrr"};
        for (int side = 0; side < 4; ++side) {
            const auto b = borderOf(f, tf, side);
            if (!b) continue;
            out += sides[side];
            out += styleWord(b->style);
            out += "\\brdrw" + number(std::max(1, toTwips(b->width)));
            if (b->brush.style() != Qt::NoBrush && b->brush.color() != QColor(Qt::black))
                out += "\\brdrcf" + number(colourIndex(b->brush.color()));
        }
        if (f.background().style() != Qt::NoBrush)
            out += "\\clcbpat" + number(colourIndex(f.background().color()));
        // Word writes the left padding as \clpadt and the top one as \clpadl.
        static constexpr const char* pads[] = {"\\clpadl", "\\clpadt", "\\clpadb", "\\clpadr"};
        static constexpr const char* units[] = {"\\clpadfl3", "\\clpadft3", "\\clpadfb3",
                                                "\\clpadfr3"};
        for (int side = 0; side < 4; ++side) {
            const int padding = paddingOf(f, tf, side);
            if (padding != rowPadding[side]) out += pads[side] + number(padding) + units[side];
        }
        out += "\\cellx" + number(left + edges[c]) + "\r\n";
    }
}

void Writer::writeTable(QByteArray& out, const QTextTable& table) {
    const QList<int> edges = columnEdges(table, textWidthOf(doc_));
    for (int r = 0; r < table.rows(); ++r) {
        writeRowDefinition(out, table, r, edges);
        for (int c = 0; c < table.columns(); ++c) {
            const QTextTableCell cell = table.cellAt(r, c);
            if (cell.row() == r && cell.column() == c)
                writeFlow(out, cell.begin(), true, "\\cell\r\n");
            else
                out += "\\pard\\intbl\\cell\r\n"; // a place taken by a merged cell
        }
        out += "\\row\r\n";
    }
}

} // namespace rtf
