// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped exercises against the titration model: the bench that each correction loads
// must stand where its correction says, at the equivalence itself, with enough reagent for an
// indirect titration; the statement's own bench starts with an empty burette. At the
// equivalence the titrated species is gone: the model counts what single precision leaves
// there as zero.

#include "exercises/exercise_file.h"
#include "files/configuration.h"
#include "model/amounts.h"
#include "model/catalogue.h"
#include "numbers/reading.h"

#include <QDir>
#include <gtest/gtest.h>
#include <set>

namespace {

const char* const volumeItems[] = {"0", "1 mL", "2 mL", "5 mL", "10 mL", "20 mL"};

double listVolume(int position) {
    return position >= 0 && position < 6 ? numbers::leadingNumber(volumeItems[position]) : 0;
}

// The bench inputs of situation s of a table, read as the bench reads its boxes and lists.
model::BenchInputs inputsOf(const files::SituationTable& table, int s) {
    const auto& t = table.texts[s];
    const auto& c = table.choices[s];
    model::BenchInputs in;
    in.sampleConcentration = numbers::parseBenchNumber(t[0]);
    in.titrantConcentration = numbers::parseBenchNumber(t[1]);
    in.reagentConcentration = numbers::parseBenchNumber(t[2]);
    in.iodideVolume = numbers::parseBenchNumber(t[3]);
    in.pouredVolume = numbers::parseBenchNumber(t[5]);
    in.sampleVolume = listVolume(c[2]);
    in.iodineVolume = listVolume(c[3]);
    return in;
}

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

files::SituationTable load(const QString& folder, const QString& stored) {
    files::SituationTable table;
    const QString path = exercises::resolveStoredName(folder, stored);
    EXPECT_EQ(files::readConfiguration(path.toStdString(), table), files::LoadResult::Ok)
        << path.toStdString();
    return table;
}

TEST(ShippedExercises, CorrectionsStandAtTheEquivalenceWithEnoughReagent) {
    const QString data = QStringLiteral(TITRAGE_SOURCE_DIR "/data/");
    const QStringList found = QDir(data).entryList({QStringLiteral("*.E44")});
    ASSERT_GE(found.size(), 6);
    std::set<int> speciesCovered;
    for (const QString& name : found) {
        SCOPED_TRACE(name.toStdString());
        const exercises::ExerciseRecords records = exercises::readExerciseRecords(data + name);
        ASSERT_TRUE(records.readable);

        const files::SituationTable start = load(data, records[exercises::configurationRecord]);
        const int species = start.choices[0][1];
        ASSERT_TRUE(model::isSpecies(species));
        speciesCovered.insert(species);
        EXPECT_EQ(numbers::parseBenchNumber(start.texts[0][5]), 0.0f);

        const files::SituationTable corrected =
            load(data, records[exercises::correctionConfigurationRecord]);
        EXPECT_EQ(corrected.choices[0][1], species);
        const model::BenchInputs in = inputsOf(corrected, 0);
        EXPECT_TRUE(model::reagentSufficient(species, in));
        model::PresentAmounts present{};
        model::computeAmounts(species, in, present);
        EXPECT_EQ(present[titratedEntry(species)], 0.0f) << "poured " << corrected.texts[0][5];
        // One drop less and the titrated species is still there: the bench is not past it.
        model::BenchInputs before = in;
        before.pouredVolume -= 0.05f;
        model::computeAmounts(species, before, present);
        EXPECT_GT(present[titratedEntry(species)], 0.0f) << "poured " << corrected.texts[0][5];
    }
    // Direct titrations by permanganate, both diiode-thiosulfate roles, the three indirect.
    for (int species : {2, 9, 0, 4, 7})
        EXPECT_TRUE(speciesCovered.count(species)) << species;
    EXPECT_TRUE(speciesCovered.count(1) || speciesCovered.count(3) || speciesCovered.count(5) ||
                speciesCovered.count(6) || speciesCovered.count(8));
}

} // namespace
