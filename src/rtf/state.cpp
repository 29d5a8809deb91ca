// SPDX-License-Identifier: GPL-3.0-or-later
#include "state.h"
#include "codepage.h"

#include <algorithm>
#include <array>

namespace rtf {
namespace {

bool toggle(bool hasParam, int param) {
    return !hasParam || param != 0;
}

// Twips beyond 22 inches are nonsense from a damaged file.
int twips(int value) {
    return std::clamp(value, -31680, 31680);
}

} // namespace

void Tables::declareFont(int number) {
    fonts_.try_emplace(number);
}

void Tables::addFont(int number, const QString& name) {
    Font& font = fonts_[number];
    font.name = name.trimmed();
    if (font.name.startsWith(QLatin1String("Wingdings"), Qt::CaseInsensitive))
        font.codePage = wingdingsCodePage;
    else if (font.name.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0)
        font.codePage = symbolCodePage;
}

void Tables::setFontCharset(int number, int charset) {
    Font& font = fonts_[number];
    if (font.codePage == 0) font.codePage = codePageOfCharset(charset);
}

void Tables::setFontCodePage(int number, int codePage) {
    if (codePage > 0) fonts_[number].codePage = codePage;
}

int Tables::fontEntryCodePage(int number) const {
    auto it = fonts_.find(number);
    int cp = it == fonts_.end() ? 0 : it->second.codePage;
    return cp > 0 ? cp : defaultCodePage;
}

int Tables::codePageOf(int font) const {
    auto it = fonts_.find(font < 0 ? defaultFont : font);
    int cp = it == fonts_.end() ? 0 : it->second.codePage;
    return cp != 0 ? cp : defaultCodePage;
}

void Tables::addColour(bool given, const QColor& colour) {
    if (colours_.size() < 4096) colours_.push_back(given ? std::optional(colour) : std::nullopt);
}

std::optional<QColor> Tables::colour(int index) const {
    if (index < 0 || index >= int(colours_.size())) return std::nullopt;
    return colours_[index];
}

QTextCharFormat Tables::charFormat(const CharState& chr) const {
    QTextCharFormat f;
    auto font = fonts_.find(chr.font < 0 ? defaultFont : chr.font);
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

void Picture::addNibble(int value) {
    if (binary) return;
    if (nibble < 0) {
        nibble = value;
    } else {
        data.append(char(nibble * 16 + value));
        nibble = -1;
    }
}

void Picture::controlWord(std::string_view word, bool hasParam, int param) {
    if (word == "pngblip")
        kind = Kind::Png;
    else if (word == "jpegblip")
        kind = Kind::Jpeg;
    else if (word == "emfblip" || word == "wmetafile" || word == "macpict" || word == "dibitmap" ||
             word == "wbitmap" || word == "pmmetafile")
        kind = Kind::Other;
    else if (word == "picwgoal")
        goalWidth = std::clamp(param, 0, 31680);
    else if (word == "pichgoal")
        goalHeight = std::clamp(param, 0, 31680);
    else if (word == "picscalex")
        scaleX = hasParam ? std::clamp(param, 1, 1000) : 100;
    else if (word == "picscaley")
        scaleY = hasParam ? std::clamp(param, 1, 1000) : 100;
}

QSizeF Picture::displaySize(const QSize& imageSize) const {
    qreal w = goalWidth > 0 ? twipsToPixels(goalWidth) : imageSize.width();
    qreal h = goalHeight > 0 ? twipsToPixels(goalHeight) : imageSize.height();
    return {std::max<qreal>(1, w * scaleX / 100.0), std::max<qreal>(1, h * scaleY / 100.0)};
}

bool isSkippedDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 52> words = {"info",
                                                               "stylesheet",
                                                               "header",
                                                               "headerl",
                                                               "headerr",
                                                               "headerf",
                                                               "footer",
                                                               "footerl",
                                                               "footerr",
                                                               "footerf",
                                                               "footnote",
                                                               "nonshppict",
                                                               "listtable",
                                                               "listoverridetable",
                                                               "revtbl",
                                                               "rsidtbl",
                                                               "xmlnstbl",
                                                               "pgdsctbl",
                                                               "mmathPr",
                                                               "themedata",
                                                               "colorschememapping",
                                                               "datastore",
                                                               "latentstyles",
                                                               "pnseclvl",
                                                               "pn",
                                                               "objdata",
                                                               "private",
                                                               "xe",
                                                               "tc",
                                                               "txe",
                                                               "annotation",
                                                               "atnid",
                                                               "atnauthor",
                                                               "bkmkstart",
                                                               "bkmkend",
                                                               "fldtype",
                                                               "filetbl",
                                                               "generator",
                                                               "template",
                                                               "userprops",
                                                               "docvar",
                                                               "keywords",
                                                               "comment",
                                                               "title",
                                                               "subject",
                                                               "author",
                                                               "operator",
                                                               "doccomm",
                                                               "company",
                                                               "nonesttables",
                                                               "shpinst",
                                                               "do"};
    return std::find(words.begin(), words.end(), word) != words.end();
}

char16_t specialCharacter(std::string_view word) {
    struct Entry {
        std::string_view word;
        char16_t c;
    };
    static constexpr Entry entries[] = {
        {"tab", u'\t'},      {"line", 0x2028},    {"emdash", 0x2014},    {"endash", 0x2013},
        {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},   {"bullet", 0x2022},
        {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
        {"zwj", 0x200D},     {"zwnj", 0x200C},    {"zwbo", 0x200B},      {"ltrmark", 0x200E},
        {"rtlmark", 0x200F}};
    for (const Entry& e : entries)
        if (e.word == word) return e.c;
    return 0;
}

int documentCodePage(std::string_view word, bool hasParam, int param) {
    if (word == "ansi") return 1252;
    if (word == "mac") return 10000;
    if (word == "pc") return 437;
    if (word == "pca") return 850;
    if (word == "ansicpg") return hasParam && param > 0 ? param : 1252;
    return 0;
}

bool applyCharacterWord(CharState& chr, std::string_view word, bool hasParam, int param) {
    const bool on = toggle(hasParam, param);
    if (word == "plain") {
        QString href = chr.href;
        chr = CharState{};
        chr.href = href;
    } else if (word == "b") {
        chr.bold = on;
    } else if (word == "i") {
        chr.italic = on;
    } else if (word == "strike" || word == "striked") {
        chr.strike = on;
    } else if (word == "v") {
        chr.hidden = on;
    } else if (word == "caps") {
        chr.caps = on ? QFont::AllUppercase : QFont::MixedCase;
    } else if (word == "scaps") {
        chr.caps = on ? QFont::SmallCaps : QFont::MixedCase;
    } else if (word == "ul" || word == "uldb" || word == "ulw" || word == "ulth" ||
               word == "ulthd" || word == "ulhwave" || word == "ululdbwave") {
        chr.underline = on ? QTextCharFormat::SingleUnderline : QTextCharFormat::NoUnderline;
    } else if (word == "uld" || word == "ulthdash" || word == "uldashd" || word == "uldashdd") {
        chr.underline = on ? QTextCharFormat::DotLine : QTextCharFormat::NoUnderline;
    } else if (word == "uldash" || word == "ulldash" || word == "ulthldash") {
        chr.underline = on ? QTextCharFormat::DashUnderline : QTextCharFormat::NoUnderline;
    } else if (word == "ulwave") {
        chr.underline = on ? QTextCharFormat::WaveUnderline : QTextCharFormat::NoUnderline;
    } else if (word == "ulnone") {
        chr.underline = QTextCharFormat::NoUnderline;
    } else if (word == "f") {
        chr.font = hasParam ? param : 0;
    } else if (word == "fs") {
        chr.halfPoints = hasParam && param > 0 ? std::clamp(param, 2, 3276) : 24;
    } else if (word == "cf") {
        chr.foreground = param;
    } else if (word == "cb" || word == "highlight" || word == "chcbpat") {
        chr.background = param > 0 ? param : -1;
    } else if (word == "super") {
        chr.vertical = QTextCharFormat::AlignSuperScript;
    } else if (word == "sub") {
        chr.vertical = QTextCharFormat::AlignSubScript;
    } else if (word == "nosupersub") {
        chr.vertical = QTextCharFormat::AlignNormal;
    } else if (word == "up" || word == "dn") {
        int halfPoints = hasParam ? param : 6;
        if (halfPoints <= 0)
            chr.vertical = QTextCharFormat::AlignNormal;
        else
            chr.vertical =
                word == "up" ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript;
    } else if (word == "charscalex") {
        chr.scaleX = hasParam ? std::clamp(param, 1, 1000) : 100;
    } else {
        return false;
    }
    return true;
}

bool applyParagraphWord(ParaState& para, std::string_view word, bool hasParam, int param) {
    if (word == "pard")
        para = ParaState{};
    else if (word == "ql")
        para.alignment = Qt::AlignLeft;
    else if (word == "qc")
        para.alignment = Qt::AlignHCenter;
    else if (word == "qr")
        para.alignment = Qt::AlignRight;
    else if (word == "qj")
        para.alignment = Qt::AlignJustify;
    else if (word == "li" || word == "lin")
        para.left = twips(param);
    else if (word == "ri" || word == "rin")
        para.right = twips(param);
    else if (word == "fi")
        para.firstLine = twips(param);
    else if (word == "sb")
        para.before = std::max(0, twips(param));
    else if (word == "sa")
        para.after = std::max(0, twips(param));
    else if (word == "sl")
        para.lineSpacing = twips(param);
    else if (word == "slmult")
        para.lineMultiple = toggle(hasParam, param);
    else if (word == "intbl")
        para.tableDepth = std::max(para.tableDepth, 1);
    else if (word == "itap")
        para.tableDepth = std::clamp(param, 0, 64);
    else
        return false;
    return true;
}

QTextBlockFormat blockFormat(const ParaState& para) {
    QTextBlockFormat f;
    f.setAlignment(para.alignment);
    f.setLeftMargin(twipsToPixels(para.left));
    f.setRightMargin(twipsToPixels(para.right));
    f.setTextIndent(twipsToPixels(para.firstLine));
    f.setTopMargin(twipsToPixels(para.before));
    f.setBottomMargin(twipsToPixels(para.after));
    if (para.lineSpacing > 0 && para.lineMultiple)
        f.setLineHeight(para.lineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (para.lineSpacing > 0)
        f.setLineHeight(twipsToPixels(para.lineSpacing), QTextBlockFormat::MinimumHeight);
    else if (para.lineSpacing < 0)
        f.setLineHeight(twipsToPixels(-para.lineSpacing), QTextBlockFormat::FixedHeight);
    return f;
}

} // namespace rtf
