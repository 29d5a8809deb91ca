// SPDX-License-Identifier: GPL-3.0-or-later
// The parser's handling of tokens: groups, destinations (font and colour tables, fields,
// pictures, skipped destinations), Unicode characters and their fallbacks, and the dispatch of
// the remaining control words to the body text.

#include "parser.h"
#include "codepage.h"
#include "control_words.h"

#include <QRegularExpression>

#include <algorithm>

namespace rtf {
namespace {

// Groups nested deeper than this are read as if they were not groups at all.
constexpr int maxDepth = 2000;

} // namespace

Document parse(const QByteArray& data) {
    Document model;
    Parser(data, model).run();
    return model;
}

int Parser::codePage() const {
    return tables_.codePageOf(stack_.back().chr.font);
}

void Parser::run() {
    for (Token t = tokens_.next(); t.kind != Token::Kind::End; t = tokens_.next()) {
        switch (t.kind) {
        case Token::Kind::GroupOpen:
            openGroup();
            break;
        case Token::Kind::GroupClose:
            closeGroup();
            break;
        case Token::Kind::ControlWord:
            controlWord(t.word, t.hasParam, t.param);
            break;
        case Token::Kind::ControlSymbol:
            controlSymbol(t.symbol);
            break;
        case Token::Kind::HexByte:
            byte(t.byte);
            break;
        case Token::Kind::TextByte:
            textByte(t.byte);
            break;
        case Token::Kind::Binary:
            binary(t.data);
            break;
        case Token::Kind::End:
            break;
        }
        if (started_ && stack_.empty()) break; // anything after the final brace is ignored
    }
    flushBytes();
    flushRun();
    if (table_.isOpen()) closeTable(true);
    if (started_) applyBlockFormat();
}

void Parser::openGroup() {
    skipUnits_ = 0;
    flushBytes();
    if (!started_) {
        started_ = true;
        stack_.push_back(Group{});
        return;
    }
    if (stack_.empty()) return;
    if (int(stack_.size()) >= maxDepth) {
        ++overflow_;
        return;
    }
    Group g = top();
    g.pictureRoot = false;
    stack_.push_back(g);
    starNext_ = false;
}

void Parser::closeGroup() {
    skipUnits_ = 0;
    starNext_ = false;
    flushBytes();
    if (overflow_ > 0) {
        --overflow_;
        return;
    }
    if (stack_.empty()) return;
    Group closing = top();
    if (closing.dest == Dest::FontTable && !fontName_.isEmpty()) {
        tables_.addFont(fontNumber_, fontName_);
        fontName_.clear();
    }
    if (closing.dest == Dest::ColorTable && colourGiven_ &&
        (stack_.size() < 2 || stack_[stack_.size() - 2].dest != Dest::ColorTable)) {
        // A last entry without its ";".
        tables_.addColour(true, QColor(red_, green_, blue_));
        colourGiven_ = false;
    }
    if (stack_.size() == 1) {
        outer_ = closing; // the last paragraph takes the formatting in force at the end
        stack_.clear();
        return;
    }
    stack_.pop_back();
    if (closing.pictureRoot) finishPicture();
}

void Parser::textByte(unsigned char b) {
    if (stack_.empty()) return;
    if (skipUnits_ > 0) {
        --skipUnits_;
        starNext_ = false;
        return;
    }
    byte(b);
    // A two-byte character: its trail byte is text even when it looks like syntax.
    unsigned char trail = 0;
    if (b >= 0x81 && isLeadByte(codePage(), b) && top().dest == Dest::Text &&
        tokens_.takeTrailByte(trail))
        appendByte(trail);
}

void Parser::byte(unsigned char b) {
    if (stack_.empty()) return;
    starNext_ = false;
    if (skipUnits_ > 0) {
        --skipUnits_;
        return;
    }
    appendByte(b);
}

void Parser::binary(std::string_view data) {
    // Raw data goes to a picture or nowhere; as a fallback it counts as one unit.
    flushBytes();
    if (skipUnits_ > 0) {
        --skipUnits_;
    } else if (!stack_.empty() && top().dest == Dest::Picture) {
        picture_.data.append(data.data(), qsizetype(data.size()));
        picture_.binary = true;
    }
}

void Parser::controlSymbol(char c) {
    if (stack_.empty()) return;
    if (c == '*') {
        starNext_ = true;
        return;
    }
    if (skipUnits_ > 0) {
        --skipUnits_;
        return;
    }
    starNext_ = false;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        appendByte(static_cast<unsigned char>(c));
        break;
    case '~':
        appendUnicode(0x00A0);
        break;
    case '-':
        appendUnicode(0x00AD);
        break;
    case '_':
        appendUnicode(0x2011);
        break;
    case '\t':
        appendUnicode(u'\t');
        break;
    default:
        break; // \: \| and the rest mean nothing to a reader
    }
}

void Parser::controlWord(std::string_view word, bool hasParam, int param) {
    if (stack_.empty()) return;
    if (skipUnits_ > 0) {
        --skipUnits_;
        starNext_ = false;
        return;
    }
    flushBytes();
    Group& g = top();
    if (g.dest == Dest::Skip) return;
    const bool starred = starNext_;
    starNext_ = false;

    // Destinations
    if (word == "fonttbl") {
        g.dest = Dest::FontTable;
        return;
    }
    if (word == "colortbl") {
        g.dest = Dest::ColorTable;
        return;
    }
    if (word == "pict") {
        g.dest = Dest::Picture;
        g.pictureRoot = true;
        picture_ = Picture{};
        return;
    }
    if (word == "fldinst") {
        g.dest = Dest::FieldInstruction;
        fieldInstruction_.clear();
        return;
    }
    if (word == "fldrslt") {
        g.dest = Dest::Text;
        static const QRegularExpression link(
            QStringLiteral(R"(HYPERLINK\s+(\\\\?l\s+)?"([^"]*)\")"));
        auto m = link.match(fieldInstruction_);
        if (m.hasMatch())
            g.chr.href =
                (m.capturedLength(1) > 0 ? QStringLiteral("#") : QString()) + m.captured(2);
        return;
    }
    if (word == "field") {
        fieldInstruction_.clear();
        return;
    }
    if (word == "shppict") return; // read what it holds
    if (word == "nesttableprops") {
        // The definition of a nested row, which ends it (with the \nestrow it holds).
        endParagraph();
        afterNestRow_ = true;
        g.dest = Dest::Skip;
        return;
    }
    if (starred || isSkippedDestination(word)) {
        g.dest = Dest::Skip;
        return;
    }

    // Unicode characters belong to font names and field instructions as well as to text.
    if (word == "u") {
        int code = param < 0 ? param + 65536 : param;
        appendUnicode(char16_t(std::clamp(code, 0, 0xFFFF)));
        skipUnits_ = g.uc;
        return;
    }
    if (word == "uc") {
        g.uc = std::clamp(param, 0, 10);
        return;
    }

    switch (g.dest) {
    case Dest::FontTable:
        if (word == "f") {
            if (!fontName_.isEmpty()) tables_.addFont(fontNumber_, fontName_);
            fontName_.clear();
            fontNumber_ = param;
            tables_.declareFont(param);
        } else if (word == "fcharset") {
            tables_.setFontCharset(fontNumber_, param);
        } else if (word == "cpg") {
            tables_.setFontCodePage(fontNumber_, param);
        }
        return;
    case Dest::ColorTable:
        if (word == "red")
            red_ = std::clamp(param, 0, 255), colourGiven_ = true;
        else if (word == "green")
            green_ = std::clamp(param, 0, 255), colourGiven_ = true;
        else if (word == "blue")
            blue_ = std::clamp(param, 0, 255), colourGiven_ = true;
        return;
    case Dest::Picture:
        picture_.controlWord(word, hasParam, param);
        return;
    case Dest::FieldInstruction:
    case Dest::Skip:
        return;
    case Dest::Text:
        break;
    }
    textWord(word, hasParam, param);
}

} // namespace rtf
