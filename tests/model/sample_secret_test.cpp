// SPDX-License-Identifier: GPL-3.0-or-later
// What follows from the sample's amount n0 while the concentration is hidden: the species
// whose amount gives it away before the equivalence, the multiples of n0 as the class writes
// them, and the cells of the table of amounts that are left empty.
#include "model/amounts_table.h"
#include "model/catalogue.h"
#include "model/progress.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using model::Entry;
using model::Species;

model::BenchInputs bench(float c0, float poured = 0) {
    model::BenchInputs in;
    in.sampleConcentration = c0;
    in.sampleVolume = 10;
    in.titrantConcentration = 0.02f;
    in.reagentConcentration = 0.05f;
    in.iodineVolume = 5; // 0,25 mmol of diiode for the ascorbic acid
    in.iodideVolume = 10;
    in.pouredVolume = poured;
    return in;
}

std::set<int> following(int species, const model::BenchInputs& in) {
    const auto follows = model::followsFromSample(species, in);
    std::set<int> entries;
    for (int e = 0; e < Entry::count; ++e)
        if (follows[e]) entries.insert(e);
    return entries;
}

struct Following {
    const char* name;
    int species;
    float c0;
    std::set<int> entries;
};

TEST(SampleSecret, SpeciesWhoseAmountGivesNZeroAwayBeforeTheEquivalence) {
    const Following rows[] = {
        {"ascorbic acid: what it made of the diiode",
         Species::AscorbicAcid,
         0.0137f,
         {Entry::C6H6O6, Entry::I2, Entry::Iodide}},
        {"ascorbic acid with too little diiode: what is left of it",
         Species::AscorbicAcid,
         0.04f,
         {Entry::C6H8O6}},
        {"oxalic acid: the sample alone", Species::OxalicAcid, 0.01f, {Entry::H2C2O4}},
        {"diiode", Species::Diiode, 0.012f, {Entry::I2}},
        {"hypochlorite: chloride, diiode formed, iodide left",
         Species::Hypochlorite,
         0.01f,
         {Entry::Cl, Entry::I2, Entry::Iodide}},
        {"copper(II): copper(I) iodide, diiode, iodide left",
         Species::CopperSulfate,
         0.02f,
         {Entry::CuI, Entry::I2, Entry::Iodide}},
        {"iron(II)", Species::IronSulfate, 0.05f, {Entry::Fe2}},
        {"thiosulfate titrated by diiode", Species::Thiosulfate, 0.025f, {Entry::S2O3}},
        {"no species", -1, 0.01f, {}},
    };
    for (const Following& row : rows)
        EXPECT_EQ(following(row.species, bench(row.c0)), row.entries) << row.name;
    // Whatever the volume poured: the answer is that of the empty burette.
    EXPECT_EQ(following(Species::OxalicAcid, bench(0.01f, 12)),
              following(Species::OxalicAcid, bench(0.01f)));
}

struct Multiple {
    double k;
    const char* before;
    const char* after;
};

TEST(SampleSecret, MultiplesOfNZeroAsTheClassWritesThem) {
    const Multiple rows[] = {
        {1, "", ""},        {2, "2", ""},        {0.5, "", "/2"},          {0.4, "2", "/5"},
        {2.5, "5", "/2"},   {1.0 / 3, "", "/3"}, {10, "10", ""},           {0.1, "", "/10"},
        {0.625, "5", "/8"}, {1.2, "6", "/5"},    {0.05, "0,05\u2009", ""}, // one twentieth: no
                                                                           // small fraction
    };
    for (const Multiple& row : rows) {
        const model::SampleMultiple m = model::sampleMultiple(row.k);
        EXPECT_EQ(m.before, row.before) << row.k;
        EXPECT_EQ(m.after, row.after) << row.k;
    }
}

// A cell is left empty when its amount depends on n0 at its volume: before the equivalence the
// sample and what was made of it, past it also the titrant left and the products.
TEST(SampleSecret, TheTableLeavesOutEveryAmountThatDependsOnNZero) {
    // Hypochlorite: ClO⁻ (introduced, present), Cl⁻, I₂, I⁻ (introduced, present), S₄O₆²⁻,
    // S₂O₃²⁻ (introduced, present).
    model::BenchInputs in = bench(0.01f);
    in.reagentConcentration = 0.1f;
    const std::vector<double> volumes{0, 2};
    const model::AmountsTable javel = model::amountsTable(Species::Hypochlorite, in, volumes, true);
    ASSERT_EQ(javel.columns.size(), 9u);
    const bool emptyAtZero[] = {true, false, true, true, false, true, false, false, false};
    for (std::size_t j = 0; j < 9; ++j)
        for (std::size_t row = 0; row < 2; ++row)
            EXPECT_EQ(!javel.rows[row][j].has_value(), emptyAtZero[j]) << "column " << j;
    // Shown, the same table has every cell.
    const model::AmountsTable shown =
        model::amountsTable(Species::Hypochlorite, in, volumes, false);
    for (const auto& row : shown.rows)
        for (const auto& cell : row)
            EXPECT_TRUE(cell.has_value());

    // Oxalic acid (n0 = 0,1 mmol, equivalence at 2 mL with c = 0,02 mol/L): CO₂, H₂C₂O₄
    // introduced and present, MnO₄⁻ introduced and present, Mn²⁺.
    const std::vector<double> across{1, 3};
    const model::AmountsTable oxalic =
        model::amountsTable(Species::OxalicAcid, bench(0.01f), across, true);
    const bool emptyBefore[] = {false, true, true, false, false, false};
    const bool emptyPast[] = {true, true, false, false, true, true};
    for (std::size_t j = 0; j < 6; ++j) {
        EXPECT_EQ(!oxalic.rows[0][j].has_value(), emptyBefore[j]) << "1 mL, column " << j;
        EXPECT_EQ(!oxalic.rows[1][j].has_value(), emptyPast[j]) << "3 mL, column " << j;
    }
}

} // namespace
