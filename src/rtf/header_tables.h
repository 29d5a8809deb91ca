// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tables of a document's header: fonts (\fonttbl, with their code pages) and colours
// (\colortbl), and the character format of text in a given state, which names them.

#include "formatting.h"

#include <QColor>
#include <QString>
#include <QTextCharFormat>

#include <map>
#include <optional>
#include <vector>

namespace rtf {

class HeaderTables {
public:
    void setDefaultFont(int number);       // \deffN
    void setDefaultCodePage(int codePage); // \ansi, \ansicpgN ...
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
    // Changes whenever a table or a default changes: a format made for a state holds as long.
    int version() const { return version_; }

private:
    struct Font {
        QString name;
        int codePage = 0; // 0: the document's
    };
    std::map<int, Font> fonts_;
    std::vector<std::optional<QColor>> colours_;
    int defaultFont_ = 0;
    int defaultCodePage_ = 1252;
    int version_ = 0;
};

} // namespace rtf
