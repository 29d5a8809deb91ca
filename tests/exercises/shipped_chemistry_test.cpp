// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped exercises against the titration model: the bench that each correction loads
// must stand where its correction says, at the equivalence itself (within a drop of one, for
// an acid-base titration), with enough reagent for an indirect titration; the statement's own
// bench starts with an empty burette. At the equivalence the titrated species is gone: the
// model counts what single precision leaves there as zero.

#include "shipped_benches.h"

#include "exercises/exercise_file.h"
#include "model/amounts.h"
#include "model/catalogue.h"
#include "model/titration_id.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

// The entry of the species that the titrant consumes: 0 once the equivalence is reached.
int titratedEntry(int species) {
    switch (species) {
    case 0:
    case 2:
    case 4:
    case 7:
        return 2; // diiode left or formed
    case 9:
        return 5; // thiosulfate
    default:
        break;
    }
    for (const model::GraphColumn& column : model::graphColumns(species))
        if (column.introduced == model::IntroducedBar::Titrated) return column.presentEntry;
    return -1;
}

namespace ab = model::acidbase;

// An acid-base correction stands within a drop of one of its equivalences, and its statement
// at an empty burette.
void checkAcidBase(const shipped::Bench& start, const shipped::Bench& corrected) {
    EXPECT_EQ(corrected.acidBase->preparation.titration, start.acidBase->preparation.titration);
    EXPECT_EQ(start.poured, 0.0);
    const std::vector<double> volumes = ab::equivalenceVolumes(corrected.acidBase->preparation);
    ASSERT_FALSE(volumes.empty());
    double nearest = volumes.front();
    for (double v : volumes)
        if (std::fabs(v - corrected.poured) < std::fabs(nearest - corrected.poured)) nearest = v;
    EXPECT_LE(std::fabs(nearest - corrected.poured), 0.05 + 1e-9) << "poured " << corrected.poured;
}

TEST(ShippedExercises, CorrectionsStandAtTheEquivalenceWithEnoughReagent) {
    const QStringList found = shipped::exerciseFiles();
    ASSERT_GE(found.size(), 11);
    std::set<int> speciesCovered;
    std::set<ab::Probe> probes;
    for (const QString& name : found) {
        SCOPED_TRACE(name.toStdString());
        const exercises::ExerciseRecords records =
            exercises::readExerciseRecords(shipped::dataFolder() + name);
        ASSERT_TRUE(records.readable);

        const auto start = shipped::situation(records[exercises::configurationRecord]);
        const auto corrected =
            shipped::situation(records[exercises::correctionConfigurationRecord]);
        ASSERT_TRUE(start && corrected);
        const int species = start->species;
        speciesCovered.insert(species);
        EXPECT_EQ(corrected->species, species);
        if (start->acidBase) {
            ASSERT_TRUE(corrected->acidBase.has_value());
            probes.insert(start->acidBase->probe);
            checkAcidBase(*start, *corrected);
            continue;
        }
        ASSERT_TRUE(model::isSpecies(species));
        EXPECT_EQ(start->redox.pouredVolume, 0.0f);

        const model::BenchInputs in = corrected->redox;
        EXPECT_TRUE(model::reagentSufficient(species, in));
        model::PresentAmounts present{};
        model::computeAmounts(species, in, present);
        EXPECT_EQ(present[titratedEntry(species)], 0.0f) << "poured " << in.pouredVolume;
        // One drop less and the titrated species is still there: the bench is not past it.
        model::BenchInputs before = in;
        before.pouredVolume -= 0.05f;
        model::computeAmounts(species, before, present);
        EXPECT_GT(present[titratedEntry(species)], 0.0f) << "poured " << in.pouredVolume;
    }
    // Direct titrations by permanganate, both diiode-thiosulfate roles, the three indirect.
    for (int species : {2, 9, 0, 4, 7})
        EXPECT_TRUE(speciesCovered.count(species)) << species;
    EXPECT_TRUE(speciesCovered.count(1) || speciesCovered.count(3) || speciesCovered.count(5) ||
                speciesCovered.count(6) || speciesCovered.count(8));
    // Everyday products: a vinegar, a drain cleaner, a soft drink or a descaler, a milk, a
    // household ammonia; with the pH meter, the conductimeter and the indicator alone.
    const auto position = [](int titration) {
        return model::listPosition({model::Family::AcidBase, titration});
    };
    for (int titration : {ab::Titration::EthanoicAcid, ab::Titration::SodiumHydroxide,
                          ab::Titration::LacticAcid, ab::Titration::Ammonia})
        EXPECT_TRUE(speciesCovered.count(position(titration))) << ab::listText(titration);
    EXPECT_TRUE(speciesCovered.count(position(ab::Titration::PhosphoricAcid)) ||
                speciesCovered.count(position(ab::Titration::CitricAcid)));
    EXPECT_EQ(probes, (std::set{ab::Probe::PHMeter, ab::Probe::Conductimeter, ab::Probe::None}));
}

} // namespace
