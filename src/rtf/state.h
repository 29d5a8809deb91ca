// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state the RTF reader keeps per group (character and paragraph formatting, the
// destination) and per document (font and colour tables), and how it maps onto Qt formats.

#include <QByteArray>
#include <QColor>
#include <QSizeF>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace rtf {

// Where the text of a group goes.
enum class Dest { Text, Skip, FontTable, ColorTable, FieldInstruction, Picture };

struct CharState {
    int font = -1; // number in the font table; -1 is the default font
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    QTextCharFormat::UnderlineStyle underline = QTextCharFormat::NoUnderline;
    QFont::Capitalization caps = QFont::MixedCase;
    int foreground = -1; // index in the colour table; -1 is automatic
    int background = -1;
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal;
    int scaleX = 100;
    QString href; // inside the result of a hyperlink field
};

struct ParaState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int left = 0, right = 0, firstLine = 0; // twips
    int before = 0, after = 0;              // twips
    int lineSpacing = 0;                    // \sl, twips; 0 is automatic
    bool lineMultiple = false;              // \slmult1
    int tableDepth = 0;                     // \intbl, \itapN: 1 in a table, 2 in a nested one
};

struct Group {
    CharState chr;
    ParaState para;
    int uc = 1;
    Dest dest = Dest::Text;
    bool pictureRoot = false; // the group that opened a \pict
};

class Tables {
public:
    int defaultFont = 0;
    int defaultCodePage = 1252;

    void declareFont(int number);
    void addFont(int number, const QString& name);
    void setFontCharset(int number, int charset);
    void setFontCodePage(int number, int codePage);
    // The code page of a font entry's own name.
    int fontEntryCodePage(int number) const;
    // The code page of text in a font (-1 is the default font).
    int codePageOf(int font) const;

    void addColour(bool given, const QColor& colour);
    // The colour of an entry of the colour table; none for "automatic" or a missing entry.
    std::optional<QColor> colour(int index) const;
    QTextCharFormat charFormat(const CharState& chr) const;

private:
    struct Font {
        QString name;
        int codePage = 0; // 0: the document's
    };
    std::map<int, Font> fonts_;
    std::vector<std::optional<QColor>> colours_;
};

struct Picture {
    enum class Kind { Unknown, Png, Jpeg, Other };
    Kind kind = Kind::Unknown;
    QByteArray data;
    bool binary = false;
    int nibble = -1;
    int goalWidth = 0, goalHeight = 0; // twips
    int scaleX = 100, scaleY = 100;

    void addNibble(int value);
    void controlWord(std::string_view word, bool hasParam, int param);
    bool decodable() const { return kind == Kind::Png || kind == Kind::Jpeg; }
    // The displayed size in document pixels.
    QSizeF displaySize(const QSize& imageSize) const;
};

// Destinations written without \* whose content is not body text.
bool isSkippedDestination(std::string_view word);
// The character a control word stands for (\tab, \emdash, \line ...), or 0.
char16_t specialCharacter(std::string_view word);
// The document code page set by \ansi, \mac, \pc, \pca or \ansicpgN, or 0.
int documentCodePage(std::string_view word, bool hasParam, int param);

bool applyCharacterWord(CharState& chr, std::string_view word, bool hasParam, int param);
bool applyParagraphWord(ParaState& para, std::string_view word, bool hasParam, int param);
QTextBlockFormat blockFormat(const ParaState& para);

// Twips (1/20 point) to document pixels (1/96 inch) and back.
inline qreal twipsToPixels(int twips) {
    return twips / 15.0;
}

} // namespace rtf
