// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF reader: a tokenizer and a group-state machine that builds a QTextDocument.
// Unknown control words are ignored; damaged input (unbalanced braces, cut files, huge
// numbers) is read as far as it goes and never stops the program.

#include "codepage.h"
#include "rtf/rtf.h"
#include "state.h"
#include "table.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <string_view>

namespace rtf {
namespace {

// Groups nested deeper than this are read as if they were not groups at all.
constexpr int maxDepth = 2000;

bool isHex(unsigned char c) {
    return std::isxdigit(c) != 0;
}
int hexValue(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    return (c | 0x20) - 'a' + 10;
}

class Reader {
public:
    Reader(const QByteArray& data, QTextDocument& doc) : data_(data), doc_(doc), cursor_(&doc) {}

    void run();

private:
    // Tokens
    void controlWord(std::string_view word, bool hasParam, int param);
    void controlSymbol(char c);
    void byte(unsigned char b);
    void openGroup();
    void closeGroup();

    // Output
    void appendByte(unsigned char b);
    void appendUnicode(char16_t c);
    void appendText(const QString& text);
    void flushBytes();
    void flushRun();
    void endParagraph();
    void applyBlockFormat();
    void finishPicture();
    // Sends what follows into the table being read, or closes it and goes back to the text.
    void route(bool inTable);
    bool inTable() const { return !stack_.empty() && stack_.back().para.tableDepth > 0; }
    QTextCursor& out() { return table_.isOpen() ? table_.cursor() : cursor_; }

    bool textWord(std::string_view word, bool hasParam, int param);
    int codePage() const;
    Group& top() { return stack_.back(); }

    const QByteArray& data_;
    QTextDocument& doc_;
    QTextCursor cursor_;
    Tables tables_;

    std::vector<Group> stack_;
    Group outer_;           // the outer group, once it is closed
    int overflow_ = 0;      // groups opened beyond maxDepth
    bool started_ = false;  // the outer group was opened
    bool starNext_ = false; // a \* announces an ignorable destination
    int skipUnits_ = 0;     // fallback units still to skip after \u

    QByteArray pendingBytes_;
    QString pendingText_;
    QTextCharFormat runFormat_;
    bool formatKnown_ = false;
    RowDefinition rowDef_;
    TableBuilder table_;
    // A table nested in a cell is shown inside that cell, one line per row, its cells
    // separated by tabs.
    int pendingTabs_ = 0;       // nested cell separators owed to the next text of the row
    bool afterNestRow_ = false; // nothing was written since the end of a nested row

    QString fontName_;
    int fontNumber_ = -1;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colourGiven_ = false;
    QString fieldInstruction_;
    Picture picture_;
    int imageCount_ = 0;
};

int Reader::codePage() const {
    const Group& g = stack_.back();
    return tables_.codePageOf(g.chr.font);
}

void Reader::run() {
    const int n = int(data_.size());
    int pos = 0;
    while (pos < n) {
        auto c = static_cast<unsigned char>(data_[pos]);
        if (c == '{') {
            ++pos;
            openGroup();
        } else if (c == '}') {
            ++pos;
            closeGroup();
            if (started_ && stack_.empty()) break; // anything after the final brace is ignored
        } else if (c == '\\') {
            ++pos;
            if (pos >= n) break;
            auto d = static_cast<unsigned char>(data_[pos]);
            if (std::isalpha(d)) {
                int start = pos;
                while (pos < n && std::isalpha(static_cast<unsigned char>(data_[pos])))
                    ++pos;
                std::string_view word(data_.constData() + start, std::min(pos - start, 32));
                bool negative = false;
                if (pos + 1 < n && data_[pos] == '-' &&
                    std::isdigit(static_cast<unsigned char>(data_[pos + 1]))) {
                    negative = true;
                    ++pos;
                }
                bool hasParam = false;
                long long value = 0;
                while (pos < n && std::isdigit(static_cast<unsigned char>(data_[pos]))) {
                    hasParam = true;
                    if (value < 100000000000LL) value = value * 10 + (data_[pos] - '0');
                    ++pos;
                }
                if (pos < n && data_[pos] == ' ') ++pos;
                value = std::clamp(negative ? -value : value, -2147483647LL, 2147483647LL);
                int param = int(value);
                if (word == "bin") {
                    // Raw data, even when it looks like RTF: it goes to a picture or nowhere.
                    int count = hasParam ? std::clamp(param, 0, n - pos) : 0;
                    flushBytes();
                    if (skipUnits_ > 0) {
                        --skipUnits_;
                    } else if (!stack_.empty() && top().dest == Dest::Picture) {
                        picture_.data.append(data_.constData() + pos, count);
                        picture_.binary = true;
                    }
                    pos += count;
                } else {
                    controlWord(word, hasParam, param);
                }
            } else if (d == '\'') {
                ++pos;
                if (pos + 1 < n && isHex(data_[pos]) && isHex(data_[pos + 1])) {
                    byte(static_cast<unsigned char>(hexValue(data_[pos]) * 16 +
                                                    hexValue(data_[pos + 1])));
                    pos += 2;
                } else if (pos < n && isHex(data_[pos])) {
                    ++pos; // half a byte at the end of a cut file
                }
            } else if (d == '\r' || d == '\n') {
                ++pos;
                controlWord("par", false, 0);
            } else {
                ++pos;
                controlSymbol(char(d));
            }
        } else if (c == '\r' || c == '\n' || c == 0) {
            ++pos; // line ends are not text
        } else {
            ++pos;
            if (stack_.empty()) continue;
            if (skipUnits_ > 0) {
                --skipUnits_;
                starNext_ = false;
                continue;
            }
            byte(c);
            // A two-byte character: its trail byte is text even when it looks like syntax.
            if (pos < n && isLeadByte(codePage(), c) && top().dest == Dest::Text)
                appendByte(static_cast<unsigned char>(data_[pos++]));
        }
    }
    flushBytes();
    flushRun();
    if (table_.isOpen()) table_.close(cursor_, rowDef_.row(), true);
    if (started_) applyBlockFormat();
}

void Reader::openGroup() {
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

void Reader::closeGroup() {
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

void Reader::byte(unsigned char b) {
    if (stack_.empty()) return;
    starNext_ = false;
    if (skipUnits_ > 0) {
        --skipUnits_;
        return;
    }
    appendByte(b);
}

void Reader::appendByte(unsigned char b) {
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
        if (isHex(b)) picture_.addNibble(hexValue(b));
        break;
    case Dest::Skip:
        break;
    }
}

void Reader::appendUnicode(char16_t c) {
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

void Reader::flushBytes() {
    if (pendingBytes_.isEmpty()) return;
    QByteArray bytes;
    bytes.swap(pendingBytes_);
    appendText(decode(bytes, codePage()));
}

void Reader::appendText(const QString& text) {
    if (stack_.empty() || text.isEmpty()) return;
    route(inTable());
    afterNestRow_ = false;
    QTextCharFormat format = tables_.charFormat(top().chr);
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

void Reader::flushRun() {
    if (pendingText_.isEmpty()) return;
    out().insertText(pendingText_, runFormat_);
    pendingText_.clear();
}

void Reader::route(bool inTable) {
    if (inTable == table_.isOpen()) return;
    flushRun(); // text read before belongs where it was read
    if (inTable)
        table_.open();
    else
        table_.close(cursor_, rowDef_.row());
}

void Reader::applyBlockFormat() {
    const Group& g = stack_.empty() ? outer_ : top();
    out().setBlockFormat(blockFormat(g.para));
    out().setBlockCharFormat(tables_.charFormat(g.chr));
}

void Reader::endParagraph() {
    flushBytes();
    route(inTable());
    flushRun();
    applyBlockFormat();
    out().insertBlock(QTextBlockFormat(), QTextCharFormat());
    pendingTabs_ = 0;
    afterNestRow_ = false;
}

void Reader::finishPicture() {
    Picture picture = std::move(picture_);
    picture_ = Picture{};
    if (stack_.empty() || top().dest != Dest::Text || top().chr.hidden) return;
    QImage image;
    if (picture.decodable() && image.loadFromData(picture.data)) {
        flushBytes();
        route(inTable());
        afterNestRow_ = false;
        flushRun();
        QString name = QStringLiteral("rtf-image-%1").arg(++imageCount_);
        doc_.addResource(QTextDocument::ImageResource, QUrl(name), image);
        QTextImageFormat format;
        format.setName(name);
        QSizeF size = picture.displaySize(image.size());
        format.setWidth(size.width());
        format.setHeight(size.height());
        out().insertImage(format);
    }
}

void Reader::controlSymbol(char c) {
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

void Reader::controlWord(std::string_view word, bool hasParam, int param) {
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

// Control words of the body text. Returns false for a word that means nothing here.
bool Reader::textWord(std::string_view word, bool hasParam, int param) {
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
        tables_.defaultFont = param;
        return true;
    }
    if (int cp = documentCodePage(word, hasParam, param)) {
        tables_.defaultCodePage = cp;
        return true;
    }
    return applyCharacterWord(g.chr, word, hasParam, param) ||
           applyParagraphWord(g.para, word, hasParam, param);
}

} // namespace

bool readRtf(const QByteArray& data, QTextDocument& doc) {
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    qsizetype start = 0;
    if (data.startsWith("\xEF\xBB\xBF")) start = 3;
    while (start < data.size() && std::isspace(static_cast<unsigned char>(data[start])))
        ++start;
    bool isRtf = data.mid(start, 5) == "{\\rtf";
    if (isRtf) {
        rtf::Reader(data.mid(start), doc).run();
        // A text area showing the document laid its pictures out while they were being
        // read; lay it out again now that every picture is in the document, or they stay
        // blank on screen.
        doc.markContentsDirty(0, doc.characterCount());
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(data);
        if (utf8.hasError()) text = rtf::decode(data, 1252);
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
