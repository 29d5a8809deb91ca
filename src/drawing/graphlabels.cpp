// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/graphlabels.h"

#include "drawing/picture.h"

#include <array>
#include <string>

namespace drawing {

namespace {

enum class Run { Symbol, Index, Charge, Stacked };

struct Piece {
    Run run;
    const char* text;
    const char* charge = nullptr; // Stacked: the charge over the index `text`
};

struct Label {
    const char* key; // the formula without spaces
    std::array<Piece, 6> pieces;
    const char* measure;
};

using R = Run;

// clang-format off
const Label labels[] = {
    {"C6H6O6", {{{R::Symbol, "C"}, {R::Index, "6"}, {R::Symbol, "H"}, {R::Index, "6"}, {R::Symbol, "O"}, {R::Index, "6"}}}, "C6H8O6"},
    {"C6H8O6", {{{R::Symbol, "C"}, {R::Index, "6"}, {R::Symbol, "H"}, {R::Index, "8"}, {R::Symbol, "O"}, {R::Index, "6"}}}, "C6H8O6"},
    {"H2C2O4", {{{R::Symbol, "H"}, {R::Index, "2"}, {R::Symbol, "C"}, {R::Index, "2"}, {R::Symbol, "O"}, {R::Index, "4"}}}, "C6H8O6"},
    {"I2", {{{R::Symbol, "I"}, {R::Index, "2"}}}, "I2"},
    {"I-", {{{R::Symbol, "I"}, {R::Charge, "-"}}}, "I-"},
    {"S4O62-", {{{R::Symbol, "S"}, {R::Index, "4"}, {R::Symbol, "O"}, {R::Stacked, "6", "2-"}}}, "S4O6"},
    {"S2O32-", {{{R::Symbol, "S"}, {R::Index, "2"}, {R::Symbol, "O"}, {R::Stacked, "3", "2-"}}}, "S2O3"},
    {"CO2", {{{R::Symbol, "CO"}, {R::Index, "2"}}}, "CO2"},
    {"MnO4-", {{{R::Symbol, "MnO"}, {R::Stacked, "4", "-"}}}, "MnO4"},
    {"Mn2+", {{{R::Symbol, "Mn"}, {R::Charge, "2+"}}}, "Mn2+"},
    {"SO2", {{{R::Symbol, "SO"}, {R::Index, "2"}}}, "SO2"},
    {"SO42-", {{{R::Symbol, "SO"}, {R::Stacked, "4", "2-"}}}, "SO4"},
    {"ClO-", {{{R::Symbol, "ClO"}, {R::Charge, "-"}}}, "ClO-"},
    {"Cl-", {{{R::Symbol, "Cl"}, {R::Charge, "-"}}}, "Cl"},
    {"NO2-", {{{R::Symbol, "NO"}, {R::Stacked, "2", "-"}}}, "NO2"},
    {"NO3-", {{{R::Symbol, "NO"}, {R::Stacked, "3", "-"}}}, "NO3"},
    {"H2O2", {{{R::Symbol, "H"}, {R::Index, "2"}, {R::Symbol, "O"}, {R::Index, "2"}}}, "H2O2"},
    {"O2", {{{R::Symbol, "O"}, {R::Index, "2"}}}, "O2"},
    {"Cu2+", {{{R::Symbol, "Cu"}, {R::Charge, "2+"}}}, "Cu2+"},
    {"CuI", {{{R::Symbol, "CuI"}}}, "CuI"},
    {"Fe2+", {{{R::Symbol, "Fe"}, {R::Charge, "2+"}}}, "Fe2+"},
    {"Fe3+", {{{R::Symbol, "Fe"}, {R::Charge, "3+"}}}, "Fe3+"},
};
// clang-format on

std::string withoutSpaces(std::string_view formula) {
    std::string key;
    for (char ch : formula)
        if (ch != ' ') key += ch;
    return key;
}

const Label* findLabel(std::string_view formula) {
    const std::string key = withoutSpaces(formula);
    for (const Label& label : labels)
        if (key == label.key) return &label;
    return nullptr;
}

// A charge in superscript characters: "2-" gives "²⁻".
QString superscriptCharge(const char* charge) {
    QString text;
    for (const char* c = charge; *c; ++c) {
        switch (*c) {
        case '2':
            text += QChar(0x00B2);
            break;
        case '3':
            text += QChar(0x00B3);
            break;
        case '+':
            text += QChar(0x207A);
            break;
        case '-':
            text += QChar(0x207B);
            break;
        default:
            text += QLatin1Char(*c);
        }
    }
    return text;
}

} // namespace

QString graphLabelText(std::string_view formula) {
    const Label* label = findLabel(formula);
    if (!label) return QString::fromUtf8(formula.data(), qsizetype(formula.size()));
    QString text;
    for (const Piece& piece : label->pieces) {
        if (!piece.text) break;
        switch (piece.run) {
        case Run::Symbol:
        case Run::Index:
            text += QLatin1String(piece.text);
            break;
        case Run::Charge:
            text += superscriptCharge(piece.text);
            break;
        case Run::Stacked:
            text += QLatin1String(piece.text) + superscriptCharge(piece.charge);
            break;
        }
    }
    return text;
}

QString graphLabelMeasure(std::string_view formula) {
    if (const Label* label = findLabel(formula)) return QString::fromLatin1(label->measure);
    return QString::fromUtf8(formula.data(), qsizetype(formula.size()));
}

void printGraphLabel(Picture& pic, std::string_view formula, double centreX, double top) {
    pic.setFontSize(10);
    pic.setBold(false);
    pic.setItalic(false);
    pic.currentX = centreX - pic.textWidth(graphLabelMeasure(formula)) / 2;
    pic.currentY = top;
    const Label* label = findLabel(formula);
    if (!label) {
        pic.printRun(graphLabelMeasure(formula));
        return;
    }
    for (const Piece& piece : label->pieces) {
        if (!piece.text) break;
        const QString text = QString::fromLatin1(piece.text);
        switch (piece.run) {
        case Run::Symbol:
            pic.printRun(text);
            break;
        case Run::Index:
            pic.subscript(text, ScriptSet::GraphLabel);
            break;
        case Run::Charge:
            pic.superscript(text, ScriptSet::GraphLabel);
            break;
        case Run::Stacked:
            pic.stackedScripts(text, QString::fromLatin1(piece.charge), ScriptSet::GraphLabel);
            break;
        }
    }
}

} // namespace drawing
