// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/graphlabels.h"

#include "drawing/picture.h"
#include "drawing/utf8.h"

#include <algorithm>
#include <array>
#include <string>

namespace drawing {

namespace {

enum class Part { Symbol, Index, Charge, Stacked };

struct Piece {
    Part run;
    const char* text;
    const char* charge = nullptr; // Stacked: the charge over the index `text`
};

struct Label {
    const char* key; // the formula without spaces
    std::array<Piece, 6> pieces;
    const char* measure;
};

using R = Part;

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
    // Written in the equations only: the hydrogen ions and water that balance them.
    {"H+", {{{R::Symbol, "H"}, {R::Charge, "+"}}}, "H+"},
    {"H2O", {{{R::Symbol, "H"}, {R::Index, "2"}, {R::Symbol, "O"}}}, "H2O"},
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
    if (!label) return utf8(formula);
    QString text;
    for (const Piece& piece : label->pieces) {
        if (!piece.text) break;
        switch (piece.run) {
        case Part::Symbol:
        case Part::Index:
            text += QLatin1String(piece.text);
            break;
        case Part::Charge:
            text += superscriptCharge(piece.text);
            break;
        case Part::Stacked:
            text += QLatin1String(piece.text) + superscriptCharge(piece.charge);
            break;
        }
    }
    return text;
}

QString graphLabelMeasure(std::string_view formula) {
    if (const Label* label = findLabel(formula)) return QString::fromLatin1(label->measure);
    return utf8(formula);
}

Runs formulaRuns(std::string_view formula) {
    const Label* label = findLabel(formula);
    if (!label) return {{RunKind::Plain, graphLabelMeasure(formula)}};
    Runs runs;
    for (const Piece& piece : label->pieces) {
        if (!piece.text) break;
        const QString text = QString::fromLatin1(piece.text);
        switch (piece.run) {
        case Part::Symbol:
            runs.push_back({RunKind::Plain, text});
            break;
        case Part::Index:
            runs.push_back({RunKind::Subscript, text});
            break;
        case Part::Charge:
            runs.push_back({RunKind::Superscript, text});
            break;
        case Part::Stacked:
            runs.push_back({RunKind::Stacked, text, QString::fromLatin1(piece.charge)});
            break;
        }
    }
    return runs;
}

void printRuns(Picture& pic, const Runs& runs, ScriptSet set) {
    pic.setFontSize(scriptMetrics(set).baseSize);
    for (const drawing::Run& run : runs) {
        pic.setItalic(run.italic);
        switch (run.kind) {
        case RunKind::Plain:
            pic.printRun(run.text);
            break;
        case RunKind::Subscript:
            pic.subscript(run.text, set);
            break;
        case RunKind::Superscript:
            pic.superscript(run.text, set);
            break;
        case RunKind::Stacked: {
            // What follows starts after the wider of the index and the charge.
            const double start = pic.currentX;
            pic.stackedScripts(run.text, run.over, set);
            pic.setFontSize(scriptMetrics(set).scriptSize);
            pic.currentX = std::max(pic.currentX, start + pic.textWidth(run.text));
            pic.setFontSize(scriptMetrics(set).baseSize);
            break;
        }
        }
    }
    pic.setItalic(false);
}

double runsWidth(Picture& pic, const Runs& runs, ScriptSet set) {
    const ScriptMetrics m = scriptMetrics(set);
    const bool italic = pic.italic();
    const double size = pic.fontSize();
    double width = 0;
    for (const drawing::Run& run : runs) {
        pic.setItalic(run.italic);
        pic.setFontSize(run.kind == RunKind::Plain ? m.baseSize : m.scriptSize);
        width += run.kind == RunKind::Stacked
                     ? std::max(pic.textWidth(run.text), pic.textWidth(run.over))
                     : pic.textWidth(run.text);
    }
    pic.setItalic(italic);
    pic.setFontSize(size);
    return width;
}

RunsExtent runsExtent(Picture& pic, const Runs& runs, ScriptSet set) {
    const ScriptMetrics m = scriptMetrics(set);
    const double size = pic.fontSize();
    pic.setFontSize(m.baseSize);
    const double baseCell = pic.textHeight();
    pic.setFontSize(m.scriptSize);
    const double scriptCell = pic.textHeight();
    pic.setFontSize(size);
    RunsExtent e;
    e.width = runsWidth(pic, runs, set);
    e.below = baseCell;
    for (const drawing::Run& run : runs) {
        if (run.kind == RunKind::Superscript) e.above = std::max(e.above, double(m.up));
        if (run.kind == RunKind::Stacked) e.above = std::max(e.above, double(m.stackedAbove));
        if (run.kind == RunKind::Subscript || run.kind == RunKind::Stacked)
            e.below = std::max(e.below, m.down + scriptCell);
    }
    return e;
}

void printGraphLabel(Picture& pic, std::string_view formula, double centreX, double top) {
    pic.setFontSize(10);
    pic.setBold(false);
    pic.setItalic(false);
    pic.currentX = centreX - pic.textWidth(graphLabelMeasure(formula)) / 2;
    pic.currentY = top;
    printRuns(pic, formulaRuns(formula), ScriptSet::GraphLabel);
}

void printRunsAt(Picture& pic, const Runs& runs, ScriptSet set, double left, int top) {
    pic.currentX = left;
    pic.currentY = top;
    printRuns(pic, runs, set);
}

void printRunsCentred(Picture& pic, const Runs& runs, ScriptSet set, double centre, int top) {
    printRunsAt(pic, runs, set, centre - runsWidth(pic, runs, set) / 2, top);
}

} // namespace drawing
