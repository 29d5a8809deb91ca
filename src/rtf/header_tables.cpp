// SPDX-License-Identifier: GPL-3.0-or-later
#include "header_tables.h"
#include "codepage.h"

namespace rtf {

void HeaderTables::setDefaultFont(int number) {
    defaultFont_ = number;
    ++version_;
}

void HeaderTables::setDefaultCodePage(int codePage) {
    defaultCodePage_ = codePage;
    ++version_;
}

void HeaderTables::declareFont(int number) {
    fonts_.try_emplace(number);
    ++version_;
}

void HeaderTables::addFont(int number, const QString& name) {
    ++version_;
    Font& font = fonts_[number];
    font.name = name.trimmed();
    if (font.name.startsWith(QLatin1String("Wingdings"), Qt::CaseInsensitive))
        font.codePage = wingdingsCodePage;
    else if (font.name.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0)
        font.codePage = symbolCodePage;
}

void HeaderTables::setFontCharset(int number, int charset) {
    ++version_;
    Font& font = fonts_[number];
    if (font.codePage == 0) font.codePage = codePageOfCharset(charset);
}

void HeaderTables::setFontCodePage(int number, int codePage) {
    ++version_;
    if (codePage > 0) fonts_[number].codePage = codePage;
}

int HeaderTables::fontEntryCodePage(int number) const {
    auto it = fonts_.find(number);
    int cp = it == fonts_.end() ? 0 : it->second.codePage;
    return cp > 0 ? cp : defaultCodePage_;
}

int HeaderTables::codePageOf(int font) const {
    auto it = fonts_.find(font < 0 ? defaultFont_ : font);
    int cp = it == fonts_.end() ? 0 : it->second.codePage;
    return cp != 0 ? cp : defaultCodePage_;
}

void HeaderTables::addColour(bool given, const QColor& colour) {
    ++version_;
    if (colours_.size() < 4096) colours_.push_back(given ? std::optional(colour) : std::nullopt);
}

std::optional<QColor> HeaderTables::colour(int index) const {
    if (index < 0 || index >= int(colours_.size())) return std::nullopt;
    return colours_[index];
}

QTextCharFormat HeaderTables::charFormat(const CharState& chr) const {
    QTextCharFormat f;
    auto font = fonts_.find(chr.font < 0 ? defaultFont_ : chr.font);
    // Symbol fonts are read as the Unicode characters they draw, in the ordinary font.
    if (font != fonts_.end() && !font->second.name.isEmpty() && font->second.codePage >= 0)
        f.setFontFamilies({font->second.name});
    f.setFontPointSize(chr.halfPoints / 2.0);
    if (chr.bold) f.setFontWeight(QFont::Bold);
    if (chr.italic) f.setFontItalic(true);
    if (chr.underline != QTextCharFormat::NoUnderline) f.setUnderlineStyle(chr.underline);
    if (chr.strike) f.setFontStrikeOut(true);
    if (chr.caps != QFont::MixedCase) f.setFontCapitalization(chr.caps);
    if (chr.vertical != QTextCharFormat::AlignNormal) f.setVerticalAlignment(chr.vertical);
    if (chr.scaleX != 100) f.setFontStretch(chr.scaleX);
    if (auto c = colour(chr.foreground)) f.setForeground(*c);
    if (auto c = colour(chr.background)) f.setBackground(*c);
    if (!chr.href.isEmpty()) {
        f.setAnchor(true);
        f.setAnchorHref(chr.href);
    }
    return f;
}

} // namespace rtf
