// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the table tests: the tables of a document and what a reader sees of them.

#include "rtf_support.h"

#include <QTextCursor>
#include <QTextFrame>
#include <QTextTable>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace rtftest {

inline std::vector<QTextTable*> tablesOf(const QTextDocument& doc) {
    std::vector<QTextTable*> out;
    for (QTextFrame* f : doc.rootFrame()->childFrames())
        if (auto* t = qobject_cast<QTextTable*>(f)) out.push_back(t);
    return out;
}

// The paragraphs of a cell, joined by "¶".
inline QString cellText(const QTextTableCell& cell) {
    QStringList paragraphs;
    for (auto it = cell.begin(); !it.atEnd(); ++it)
        if (it.currentBlock().isValid()) paragraphs << it.currentBlock().text();
    return paragraphs.join(QStringLiteral("¶"));
}

// The table row by row: "A|B / C|D"; a merged cell as "text{rows x columns}", the places it
// covers as "<" (from the left) or "^" (from above).
inline QString describe(const QTextTable& t) {
    QStringList rows;
    for (int r = 0; r < t.rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < t.columns(); ++c) {
            const QTextTableCell cell = t.cellAt(r, c);
            if (cell.row() != r) {
                cells << QStringLiteral("^");
            } else if (cell.column() != c) {
                cells << QStringLiteral("<");
            } else {
                QString s = cellText(cell);
                if (cell.rowSpan() > 1 || cell.columnSpan() > 1)
                    s += QStringLiteral("{%1x%2}").arg(cell.rowSpan()).arg(cell.columnSpan());
                cells << s;
            }
        }
        rows << cells.join(QLatin1Char('|'));
    }
    return rows.join(QStringLiteral(" / "));
}

// Column widths in twips.
inline std::vector<int> widthsOf(const QTextTable& t) {
    std::vector<int> out;
    for (const QTextLength& l : t.format().columnWidthConstraints())
        out.push_back(int(std::lround(l.rawValue() * 15)));
    return out;
}

// The borders of a cell in twips, top, left, bottom, right (0: none).
inline std::array<int, 4> bordersOf(const QTextTableCell& cell) {
    const QTextTableCellFormat f = cell.format().toTableCellFormat();
    auto twips = [](qreal width, QTextFrameFormat::BorderStyle style) {
        return style == QTextFrameFormat::BorderStyle_None ? 0 : int(std::lround(width * 15));
    };
    return {twips(f.topBorder(), f.topBorderStyle()), twips(f.leftBorder(), f.leftBorderStyle()),
            twips(f.bottomBorder(), f.bottomBorderStyle()),
            twips(f.rightBorder(), f.rightBorderStyle())};
}

inline std::unique_ptr<QTextDocument> readDocument(const QByteArray& rtf) {
    support::application();
    auto doc = std::make_unique<QTextDocument>();
    rtf::readRtf(rtf, *doc);
    return doc;
}

// A Word row: gap of 108 twips, each cell bordered by single lines of half a point.
inline QByteArray wordRow(std::initializer_list<int> edges) {
    QByteArray out = "\\trowd\\trgaph108\\trleft-108";
    for (int e : edges)
        out += "\\clbrdrt\\brdrs\\brdrw10 \\clbrdrl\\brdrs\\brdrw10 \\clbrdrb\\brdrs\\brdrw10 "
               "\\clbrdrr\\brdrs\\brdrw10 \\cellx" +
               QByteArray::number(e);
    return out;
}

} // namespace rtftest
