// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow_writer.h"

#include <QChar>

namespace rtf {
namespace {

// The characters at which QTextCursor::insertText starts a new paragraph (a carriage return
// and a line feed together start one).
bool breaksParagraph(char16_t c) {
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == 0xFDD0 || c == 0xFDD1;
}

} // namespace

void FlowWriter::insertText(const QString& text, const QTextCharFormat& format) {
    if (text.isEmpty()) return;
    Step step;
    step.text = text;
    step.format = format;
    flow_.push_back(std::move(step));
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (!breaksParagraph(c)) {
            ++lengths_.back();
            continue;
        }
        if (c == u'\r' && i + 1 < n && text[i + 1] == QLatin1Char('\n')) ++i;
        lengths_.push_back(0);
    }
}

void FlowWriter::insertImage(const QTextImageFormat& format) {
    Step step;
    step.kind = Step::Kind::Image;
    step.format = format;
    flow_.push_back(std::move(step));
    ++lengths_.back();
}

void FlowWriter::setParagraphFormat(const QTextBlockFormat& block, const QTextCharFormat& mark) {
    Step step;
    step.kind = Step::Kind::ParagraphFormat;
    step.block = block;
    step.format = mark;
    flow_.push_back(std::move(step));
}

void FlowWriter::endParagraph() {
    Step step;
    step.kind = Step::Kind::ParagraphEnd;
    flow_.push_back(std::move(step));
    lengths_.push_back(0);
}

void FlowWriter::insertTable(std::shared_ptr<const Table> table, bool endsText) {
    Step step;
    step.kind = Step::Kind::Table;
    step.table = std::move(table);
    step.endsText = endsText;
    flow_.push_back(std::move(step));
}

bool FlowWriter::paragraphEmpty(int n) const {
    return n < 0 || n >= int(lengths_.size()) || lengths_[std::size_t(n)] == 0;
}

} // namespace rtf
