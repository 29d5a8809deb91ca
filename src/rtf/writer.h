// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The RTF writer's inside, shared by the paragraph and the table parts: 7-bit ASCII, code
// page 1252, one \plain run per fragment so that every reader (WordPad, Word, LibreOffice and
// ours) sees each run's whole formatting.

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QStringList>
#include <QTextFrame>

#include <cmath>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;
class QTextImageFormat;
class QTextTable;

namespace rtf {

inline int toTwips(qreal pixels) {
    return int(std::lround(pixels * 15.0));
}

class Writer {
public:
    explicit Writer(const QTextDocument& doc) : doc_(doc) {}
    QByteArray write();

    int colourIndex(const QColor& c);

private:
    int fontIndex(const QString& family);
    // Numbers the fonts and colours of the text in the order they come.
    void collect(QTextFrame::iterator it);
    void writeRun(QByteArray& out, const QTextCharFormat& f);
    void writeImage(QByteArray& out, const QTextImageFormat& f);
    void writeBlock(QByteArray& out, const QTextBlock& block, bool inTable);
    // The blocks and tables of a frame (or of a table cell) in order: paragraphs end with
    // \par but the last one, which ends with end (\cell in a table, nothing at the end).
    void writeFlow(QByteArray& out, QTextFrame::iterator it, bool inTable, const char* end);
    void writeTable(QByteArray& out, const QTextTable& table);
    void writeRowDefinition(QByteArray& out, const QTextTable& table, int row,
                            const QList<int>& edges);

    const QTextDocument& doc_;
    QStringList fonts_;
    QList<QRgb> colours_;
};

} // namespace rtf
