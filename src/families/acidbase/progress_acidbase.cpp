// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/acidbase/progress_acidbase.h"

#include "drawing/picture.h"
#include "drawing/progress_table.h"
#include "families/acidbase/graph_acidbase.h"
#include "model/acidbase/equivalence.h"
#include "model/acidbase/progress.h"
#include "model/amounts.h"
#include "numbers/formats.h"

#include <algorithm>
#include <array>
#include <vector>

namespace drawing {

namespace {

namespace ab = model::acidbase;

constexpr ScriptSet set = ScriptSet::Small;
constexpr int labelLeft = 4;
constexpr int firstColumn = 64; // the progress x, right of the rows' labels (at least)
constexpr int gap = 14;         // between two columns, where the signs of the equation go
constexpr int initialRow = 20, reachedRow = 35, limitingRow = 50;

Runs plain(const QString& text) {
    return {{RunKind::Plain, text}};
}

void append(Runs& runs, const Runs& more) {
    runs.insert(runs.end(), more.begin(), more.end());
}

Runs particleRuns(int particle) {
    return unicodeFormulaRuns(ab::formula(particle));
}

std::array<ab::Term, 4> termsOf(const ab::Reaction& r) {
    return {r.reactants[0], r.reactants[1], r.products[0], r.products[1]};
}

// The texts of one reaction's table at one poured volume.
struct TableTexts {
    std::array<Runs, 4> terms; // an empty one is left out with the sign before it
    Runs progress[2];          // initial, reached
    std::array<Runs, 4> amounts[2];
    Runs limiting;
};

TableTexts tableTexts(const ab::ReactionState& s, double n0, bool hidden, double poured) {
    TableTexts t;
    const std::array<ab::Term, 4> terms = termsOf(s.reaction);
    t.progress[0] = progressAmountRuns({}, n0, hidden);
    t.progress[1] = progressAmountRuns(s.progress, n0, hidden);
    for (std::size_t i = 0; i < terms.size(); ++i) {
        if (terms[i].coefficient == 0) continue;
        if (terms[i].coefficient != 1)
            t.terms[i] = plain(QString::number(terms[i].coefficient) + QLatin1Char(' '));
        append(t.terms[i], particleRuns(terms[i].particle));
        for (int row = 0; row < 2; ++row)
            t.amounts[row][i] =
                ab::isSolvent(terms[i])
                    ? plain(QStringLiteral("excès"))
                    : progressAmountRuns(row ? s.reached[i] : s.initial[i], n0, hidden);
    }
    const auto& reactants = s.reaction.reactants;
    if (!(poured > 0)) {
        // Nothing poured: nothing has reacted, no reagent limits anything yet.
        t.limiting = plain(QStringLiteral("Pas encore de réactif limitant\u00A0: aucune solution "
                                          "titrante versée"));
    } else if (s.limiting[0] && s.limiting[1]) {
        t.limiting = plain(QStringLiteral("Équivalence\u00A0: "));
        append(t.limiting, particleRuns(reactants[0].particle));
        append(t.limiting, plain(QStringLiteral(" et ")));
        append(t.limiting, particleRuns(reactants[1].particle));
        append(t.limiting, plain(QStringLiteral(" épuisés")));
    } else {
        t.limiting = plain(QStringLiteral("Réactif limitant\u00A0: "));
        append(t.limiting, particleRuns(reactants[s.limiting[0] ? 0 : 1].particle));
    }
    append(t.limiting, plain(QStringLiteral(" (V = ") +
                             QString::fromStdString(numbers::formatPattern(poured, "0.0#")) +
                             QStringLiteral(" mL)")));
    return t;
}

QString tableLabel(std::size_t r, std::size_t count) {
    return count == 1 ? QStringLiteral("Titrage") : QStringLiteral("Réaction %1").arg(r + 1);
}

// The columns of one table: the centre of x and of each term.
struct Columns {
    double progressCentre = 0;
    std::array<double, 4> centre{};
    std::array<double, 4> left{};
};

// Wide enough for the texts of the table at the start, at the first drop (before any
// equivalence: numbers where a hidden sample's table writes n₀ past it), at each equivalence
// and with the burette empty, shared out over the picture's width when they do not fit.
std::vector<Columns> layout(Picture& pic, const ab::Preparation& p, bool hidden) {
    std::vector<double> volumes{0, 0.1, model::buretteCapacity};
    for (double v : ab::equivalenceVolumes(p))
        if (v > 0 && v < model::buretteCapacity) volumes.push_back(v);
    std::vector<Columns> out;
    const std::size_t count = ab::reactions(p.titration).size();
    for (std::size_t r = 0; r < count; ++r) {
        // Right of the rows' labels, with a column's gap after the widest.
        double first = firstColumn;
        for (const QString& label :
             {tableLabel(r, count), QStringLiteral("État initial"), QStringLiteral("État actuel")})
            first = std::max(first, labelLeft + runsWidth(pic, plain(label), set) + gap);
        double progressWidth = runsWidth(pic, plain(QStringLiteral("x (mol)")), set);
        std::array<double, 4> width{};
        for (double v : volumes) {
            const ab::ProgressState state = ab::progressState(p, v);
            const TableTexts t = tableTexts(state.reactions[r], state.sampleAmount, hidden, v);
            for (int row = 0; row < 2; ++row)
                progressWidth = std::max(progressWidth, runsWidth(pic, t.progress[row], set));
            for (int i = 0; i < 4; ++i) {
                if (t.terms[i].empty()) continue;
                width[i] = std::max({width[i], runsWidth(pic, t.terms[i], set),
                                     runsWidth(pic, t.amounts[0][i], set),
                                     runsWidth(pic, t.amounts[1][i], set)});
            }
        }
        double total = 0;
        for (double w : width)
            total += w > 0 ? w + gap : 0;
        const double room = pic.width() - 2 - (first + progressWidth + gap);
        const double shrink = total > room ? room / total : 1;
        Columns c;
        c.progressCentre = first + progressWidth / 2;
        double x = first + progressWidth + gap;
        for (int i = 0; i < 4; ++i) {
            c.left[i] = x;
            const double w = width[i] > 0 ? (width[i] + gap) * shrink : 0;
            c.centre[i] = x + (w - gap * shrink) / 2;
            x += w;
        }
        out.push_back(c);
    }
    return out;
}

bool samePreparation(const ab::Preparation& a, const ab::Preparation& b) {
    return a.titration == b.titration && a.sampleConcentration == b.sampleConcentration &&
           a.sampleVolume == b.sampleVolume && a.waterVolume == b.waterVolume &&
           a.titrantConcentration == b.titrantConcentration;
}

// The layout of the last set-up drawn: the rows drawn at every tick of the flow keep the
// columns of their frame without measuring every text again.
const std::vector<Columns>& layoutOf(Picture& pic, const ab::Preparation& p, bool hidden) {
    static struct {
        ab::Preparation preparation;
        bool hidden = false;
        int width = -1;
        std::vector<Columns> columns;
    } last;
    if (last.width != pic.width() || last.hidden != hidden ||
        !samePreparation(last.preparation, p)) {
        last.columns = layout(pic, p, hidden);
        last.preparation = p;
        last.hidden = hidden;
        last.width = pic.width();
    }
    return last.columns;
}

void printCentred(Picture& pic, const Runs& runs, double centre, int top) {
    printRunsCentred(pic, runs, set, centre, top);
}

void printAt(Picture& pic, const Runs& runs, double left, int top) {
    printRunsAt(pic, runs, set, left, top);
}

} // namespace

void drawAcidBaseTableFrames(Picture& pic, const ab::Preparation& p, bool hidden, int top) {
    const std::vector<Columns>& columns = layoutOf(pic, p, hidden);
    const ab::ProgressState state = ab::progressState(p, 0);
    pic.setBold(false);
    for (std::size_t r = 0; r < columns.size(); ++r) {
        const int y = top + acidBaseTableHeight * int(r);
        const Columns& c = columns[r];
        const TableTexts t = tableTexts(state.reactions[r], state.sampleAmount, hidden, 0);
        printAt(pic, plain(tableLabel(r, columns.size())), labelLeft, y);
        printCentred(pic,
                     {{RunKind::Plain, QStringLiteral("x"), {}, true},
                      {RunKind::Plain, QStringLiteral(" (mol)")}},
                     c.progressCentre, y);
        for (int i = 0; i < 4; ++i) {
            if (t.terms[i].empty()) continue;
            printCentred(pic, t.terms[i], c.centre[i], y);
            if (i < 3 && !t.terms[i + 1].empty())
                printCentred(pic, plain(i == 1 ? QString(QChar(0x2192)) : QStringLiteral("+")),
                             c.left[i + 1] - gap / 2.0, y);
        }
        printAt(pic, plain(QStringLiteral("État initial")), labelLeft, y + initialRow);
        printAt(pic, plain(QStringLiteral("État actuel")), labelLeft, y + reachedRow);
    }
    pic.setFontSize(8);
}

void drawAcidBaseTableRows(Picture& pic, const ab::Preparation& p, double poured, bool hidden,
                           int top) {
    const std::vector<Columns>& columns = layoutOf(pic, p, hidden);
    const ab::ProgressState state = ab::progressState(p, poured);
    for (std::size_t r = 0; r < columns.size(); ++r) {
        const int y = top + acidBaseTableHeight * int(r);
        pic.clear(acidBaseTableRowsArea(pic.width(), y));
        const Columns& c = columns[r];
        const TableTexts t = tableTexts(state.reactions[r], state.sampleAmount, hidden, poured);
        for (int row = 0; row < 2; ++row) {
            const int rowTop = y + (row ? reachedRow : initialRow);
            printCentred(pic, t.progress[row], c.progressCentre, rowTop);
            for (int i = 0; i < 4; ++i)
                printCentred(pic, t.amounts[row][i], c.centre[i], rowTop);
        }
        printAt(pic, t.limiting, labelLeft, y + limitingRow);
    }
    pic.setFontSize(8);
}

Runs acidBaseLimitingRuns(const ab::Preparation& p, double poured, std::size_t reaction) {
    const ab::ProgressState state = ab::progressState(p, poured);
    if (reaction >= state.reactions.size()) return {};
    return tableTexts(state.reactions[reaction], state.sampleAmount, false, poured).limiting;
}

QRect acidBaseTableRowsArea(int pictureWidth, int top) {
    // Cleared to the kept frame, whose labels come back with it.
    return QRect(0, top + initialRow - 5, pictureWidth, acidBaseTableHeight - initialRow + 5);
}

} // namespace drawing
