// SPDX-License-Identifier: GPL-3.0-or-later
// The progress table under the curves: its texts in mol, with n0 while the concentration is
// hidden, and its cells on the picture.
#include "drawing/progress_table.h"

#include "drawing/courbes.h"
#include "drawing/drawing_test_support.h"
#include "drawing/graph.h"
#include "drawing/picture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using drawing::Runs;

// The runs as one line: "_" before a subscript, "^" before a superscript, a stacked charge
// as "_index^charge".
std::string flat(const Runs& runs) {
    QString text;
    for (const drawing::Run& run : runs) {
        switch (run.kind) {
        case drawing::RunKind::Plain:
            text += run.text;
            break;
        case drawing::RunKind::Subscript:
            text += QLatin1Char('_') + run.text;
            break;
        case drawing::RunKind::Superscript:
            text += QLatin1Char('^') + run.text;
            break;
        case drawing::RunKind::Stacked:
            text += QLatin1Char('_') + run.text + QLatin1Char('^') + run.over;
            break;
        }
    }
    return text.toStdString();
}

// The example of the oxalic acid: c0 = 0,01 mol/L, V0 = 10 mL, cT = 0,005 mol/L.
model::BenchInputs oxalic(float poured) {
    model::BenchInputs in;
    in.sampleConcentration = 0.01f;
    in.sampleVolume = 10;
    in.titrantConcentration = 0.005f;
    in.pouredVolume = poured;
    return in;
}

struct Texts {
    std::string progress;
    std::vector<std::string> amounts; // the equation's terms in their written order
};

void expectRow(const drawing::ProgressRowTexts& row, const Texts& expected, const char* what) {
    EXPECT_EQ(flat(row.progress), expected.progress) << what;
    ASSERT_EQ(row.amounts.size(), expected.amounts.size()) << what;
    for (std::size_t i = 0; i < expected.amounts.size(); ++i)
        EXPECT_EQ(flat(row.amounts[i]), expected.amounts[i]) << what << ", term " << i;
}

drawing::ReactionTexts titrationTexts(int species, const model::BenchInputs& in, bool hidden) {
    const model::ProgressTable table = model::progressTable(species, in);
    return drawing::reactionTexts(table, table.reactions.back(), hidden, in.pouredVolume);
}

TEST(ProgressTexts, AmountsInMolToThreeFigures) {
    EXPECT_EQ(flat(drawing::amountRuns(0)), "0");
    EXPECT_EQ(flat(drawing::amountRuns(1e-18)), "0");
    EXPECT_EQ(flat(drawing::amountRuns(5e-5)), "5,00·10^−5");
    EXPECT_EQ(flat(drawing::amountRuns(1.2345e-4)), "1,23·10^−4");
    EXPECT_EQ(flat(drawing::amountRuns(0.00125)), "1,25·10^−3");
    EXPECT_EQ(flat(drawing::amountRuns(2.5)), "2,50");
}

// The table of the example at 4 mL and at 10 mL: H2C2O4, MnO4-, CO2, Mn2+ reach 0,05, 0,
// 0,1 and 0,02 mmol, then 0, 0,01, 0,2 and 0,04 mmol, written in mol; the hydrogen ions
// of the acidified solution are in excess and water is the solvent.
TEST(ProgressTexts, OxalicAcidExampleInMol) {
    const drawing::ReactionTexts at4 = titrationTexts(1, oxalic(4), false);
    std::vector<std::string> terms;
    for (const drawing::Runs& t : at4.terms)
        terms.push_back(flat(t));
    EXPECT_EQ(terms, (std::vector<std::string>{"5 H_2C_2O_4", "2 MnO_4^-", "6 H^+", "10 CO_2",
                                               "2 Mn^2+", "8 H_2O"}));
    EXPECT_EQ(at4.reactantCount, 3u);
    expectRow(at4.initial, {"0", {"1,00·10^−4", "2,00·10^−5", "excès", "0", "0", "solvant"}},
              "initial, 4 mL");
    expectRow(at4.reached,
              {"1,00·10^−5", {"5,00·10^−5", "0", "excès", "1,00·10^−4", "2,00·10^−5", "solvant"}},
              "reached, 4 mL");
    EXPECT_EQ(flat(at4.initial.label), "État initial");
    EXPECT_EQ(flat(at4.reached.label), "État final (x = x_max)");
    EXPECT_EQ(flat(at4.limiting), "Réactif limitant\u00A0: MnO_4^- (V = 4,0 mL)");

    const drawing::ReactionTexts at10 = titrationTexts(1, oxalic(10), false);
    expectRow(at10.initial, {"0", {"1,00·10^−4", "5,00·10^−5", "excès", "0", "0", "solvant"}},
              "initial, 10 mL");
    expectRow(at10.reached,
              {"2,00·10^−5", {"0", "1,00·10^−5", "excès", "2,00·10^−4", "4,00·10^−5", "solvant"}},
              "reached, 10 mL");
    EXPECT_EQ(flat(at10.limiting), "Réactif limitant\u00A0: H_2C_2O_4 (V = 10,0 mL)");
    EXPECT_EQ(flat(at10.reached.label), "État final (x = x_max)");

    // At the equivalence the final state is that of x_E.
    const drawing::ReactionTexts at8 = titrationTexts(1, oxalic(8), false);
    EXPECT_EQ(flat(at8.limiting), "Équivalence\u00A0: H_2C_2O_4 et MnO_4^- épuisés (V = 8,0 mL)");
    EXPECT_EQ(flat(at8.reached.label), "État final (x = x_E)");
}

// Before the first drop nothing has reacted: no reagent limits anything yet, and the final
// state is the initial one.
TEST(ProgressTexts, NoLimitingReagentBeforeTheFirstDrop) {
    const drawing::ReactionTexts at0 = titrationTexts(1, oxalic(0), false);
    EXPECT_EQ(flat(at0.limiting), "Pas encore de réactif limitant\u00A0: aucune solution "
                                  "titrante versée (V = 0,0 mL)");
    EXPECT_EQ(flat(at0.reached.label), "État final (x = x_max)");
    expectRow(at0.reached, {"0", {"1,00·10^−4", "0", "excès", "0", "0", "solvant"}}, "0 mL");
    // One drop on, the titrant poured is the limiting reagent.
    EXPECT_EQ(flat(titrationTexts(1, oxalic(0.05f), false).limiting),
              "Réactif limitant\u00A0: MnO_4^- (V = 0,05 mL)");
    // The reaction before an indirect titration is complete before any titrant arrives.
    model::BenchInputs in = oxalic(0);
    in.reagentConcentration = 0.1f;
    in.iodideVolume = 10;
    const model::ProgressTable table = model::progressTable(4, in);
    EXPECT_EQ(flat(drawing::reactionTexts(table, table.reactions[0], false, 0).limiting),
              "Réactif limitant\u00A0: ClO^- (avant le titrage)");
}

// Hidden: the sample's amount is n0, and whatever depends on it is written with it.
TEST(ProgressTexts, HiddenConcentrationWritesNZero) {
    const drawing::ReactionTexts at4 = titrationTexts(1, oxalic(4), true);
    expectRow(at4.initial, {"0", {"n_0", "2,00·10^−5", "excès", "0", "0", "solvant"}},
              "initial, 4 mL");
    expectRow(
        at4.reached,
        {"1,00·10^−5", {"n_0 − 5,00·10^−5", "0", "excès", "1,00·10^−4", "2,00·10^−5", "solvant"}},
        "reached, 4 mL");

    const drawing::ReactionTexts at10 = titrationTexts(1, oxalic(10), true);
    expectRow(at10.reached,
              {"n_0/5", {"0", "5,00·10^−5 − 2n_0/5", "excès", "2n_0", "2n_0/5", "solvant"}},
              "reached, 10 mL");

    // Hypochlorite: the first reaction turns n0 into diiode with the iodide added (1 mmol).
    model::BenchInputs in = oxalic(0);
    in.titrantConcentration = 0.01f;
    in.reagentConcentration = 0.1f;
    in.iodideVolume = 10;
    const model::ProgressTable table = model::progressTable(4, in);
    const drawing::ReactionTexts first = drawing::reactionTexts(table, table.reactions[0], true, 0);
    expectRow(first.reached, {"n_0", {"0", "1,00·10^−3 − 2n_0", "excès", "n_0", "n_0", "solvant"}},
              "first stage");
    EXPECT_EQ(flat(first.limiting), "Réactif limitant\u00A0: ClO^- (avant le titrage)");
    const drawing::ReactionTexts titration =
        drawing::reactionTexts(table, table.reactions[1], true, 0);
    expectRow(titration.initial, {"0", {"n_0", "0", "1,00·10^−3 − 2n_0", "0"}}, "titration");
}

// What is read of a table: the same texts, scripts in Unicode characters.
TEST(ProgressTexts, RunsReadAsText) {
    struct Row {
        const char* name;
        drawing::Runs runs;
        const char* text;
    } rows[] = {
        {"an amount", drawing::amountRuns(5e-5), "5,00·10⁻⁵"},
        {"n0 and a number", drawing::progressAmountRuns({-0.05, 1}, 0.1, true), "n₀ − 5,00·10⁻⁵"},
        {"a fraction of n0", drawing::progressAmountRuns({0, 0.4}, 0.1, true), "2n₀/5"},
        {"a formula with a stacked charge", drawing::formulaRuns("MnO4-"), "MnO₄⁻"},
        {"a charge of two", drawing::formulaRuns("Mn2+"), "Mn²⁺"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(drawing::runsText(row.runs).toStdString(), row.text) << row.name;
}

// On the picture: the example at 4 mL has ink in each cell of the row reached, the wide
// numbers wider than the zero.
TEST(ProgressDrawing, CellsOfTheRowReached) {
    support::application();
    drawing::Picture pic(449, 274);
    drawing::CourbesInputs in;
    in.species = 1;
    in.in = oxalic(4);
    in.scaleMax = drawing::scaleMax(1, in.in);
    drawing::majcourbes(pic, in);
    drawing::refcourbes(pic, in);
    drawingtest::save(pic, "progress_oxalic_4mL");
    const int top = drawing::courbesTableTop + 35; // the row reached
    auto inkWidth = [&](int left, int right) {
        int first = -1, last = -1;
        for (int x = left; x < right; ++x)
            for (int y = top - 4; y < top + 13; ++y)
                if (pic.pixel(x, y).red() < 120) {
                    if (first < 0) first = x;
                    last = x;
                }
        return first < 0 ? 0 : last - first + 1;
    };
    const auto columns = drawing::courbesTableColumns(pic, in).back();
    ASSERT_EQ(columns.left.size(), 6u);
    const int progress =
        inkWidth(int(columns.progressCentre) - 25, int(columns.progressCentre) + 25);
    std::vector<int> cells;
    for (std::size_t i = 0; i < 6; ++i)
        cells.push_back(
            inkWidth(int(columns.left[i]) + 1, int(columns.left[i] + columns.width[i])));
    EXPECT_GT(progress, 25);
    EXPECT_GT(cells[0], 25); // 5,00·10⁻⁵
    EXPECT_GT(cells[1], 0);  // 0
    EXPECT_LT(cells[1], 10);
    EXPECT_GT(cells[2], 15); // excès
    EXPECT_GT(cells[3], 25);
    EXPECT_GT(cells[4], 25);
    EXPECT_GT(cells[5], 15); // solvant
    // Below the table, nothing.
    for (int y = drawing::courbesTableTop + drawing::progressBlockHeight; y < 274; ++y)
        for (int x = 0; x < 449; ++x)
            ASSERT_EQ(pic.pixel(x, y), drawingtest::rgb(255, 255, 255)) << x << "," << y;
}

} // namespace
