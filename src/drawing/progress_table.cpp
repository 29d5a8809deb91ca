// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/progress_table.h"

#include "drawing/picture.h"
#include "model/catalogue.h"
#include "numbers/formats.h"

#include <cmath>
#include <string>

namespace drawing {

namespace {

constexpr ScriptSet set = ScriptSet::Small;

// Columns: the rows' labels, the progress, then the four terms of the equation.
constexpr int labelLeft = 4;
constexpr int progressCentre = 100;
constexpr int termsLeft = 132;
constexpr int termWidth = 79;
// Rows, below the table's top.
constexpr int initialRow = 20;
constexpr int reachedRow = 35;
constexpr int limitingRow = 50;

// An amount below this (mmol) is nothing: what rounding leaves of a difference.
constexpr double nothing = 1e-12;

double termCentre(int i) {
    return termsLeft + termWidth * (i + 0.5);
}

QString minusSigns(QString text) {
    return text.replace(QLatin1Char('-'), QChar(0x2212));
}

Runs plain(const QString& text) {
    return {{RunKind::Plain, text}};
}

void append(Runs& runs, const Runs& more) {
    runs.insert(runs.end(), more.begin(), more.end());
}

Runs entryRuns(int entry) {
    return formulaRuns(model::entryFormula(entry));
}

// k n0 for k > 0: "n₀", "2n₀", "n₀/2", "2n₀/5".
Runs sampleMultiple(double k) {
    QString before, after;
    bool found = false;
    for (int q = 1; q <= 10 && !found; ++q) {
        const double p = std::round(k * q);
        if (p >= 1 && std::fabs(p - k * q) < 1e-9 * q * std::max(1.0, k)) {
            found = true;
            if (p != 1) before = QString::number(p);
            if (q != 1) after = QStringLiteral("/%1").arg(q);
        }
    }
    if (!found) before = QString::fromStdString(numbers::formatGeneral(k)) + QChar(0x2009);
    Runs runs;
    if (!before.isEmpty()) runs.push_back({RunKind::Plain, before});
    runs.push_back({RunKind::Plain, QStringLiteral("n"), {}, true});
    runs.push_back({RunKind::Subscript, QStringLiteral("0")});
    if (!after.isEmpty()) runs.push_back({RunKind::Plain, after});
    return runs;
}

ProgressRowTexts rowTexts(const model::SampleAffine& progress,
                          const std::array<model::SampleAffine, 4>& amounts, double nS,
                          bool hidden) {
    ProgressRowTexts row;
    row.progress = progressAmountRuns(progress, nS, hidden);
    for (std::size_t i = 0; i < amounts.size(); ++i)
        row.amounts[i] = progressAmountRuns(amounts[i], nS, hidden);
    return row;
}

void printCentred(Picture& pic, const Runs& runs, double centre, int top) {
    pic.currentX = centre - runsWidth(pic, runs, set) / 2;
    pic.currentY = top;
    printRuns(pic, runs, set);
}

void printAt(Picture& pic, const Runs& runs, double left, int top) {
    pic.currentX = left;
    pic.currentY = top;
    printRuns(pic, runs, set);
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

ReactionTexts reactionTexts(const model::ProgressTable& table,
                            const model::ReactionProgress& reaction, bool hidden,
                            float pouredVolume) {
    ReactionTexts texts;
    const double nS = table.sampleAmount;
    texts.initial = rowTexts({}, reaction.initial, nS, hidden);
    texts.reached = rowTexts(reaction.progress, reaction.reached, nS, hidden);

    const auto& reactants = reaction.reaction.reactants;
    const bool both = reaction.limiting[0] && reaction.limiting[1];
    if (both) {
        texts.limiting = plain(reaction.titration ? QStringLiteral("Équivalence : ")
                                                  : QStringLiteral("Réactifs limitants : "));
        append(texts.limiting, entryRuns(reactants[0].entry));
        append(texts.limiting, plain(QStringLiteral(" et ")));
        append(texts.limiting, entryRuns(reactants[1].entry));
        if (reaction.titration) append(texts.limiting, plain(QStringLiteral(" épuisés")));
    } else {
        texts.limiting = plain(QStringLiteral("Réactif limitant : "));
        append(texts.limiting, entryRuns(reactants[reaction.limiting[0] ? 0 : 1].entry));
    }
    const QString volume = QString::fromStdString(numbers::formatPattern(pouredVolume, "0.0#"));
    append(texts.limiting,
           plain(reaction.titration ? QStringLiteral(" (V = ") + volume + QStringLiteral(" mL)")
                                    : QStringLiteral(" (avant le titrage)")));
    return texts;
}

void drawReactionFrame(Picture& pic, const model::ReactionProgress& reaction, int top) {
    pic.setBold(false);
    printAt(pic, plain(reaction.titration ? QStringLiteral("Titrage") : QStringLiteral("Étape 1")),
            labelLeft, top);
    printCentred(pic,
                 {{RunKind::Plain, QStringLiteral("x"), {}, true},
                  {RunKind::Plain, QStringLiteral(" (mol)")}},
                 progressCentre, top);
    const auto terms = model::reactionTerms(reaction.reaction);
    for (int i = 0; i < int(terms.size()); ++i) {
        Runs term;
        if (terms[i].coefficient != 1)
            term = plain(QString::number(terms[i].coefficient) + QLatin1Char(' '));
        append(term, entryRuns(terms[i].entry));
        printCentred(pic, term, termCentre(i), top);
        if (i < 3)
            printCentred(pic, plain(i == 1 ? QString(QChar(0x2192)) : QStringLiteral("+")),
                         termsLeft + termWidth * (i + 1), top);
    }
    printAt(pic, plain(QStringLiteral("État initial")), labelLeft, top + initialRow);
    printAt(
        pic,
        plain(reaction.titration ? QStringLiteral("État actuel") : QStringLiteral("État final")),
        labelLeft, top + reachedRow);
}

void drawReactionRows(Picture& pic, const ReactionTexts& texts, int top) {
    auto row = [&](const ProgressRowTexts& r, int y) {
        printCentred(pic, r.progress, progressCentre, y);
        for (int i = 0; i < 4; ++i)
            printCentred(pic, r.amounts[i], termCentre(i), y);
    };
    row(texts.initial, top + initialRow);
    row(texts.reached, top + reachedRow);
    printAt(pic, texts.limiting, labelLeft, top + limitingRow);
}

QRect reactionRowsArea(int pictureWidth, int top) {
    return QRect(0, top + initialRow - 5, pictureWidth, progressBlockHeight - initialRow + 5);
}

} // namespace drawing
