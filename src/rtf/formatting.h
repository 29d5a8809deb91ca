// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Character and paragraph formatting: the properties a group carries (\b, \fs24, \qc, \li720
// ...), changed by the control words that name them, and the paragraph's QTextBlockFormat.

#include <QFont>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <string_view>

namespace rtf {

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

    bool operator==(const CharState&) const = default;
};

struct ParaState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int left = 0, right = 0, firstLine = 0; // twips
    int before = 0, after = 0;              // twips
    int lineSpacing = 0;                    // \sl, twips; 0 is automatic
    bool lineMultiple = false;              // \slmult1
    int tableDepth = 0;                     // \intbl, \itapN: 1 in a table, 2 in a nested one
};

// False for a word that is not a character (or paragraph) property.
bool applyCharacterWord(CharState& chr, std::string_view word, bool hasParam, int param);
bool applyParagraphWord(ParaState& para, std::string_view word, bool hasParam, int param);
QTextBlockFormat blockFormat(const ParaState& para);

// Twips (1/20 point) to document pixels (1/96 inch).
inline qreal twipsToPixels(int twips) {
    return twips / 15.0;
}

} // namespace rtf
