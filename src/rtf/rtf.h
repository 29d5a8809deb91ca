// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rich text (RTF) to and from QTextDocument. Qt reads no RTF, so the exercise texts,
// written by WordPad, Word or LibreOffice, go through this reader; the text area is saved
// back through the writer, whose output those programs open with the same formatting.

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace rtf {

// Replaces the content of doc by the rich text in data. Data that is not RTF at all is shown
// as plain text and false is returned; damaged RTF is shown as far as it can be read.
bool readRtf(const QByteArray& data, QTextDocument& doc);

// The whole document as RTF: 7-bit ASCII, code page 1252, font and colour tables.
QByteArray writeRtf(const QTextDocument& doc);

// File helpers: false when the file cannot be read or written.
bool loadRtfFile(const QString& path, QTextDocument& doc);
bool saveRtfFile(const QString& path, const QTextDocument& doc);

} // namespace rtf
