// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/progress_table.h"

#include "drawing/picture.h"
#include "drawing/utf8.h"
#include "model/catalogue.h"
#include "numbers/formats.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>

namespace drawing {

namespace {

constexpr ScriptSet set = ScriptSet::Table;

// Columns: the rows' labels, the progress, then the terms of the equation to the right edge.
constexpr int labelLeft = 4;
constexpr double labelWidth = 86; // "État final (x = x_max)"
constexpr double progressWidth = 44;
constexpr double rightEdge = 448;
constexpr double gap = 4;        // at least between two cells' texts
constexpr double separator = 10; // room for the "+" or the arrow beside a term of the equation
// Rows, below the table's top.
constexpr int initialRow = 20;
constexpr int reachedRow = 35;
constexpr int limitingRow = 50;

// An amount below this (mmol) is nothing: what rounding leaves of a difference.
constexpr double nothing = 1e-12;

QString minusSigns(QString text) {
    return text.replace(QLatin1Char('-'), QChar(0x2212));
}

Runs plain(const QString& text) {
    return {{RunKind::Plain, text}};
}

void append(Runs& runs, const Runs& more) {
    runs.insert(runs.end(), more.begin(), more.end());
}

// k n0 for k > 0: "n₀", "2n₀", "n₀/2", "2n₀/5".
Runs sampleMultiple(double k) {
    const model::SampleMultiple m = model::sampleMultiple(k);
    Runs runs;
    if (!m.before.empty()) runs.push_back({RunKind::Plain, utf8(m.before)});
    runs.push_back({RunKind::Plain, QStringLiteral("n"), {}, true});
    runs.push_back({RunKind::Subscript, QStringLiteral("0")});
    if (!m.after.empty()) runs.push_back({RunKind::Plain, utf8(m.after)});
    return runs;
}

// The formula of a term: a tracked species by its label, the hydrogen ions and water.
Runs termFormula(const model::WrittenTerm& term) {
    switch (term.kind) {
    case model::TermKind::HydrogenIon:
        return formulaRuns("H+");
    case model::TermKind::Water:
        return formulaRuns("H2O");
    case model::TermKind::Tracked:
        break;
    }
    return formulaRuns(model::entryFormula(term.entry));
}

// The cells of a row, in the written order of the equation's terms: the tracked amounts
// from the reaction's table (terms in the order of model::reactionTerms), "excès" under the
// hydrogen ions, which the sulfuric solution holds in excess, "solvant" under water.
ProgressRowTexts rowTexts(const model::WrittenEquation& equation,
                          const std::array<model::SampleAffine, 4>& amounts,
                          const model::SampleAffine& progress, double nS, bool hidden) {
    ProgressRowTexts row;
    row.progress = progressAmountRuns(progress, nS, hidden);
    auto add = [&](const model::WrittenTerm& term, std::size_t tracked) {
        switch (term.kind) {
        case model::TermKind::HydrogenIon:
            row.amounts.push_back(plain(QStringLiteral("excès")));
            break;
        case model::TermKind::Water:
            row.amounts.push_back(plain(QStringLiteral("solvant")));
            break;
        case model::TermKind::Tracked:
            row.amounts.push_back(progressAmountRuns(amounts[tracked], nS, hidden));
            break;
        }
    };
    for (std::size_t i = 0; i < equation.reactants.size(); ++i)
        add(equation.reactants[i], i);
    for (std::size_t i = 0; i < equation.products.size(); ++i)
        add(equation.products[i], 2 + i);
    return row;
}

// "État final (x = x_max)", or x_E when the titration has reached its equivalence.
Runs finalLabel(bool equivalence) {
    return {{RunKind::Plain, QStringLiteral("État final (")},
            {RunKind::Plain, QStringLiteral("x"), {}, true},
            {RunKind::Plain, QStringLiteral(" = ")},
            {RunKind::Plain, QStringLiteral("x"), {}, true},
            {RunKind::Subscript, equivalence ? QStringLiteral("E") : QStringLiteral("max")},
            {RunKind::Plain, QStringLiteral(")")}};
}

void printCentred(Picture& pic, const Runs& runs, double centre, int top) {
    printRunsCentred(pic, runs, set, centre, top);
}

void printAt(Picture& pic, const Runs& runs, double left, int top) {
    printRunsAt(pic, runs, set, left, top);
}

QChar scriptCharacter(QChar c, bool superscript) {
    static const char16_t subscripts[] = u"₀₁₂₃₄₅₆₇₈₉";
    static const char16_t superscripts[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    if (c.isDigit()) return QChar((superscript ? superscripts : subscripts)[c.digitValue()]);
    if (superscript && (c == QLatin1Char('-') || c == QChar(0x2212))) return QChar(0x207B);
    if (superscript && c == QLatin1Char('+')) return QChar(0x207A);
    return c;
}

QString scripts(const QString& text, bool superscript) {
    QString out;
    for (QChar c : text)
        out += scriptCharacter(c, superscript);
    return out;
}

} // namespace

Runs amountRuns(double mol) {
    if (!(std::fabs(mol) * 1000 >= nothing)) return plain(QStringLiteral("0"));
    const std::string text = numbers::formatPattern(mol, "0.00E+00");
    const std::size_t e = text.find('E');
    const QString mantissa = minusSigns(QString::fromStdString(text.substr(0, e)));
    const int exponent = std::stoi(text.substr(e + 1));
    if (exponent == 0) return plain(mantissa);
    return {{RunKind::Plain, mantissa + QStringLiteral("·10")},
            {RunKind::Superscript, minusSigns(QString::number(exponent))}};
}

Runs progressAmountRuns(const model::SampleAffine& amount, double sampleAmount, bool hidden) {
    if (!hidden || !amount.dependsOnSample()) return amountRuns(amount.at(sampleAmount) / 1000);
    const double c = amount.constant, k = amount.perSample;
    Runs runs;
    if (std::fabs(c) < nothing) {
        if (k < 0) runs = plain(QString(QChar(0x2212)));
        append(runs, sampleMultiple(std::fabs(k)));
    } else if (k > 0) {
        runs = sampleMultiple(k);
        append(runs, plain(c < 0 ? QStringLiteral(" − ") : QStringLiteral(" + ")));
        append(runs, amountRuns(std::fabs(c) / 1000));
    } else {
        runs = amountRuns(c / 1000);
        append(runs, plain(QStringLiteral(" − ")));
        append(runs, sampleMultiple(-k));
    }
    return runs;
}

QString runsText(const Runs& runs) {
    QString text;
    for (const Run& run : runs) {
        switch (run.kind) {
        case RunKind::Plain:
            text += run.text;
            break;
        case RunKind::Subscript:
            text += scripts(run.text, false);
            break;
        case RunKind::Superscript:
            text += scripts(run.text, true);
            break;
        case RunKind::Stacked:
            text += scripts(run.text, false) + scripts(run.over, true);
            break;
        }
    }
    return text;
}

ReactionTexts reactionTexts(const model::ProgressTable& table,
                            const model::ReactionProgress& reaction, bool hidden,
                            float pouredVolume) {
    ReactionTexts texts;
    texts.titration = reaction.titration;
    const model::WrittenEquation equation = model::writtenEquation(reaction.reaction);
    texts.reactantCount = equation.reactants.size();
    for (const auto* side : {&equation.reactants, &equation.products}) {
        for (const model::WrittenTerm& term : *side) {
            Runs runs;
            if (term.coefficient != 1)
                runs = plain(QString::number(term.coefficient) + QLatin1Char(' '));
            append(runs, termFormula(term));
            texts.terms.push_back(runs);
        }
    }
    const double nS = table.sampleAmount;
    texts.initial = rowTexts(equation, reaction.initial, {}, nS, hidden);
    texts.initial.label = plain(QStringLiteral("État initial"));
    texts.reached = rowTexts(equation, reaction.reached, reaction.progress, nS, hidden);

    const auto& reactants = reaction.reaction.reactants;
    const bool both = reaction.limiting[0] && reaction.limiting[1];
    texts.reached.label = finalLabel(reaction.titration && both);
    const QString volume = QString::fromStdString(numbers::formatPattern(pouredVolume, "0.0#"));
    const Runs when =
        plain(reaction.titration ? QStringLiteral(" (V = ") + volume + QStringLiteral(" mL)")
                                 : QStringLiteral(" (avant le titrage)"));
    if (reaction.titration && !(pouredVolume > 0)) {
        // Nothing poured: nothing has reacted, no reagent limits anything yet.
        texts.limiting = plain(QStringLiteral("Pas encore de réactif limitant\u00A0: aucune "
                                              "solution titrante versée"));
    } else if (both) {
        texts.limiting = plain(reaction.titration ? QStringLiteral("Équivalence\u00A0: ")
                                                  : QStringLiteral("Réactifs limitants\u00A0: "));
        append(texts.limiting, formulaRuns(model::entryFormula(reactants[0].entry)));
        append(texts.limiting, plain(QStringLiteral(" et ")));
        append(texts.limiting, formulaRuns(model::entryFormula(reactants[1].entry)));
        if (reaction.titration) append(texts.limiting, plain(QStringLiteral(" épuisés")));
    } else {
        texts.limiting = plain(QStringLiteral("Réactif limitant\u00A0: "));
        append(texts.limiting,
               formulaRuns(model::entryFormula(reactants[reaction.limiting[0] ? 0 : 1].entry)));
    }
    append(texts.limiting, when);
    return texts;
}

ProgressColumns progressColumns(Picture& pic, const std::vector<ReactionTexts>& examples) {
    ProgressColumns columns;
    columns.progressCentre = labelLeft + labelWidth + progressWidth / 2;
    if (examples.empty()) return columns;
    const std::size_t count = examples.front().terms.size();
    std::vector<double> needed(count, 0);
    for (const ReactionTexts& texts : examples)
        for (std::size_t i = 0; i < count && i < texts.terms.size(); ++i) {
            needed[i] = std::max(needed[i], runsWidth(pic, texts.terms[i], set) + separator);
            for (const Runs* runs : {&texts.initial.amounts[i], &texts.reached.amounts[i]})
                needed[i] = std::max(needed[i], runsWidth(pic, *runs, set) + gap);
        }
    // What is left over is shared out evenly; columns too wide for the picture all give up
    // the same share of their width.
    const double start = labelLeft + labelWidth + progressWidth;
    const double room = rightEdge - start;
    const double total = std::accumulate(needed.begin(), needed.end(), 0.0);
    const double spare = (room - total) / double(count);
    const double scale = total > room ? room / total : 1;
    double left = start;
    for (double width : needed) {
        const double w = spare >= 0 ? width + spare : width * scale;
        columns.left.push_back(left);
        columns.width.push_back(w);
        left += w;
    }
    return columns;
}

void drawReactionFrame(Picture& pic, const ReactionTexts& texts, const ProgressColumns& columns,
                       int top) {
    pic.setBold(false);
    printAt(pic, plain(texts.titration ? QStringLiteral("Titrage") : QStringLiteral("Étape 1")),
            labelLeft, top);
    printCentred(pic,
                 {{RunKind::Plain, QStringLiteral("x"), {}, true},
                  {RunKind::Plain, QStringLiteral(" (mol)")}},
                 columns.progressCentre, top);
    const std::size_t count = std::min(texts.terms.size(), columns.left.size());
    for (std::size_t i = 0; i < count; ++i) {
        printCentred(pic, texts.terms[i], columns.left[i] + columns.width[i] / 2, top);
        if (i + 1 < count)
            printCentred(
                pic,
                plain(i + 1 == texts.reactantCount ? QString(QChar(0x2192)) : QStringLiteral("+")),
                columns.left[i + 1], top);
    }
}

void drawReactionRows(Picture& pic, const ReactionTexts& texts, const ProgressColumns& columns,
                      int top) {
    auto row = [&](const ProgressRowTexts& r, int y) {
        printAt(pic, r.label, labelLeft, y);
        printCentred(pic, r.progress, columns.progressCentre, y);
        for (std::size_t i = 0; i < r.amounts.size() && i < columns.left.size(); ++i)
            printCentred(pic, r.amounts[i], columns.left[i] + columns.width[i] / 2, y);
    };
    row(texts.initial, top + initialRow);
    row(texts.reached, top + reachedRow);
    printAt(pic, texts.limiting, labelLeft, top + limitingRow);
}

QRect reactionRowsArea(int pictureWidth, int top) {
    return QRect(0, top + initialRow - 5, pictureWidth, progressBlockHeight - initialRow + 5);
}

} // namespace drawing
