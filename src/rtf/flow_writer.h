// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a flow of the document model as a text cursor writes a document, and keeps what the
// reader asks of the paragraphs written: how many there are, and which are empty. A text that
// holds a paragraph break (a line feed, a carriage return, U+2029 or one of Qt's frame marks)
// starts a new paragraph there, as QTextCursor::insertText does.

#include "rtf/document.h"

#include <vector>

namespace rtf {

class FlowWriter {
public:
    explicit FlowWriter(Flow& flow) : flow_(flow) {}

    void insertText(const QString& text, const QTextCharFormat& format);
    void insertImage(const QTextImageFormat& format);
    void setParagraphFormat(const QTextBlockFormat& block, const QTextCharFormat& mark);
    void endParagraph(); // a new paragraph of default formats
    void insertTable(std::shared_ptr<const Table> table, bool endsText);

    // The paragraph in hand, counted from 0.
    int paragraphNumber() const { return int(lengths_.size()) - 1; }
    // Whether paragraph n holds no character.
    bool paragraphEmpty(int n) const;

private:
    Flow& flow_;
    std::vector<int> lengths_{0}; // characters of each paragraph
};

} // namespace rtf
