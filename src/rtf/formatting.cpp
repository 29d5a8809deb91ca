// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatting.h"

#include <algorithm>

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
