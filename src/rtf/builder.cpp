// SPDX-License-Identifier: GPL-3.0-or-later
// The document model written into a QTextDocument, and the reading of RTF data and files: the
// parser, then the builder.

#include "codepage.h"
#include "rtf/document.h"
#include "rtf/rtf.h"
#include "table.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace rtf {
namespace {

void write(const Flow& flow, QTextCursor& cursor) {
    for (const Step& step : flow) {
        switch (step.kind) {
        case Step::Kind::Text:
            cursor.insertText(step.text, step.format);
            break;
        case Step::Kind::Image:
            cursor.insertImage(step.format.toImageFormat());
            break;
        case Step::Kind::ParagraphFormat:
            cursor.setBlockFormat(step.block);
            cursor.setBlockCharFormat(step.format);
            break;
        case Step::Kind::ParagraphEnd:
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
            break;
        case Step::Kind::Table: {
            // The cells' paragraphs are written into a document of their own, from which the
            // table takes them.
            QTextDocument scratch;
            scratch.setUndoRedoEnabled(false);
            QTextCursor cells(&scratch);
            write(step.table->cells, cells);
            buildTable(cursor, scratch, step.table->rows);
            // The text area shows no empty paragraph right after a table: what follows the
            // table starts in the next one.
            if (!step.endsText) cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
            break;
        }
        }
    }
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

void build(const Document& model, QTextDocument& doc) {
    for (const auto& [name, image] : model.images)
        doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextCursor cursor(&doc);
    write(model.flow, cursor);
}

bool readRtf(const QByteArray& data, QTextDocument& doc) {
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    qsizetype start = 0;
    if (data.startsWith("\xEF\xBB\xBF")) start = 3;
    while (start < data.size() && isSpace(data[start]))
        ++start;
    bool isRtf = data.mid(start, 5) == "{\\rtf";
    if (isRtf) {
        build(parse(data.mid(start)), doc);
        // A text area showing the document laid its pictures out while they were being
        // written; lay it out again now that every picture is in the document, or they stay
        // blank on screen.
        doc.markContentsDirty(0, doc.characterCount());
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(data);
        if (utf8.hasError()) text = decode(data, 1252);
        doc.setPlainText(text);
    }
    doc.setUndoRedoEnabled(undo);
    doc.setModified(false);
    return isRtf;
}

bool loadRtfFile(const QString& path, QTextDocument& doc) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    // Exercise texts are small; a huge file is cut rather than exhausting memory.
    constexpr qint64 maxSize = 64 * 1024 * 1024;
    QByteArray data = file.read(maxSize);
    readRtf(data, doc);
    return true;
}

} // namespace rtf
