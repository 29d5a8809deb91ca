// SPDX-License-Identifier: GPL-3.0-or-later
// The control words of a table row's definition: edges, gaps, borders, merges, shading.

#include "header_tables.h"
#include "table.h"

#include <algorithm>

namespace rtf {
namespace {

// Targets of the \brdr... words: the row's borders (0 to 5), then the cell's (10 to 13).
constexpr int cellBorders = 10;

int twips(int value) {
    return std::clamp(value, -31680, 31680);
}

std::optional<QTextFrameFormat::BorderStyle> borderStyle(std::string_view word) {
    using S = QTextFrameFormat::BorderStyle;
    struct Entry {
        std::string_view word;
        S style;
    };
    static constexpr Entry entries[] = {
        {"brdrs", S::BorderStyle_Solid},           {"brdrth", S::BorderStyle_Solid},
        {"brdrsh", S::BorderStyle_Solid},          {"brdrhair", S::BorderStyle_Solid},
        {"brdrwavy", S::BorderStyle_Solid},        {"brdrdb", S::BorderStyle_Double},
        {"brdrtriple", S::BorderStyle_Double},     {"brdrwavydb", S::BorderStyle_Double},
        {"brdrdot", S::BorderStyle_Dotted},        {"brdrdash", S::BorderStyle_Dashed},
        {"brdrdashsm", S::BorderStyle_Dashed},     {"brdrdashd", S::BorderStyle_DotDash},
        {"brdrdashdd", S::BorderStyle_DotDotDash}, {"brdrinset", S::BorderStyle_Inset},
        {"brdroutset", S::BorderStyle_Outset},     {"brdremboss", S::BorderStyle_Ridge},
        {"brdrengrave", S::BorderStyle_Groove},    {"brdrnone", S::BorderStyle_None},
        {"brdrnil", S::BorderStyle_None},          {"brdrtbl", S::BorderStyle_None},
    };
    for (const Entry& e : entries)
        if (e.word == word) return e.style;
    // Thick and thin lines together (\brdrthtnsg, \brdrtnthmg ...) look like a double line.
    if (word.size() > 6 && (word.substr(0, 6) == "brdrth" || word.substr(0, 6) == "brdrtn"))
        return S::BorderStyle_Double;
    return std::nullopt;
}

// The side named by the last letter of \trbrdrX, \clbrdrX, \trpaddX ...
int sideOf(char c) {
    switch (c) {
    case 't':
        return Top;
    case 'l':
        return Left;
    case 'b':
        return Bottom;
    case 'r':
        return Right;
    case 'h':
        return 4;
    case 'v':
        return 5;
    default:
        return -1;
    }
}

bool startsWith(std::string_view word, std::string_view prefix) {
    return word.size() > prefix.size() && word.substr(0, prefix.size()) == prefix;
}

} // namespace

Border* RowDefinition::border() {
    if (borderTarget_ >= cellBorders) {
        auto& b = cell_.borders[std::size_t(borderTarget_ - cellBorders)];
        if (!b) b = Border{};
        return &*b;
    }
    if (borderTarget_ >= 0) {
        auto& b = row_.borders[std::size_t(borderTarget_)];
        if (!b) b = Border{};
        return &*b;
    }
    return nullptr;
}

bool RowDefinition::controlWord(std::string_view word, bool /*hasParam*/, int param,
                                const HeaderTables& tables) {
    // Every word below starts with one of these letters (\trowd, \cellx, \clmgf, \brdrs,
    // \box, \pgbrdrt ...): the others are refused at once.
    if (word.empty() || std::string_view("tcbp").find(word.front()) == std::string_view::npos)
        return false;
    if (word == "trowd") {
        row_ = RowDef{};
        cell_ = CellDef{};
        borderTarget_ = -1;
    } else if (word == "cellx") {
        cell_.right = twips(param);
        row_.cells.push_back(cell_);
        cell_ = CellDef{};
        borderTarget_ = -1;
    } else if (word == "trgaph") {
        row_.gap = std::clamp(param, 0, 31680);
    } else if (word == "trleft") {
        row_.left = twips(param);
    } else if (word == "trql") {
        row_.alignment = Qt::AlignLeft;
    } else if (word == "trqc") {
        row_.alignment = Qt::AlignHCenter;
    } else if (word == "trqr") {
        row_.alignment = Qt::AlignRight;
    } else if (startsWith(word, "trbrdr") && word.size() == 7 && sideOf(word[6]) >= 0) {
        borderTarget_ = sideOf(word[6]);
        border();
    } else if (startsWith(word, "clbrdr") && word.size() == 7 && sideOf(word[6]) >= 0 &&
               sideOf(word[6]) < 4) {
        borderTarget_ = cellBorders + sideOf(word[6]);
        border();
    } else if (word == "brdrt" || word == "brdrb" || word == "brdrl" || word == "brdrr" ||
               word == "brdrbtw" || word == "brdrbar" || word == "box" || word == "chbrdr" ||
               startsWith(word, "pgbrdr")) {
        borderTarget_ = -1; // the borders of a paragraph, a character run or the page
        return false;
    } else if (auto style = borderStyle(word)) {
        if (Border* b = border()) b->style = *style;
        return borderTarget_ >= 0;
    } else if (word == "brdrw") {
        if (Border* b = border()) b->width = std::clamp(param, 0, 1440);
        return borderTarget_ >= 0;
    } else if (word == "brdrcf") {
        if (Border* b = border()) b->colour = tables.colour(param);
        return borderTarget_ >= 0;
    } else if (word == "clmgf") {
        cell_.across = Merge::First;
    } else if (word == "clmrg") {
        cell_.across = Merge::Next;
    } else if (word == "clvmgf") {
        cell_.down = Merge::First;
    } else if (word == "clvmrg") {
        cell_.down = Merge::Next;
    } else if (word == "clcbpat") {
        cell_.background = param > 0 ? tables.colour(param) : std::nullopt;
    } else if (word == "clvertalt") {
        cell_.vertical = QTextCharFormat::AlignTop;
    } else if (word == "clvertalc") {
        cell_.vertical = QTextCharFormat::AlignMiddle;
    } else if (word == "clvertalb") {
        cell_.vertical = QTextCharFormat::AlignBottom;
    } else if (startsWith(word, "trpaddf") && word.size() == 8 && sideOf(word[7]) >= 0) {
        row_.padding[std::size_t(std::min(sideOf(word[7]), 3))].unit = param;
    } else if (startsWith(word, "trpadd") && word.size() == 7 && sideOf(word[6]) >= 0) {
        row_.padding[std::size_t(std::min(sideOf(word[6]), 3))].value = std::clamp(param, 0, 31680);
    } else if ((startsWith(word, "clpadf") && word.size() == 7) ||
               (startsWith(word, "clpad") && word.size() == 6)) {
        // Word writes the left padding as \clpadt and the top one as \clpadl; others follow.
        int side = sideOf(word.back());
        if (side == Left)
            side = Top;
        else if (side == Top)
            side = Left;
        if (side < 0 || side > 3) return false;
        Padding& p = cell_.padding[std::size_t(side)];
        if (word.size() == 7)
            p.unit = param;
        else
            p.value = std::clamp(param, 0, 31680);
    } else {
        return false;
    }
    return true;
}

} // namespace rtf
