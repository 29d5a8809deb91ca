// SPDX-License-Identifier: GPL-3.0-or-later
// The body text as the parser writes it into the model: bytes decoded in the code page of their
// font, runs of one format, paragraphs and their formats, pictures, and the paragraphs that go
// into a table's cells (a table nested in a cell is shown inside that cell, one line per row,
// its cells separated by tabs).

#include "codepage.h"
#include "control_words.h"
#include "parser.h"

#include <QImage>
#include <QTextImageFormat>

namespace rtf {

void Parser::appendByte(unsigned char b) {
    Group& g = top();
    switch (g.dest) {
    case Dest::Text:
        if (!g.chr.hidden) pendingBytes_.append(char(b));
        break;
    case Dest::FontTable:
        if (b == ';') {
            tables_.addFont(fontNumber_, fontName_);
            fontName_.clear();
        } else {
            fontName_ += decode(QByteArray(1, char(b)), tables_.fontEntryCodePage(fontNumber_));
        }
        break;
    case Dest::ColorTable:
        if (b == ';') {
            tables_.addColour(colourGiven_, QColor(red_, green_, blue_));
            red_ = green_ = blue_ = 0;
            colourGiven_ = false;
        }
        break;
    case Dest::FieldInstruction:
        fieldInstruction_ += QChar(b);
        break;
    case Dest::Picture:
        picture_.addHexDigit(b);
        break;
    case Dest::Skip:
        break;
    }
}

void Parser::appendUnicode(char16_t c) {
    Group& g = top();
    if (g.dest == Dest::FontTable) {
        fontName_ += QChar(c);
        return;
    }
    if (g.dest == Dest::FieldInstruction) {
        fieldInstruction_ += QChar(c);
        return;
    }
    if (g.dest != Dest::Text || g.chr.hidden) return;
    flushBytes();
    appendText(QString(QChar(symbolFromPrivateUse(codePage(), c))));
}

void Parser::flushBytes() {
    if (pendingBytes_.isEmpty()) return;
    QByteArray bytes;
    bytes.swap(pendingBytes_);
    appendText(decode(bytes, codePage()));
}

void Parser::appendText(const QString& text) {
    if (stack_.empty() || text.isEmpty()) return;
    route(inTable());
    afterNestRow_ = false;
    const QTextCharFormat& format = charFormat(top().chr);
    if (!formatKnown_ || format != runFormat_) {
        flushRun();
        runFormat_ = format;
        formatKnown_ = true;
    }
    if (pendingTabs_ > 0) {
        pendingText_ += QString(pendingTabs_, QLatin1Char('\t'));
        pendingTabs_ = 0;
    }
    pendingText_ += text;
}

const QTextCharFormat& Parser::charFormat(const CharState& chr) {
    if (!madeFor_ || !(*madeFor_ == chr) || madeWith_ != tables_.version()) {
        made_ = tables_.charFormat(chr);
        madeFor_ = chr;
        madeWith_ = tables_.version();
    }
    return made_;
}

void Parser::flushRun() {
    if (pendingText_.isEmpty()) return;
    out().insertText(pendingText_, runFormat_);
    pendingText_.clear();
}

void Parser::route(bool inTable) {
    if (inTable == table_.isOpen()) return;
    flushRun(); // text read before belongs where it was read
    if (inTable)
        table_.open();
    else
        closeTable(false);
}

void Parser::closeTable(bool endsText) {
    if (std::shared_ptr<const Table> table = table_.close(rowDef_.row()))
        main_.insertTable(std::move(table), endsText);
}

void Parser::applyBlockFormat() {
    const Group& g = stack_.empty() ? outer_ : top();
    out().setParagraphFormat(blockFormat(g.para), charFormat(g.chr));
}

void Parser::endParagraph() {
    flushBytes();
    route(inTable());
    flushRun();
    applyBlockFormat();
    out().endParagraph();
    pendingTabs_ = 0;
    afterNestRow_ = false;
}

void Parser::finishPicture() {
    Picture picture = std::move(picture_);
    picture_ = Picture{};
    if (stack_.empty() || top().dest != Dest::Text || top().chr.hidden) return;
    QImage image;
    if (picture.decodable() && image.loadFromData(picture.data)) {
        flushBytes();
        route(inTable());
        afterNestRow_ = false;
        flushRun();
        const QString name = QStringLiteral("rtf-image-%1").arg(model_.images.size() + 1);
        QTextImageFormat format;
        format.setName(name);
        const QSizeF size = picture.displaySize(image.size());
        format.setWidth(size.width());
        format.setHeight(size.height());
        model_.images.emplace_back(name, std::move(image));
        out().insertImage(format);
    }
}

bool Parser::textWord(std::string_view word, bool hasParam, int param) {
    Group& g = top();
    if (word == "par") {
        endParagraph();
        return true;
    }
    if (word == "cell" || word == "row") {
        route(true);
        flushRun();
        applyBlockFormat();
        if (word == "cell")
            table_.endCell(afterNestRow_);
        else
            table_.endRow(rowDef_.row());
        pendingTabs_ = 0;
        afterNestRow_ = false;
        return true;
    }
    if (word == "nestcell") {
        route(true);
        flushRun();
        ++pendingTabs_;
        return true;
    }
    if (word == "nestrow") {
        endParagraph();
        afterNestRow_ = true;
        return true;
    }
    if (rowDef_.controlWord(word, hasParam, param, tables_)) return true;
    if (word == "page" || word == "sect") {
        endParagraph();
        return true;
    }
    if (char16_t special = specialCharacter(word)) {
        appendUnicode(special);
        return true;
    }
    if (word == "deff") {
        tables_.setDefaultFont(param);
        return true;
    }
    if (int cp = documentCodePage(word, hasParam, param)) {
        tables_.setDefaultCodePage(cp);
        return true;
    }
    return applyCharacterWord(g.chr, word, hasParam, param) ||
           applyParagraphWord(g.para, word, hasParam, param);
}

} // namespace rtf
