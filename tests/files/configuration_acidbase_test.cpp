// SPDX-License-Identifier: GPL-3.0-or-later
// Configuration files that hold acid-base situations: their own signature, the 30 records of
// the water, the indicator and the probe, and what a damaged file gives.
#include "files/configuration.h"
#include "files/recordfile.h"
#include "files/tempfolder.h"

#include <gtest/gtest.h>

namespace {

using files::FamilyChoices;
using files::LoadResult;
using files::SituationTable;
using testing_files::contentOf;
using testing_files::TempFolder;

std::string recordText(const std::string& bytes, int record) {
    return files::RecordFile(bytes).read(record).text;
}

// Situation 3 titrates ethanoic acid (list position 12) with 25 mL of water, phenolphthalein
// (indicator position 6) and the conductimeter (probe position 1); every other situation has
// acid-base inputs of its own, so that a record out of place shows.
SituationTable acidBaseTable() {
    SituationTable t;
    for (int s = 0; s < files::situationCount; ++s)
        t.family[s] = {std::to_string(s) + ",5", static_cast<std::int16_t>(s % 8),
                       static_cast<std::int16_t>(s % 3)};
    t.choices[3][1] = 12;
    t.texts[3][0] = "0,1";
    t.family[3] = {"25", 6, 1};
    return t;
}

TEST(ConfigurationAcidBase, ARedoxFileKeepsItsLayout) {
    SituationTable redox;
    redox.family[2] = {"30", 3, 2}; // inputs a redox situation does not use
    redox.choices[9][1] = 9;        // the last redox species
    const auto bytes = files::configurationBytes(redox);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 91u * 128u);
    EXPECT_EQ(recordText(*bytes, 1), "TITRAGE");
}

TEST(ConfigurationAcidBase, AcidBaseSituationsAreWrittenAfterTheRedoxRecords) {
    const auto bytes = files::configurationBytes(acidBaseTable());
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 121u * 128u);
    // A program that knows only "TITRAGE" refuses the file instead of losing situation 3.
    EXPECT_EQ(recordText(*bytes, 1), "TITRAGE ACIDO-BASIQUE");
    EXPECT_EQ(recordText(*bytes, 8 + 9 * 3), "12") << "the species of situation 3";
    EXPECT_EQ(recordText(*bytes, 2 + 9 * 3), "0,1") << "its concentration";
    // Records 92 + 3s, 93 + 3s, 94 + 3s.
    EXPECT_EQ(recordText(*bytes, 101), "25");
    EXPECT_EQ(recordText(*bytes, 102), "6");
    EXPECT_EQ(recordText(*bytes, 103), "1");
    EXPECT_EQ(recordText(*bytes, 92), "0,5") << "situation 1's water";
    EXPECT_EQ(recordText(*bytes, 121), "0") << "situation 10's probe: 9 % 3";
}

TEST(ConfigurationAcidBase, AFileWithAcidBaseSituationsIsReadBackWhole) {
    TempFolder folder;
    const auto path = folder.file("acidobasique.C17");
    const SituationTable saved = acidBaseTable();
    ASSERT_EQ(files::writeConfiguration(path, saved), files::WriteResult::Ok);
    SituationTable loaded;
    loaded.choices[5][4] = 1; // the starch box is not in the file
    ASSERT_EQ(files::readConfiguration(path, loaded), LoadResult::Ok);
    EXPECT_EQ(loaded.texts, saved.texts);
    for (int s = 0; s < files::situationCount; ++s) {
        SCOPED_TRACE(s);
        for (int j = 1; j <= 3; ++j)
            EXPECT_EQ(loaded.choices[s][j], saved.choices[s][j]);
        EXPECT_EQ(loaded.family[s], saved.family[s]);
    }
    EXPECT_EQ(loaded.choices[5][4], 1);
    // Written again, the same bytes.
    EXPECT_EQ(files::configurationBytes(loaded), contentOf(path));
}

TEST(ConfigurationAcidBase, ARedoxFileGivesTheStartAcidBaseInputs) {
    SituationTable redox;
    const std::string bytes = *files::configurationBytes(redox);
    SituationTable table = acidBaseTable();
    ASSERT_EQ(files::readConfigurationBytes(bytes, table), LoadResult::Ok);
    for (int s = 0; s < files::situationCount; ++s)
        EXPECT_EQ(table.family[s], FamilyChoices{}) << s;
    // Records after the 91st of a redox file are ignored, as they always were.
    table = acidBaseTable();
    ASSERT_EQ(
        files::readConfigurationBytes(bytes + *files::configurationBytes(acidBaseTable()), table),
        LoadResult::Ok);
    EXPECT_EQ(table.choices[3][1], 0);
    EXPECT_EQ(table.family[3], FamilyChoices{});
}

struct DamageCase {
    const char* name;
    std::size_t kept; // bytes of the whole file kept
    LoadResult result;
};

TEST(ConfigurationAcidBase, ADamagedFileIsRefusedAndNothingIsLost) {
    const std::string whole = *files::configurationBytes(acidBaseTable());
    const DamageCase cases[] = {
        {"the acid-base records cut off", 91 * 128, LoadResult::Damaged},
        {"the last record missing", 120 * 128, LoadResult::Damaged},
        {"the last record's text cut off", 120 * 128 + 2, LoadResult::Damaged},
        {"the last record's filler cut off", 120 * 128 + 2 + 1, LoadResult::Ok},
        {"whole", whole.size(), LoadResult::Ok},
        {"the signature cut", 5, LoadResult::CannotRead},
    };
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.name);
        SituationTable table;
        table.texts[3][0] = "kept";
        const SituationTable before = table;
        EXPECT_EQ(files::readConfigurationBytes(whole.substr(0, c.kept), table), c.result);
        if (c.result != LoadResult::Ok) {
            EXPECT_EQ(table.texts, before.texts);
            EXPECT_EQ(table.choices, before.choices);
            EXPECT_EQ(table.family, before.family);
        } else {
            EXPECT_EQ(table.family[3], (FamilyChoices{"25", 6, 1}));
        }
    }
}

TEST(ConfigurationAcidBase, StoredPositionsAreReadAsTheRedoxOnesAre) {
    std::string bytes = *files::configurationBytes(acidBaseTable());
    files::RecordFile file(bytes);
    ASSERT_EQ(file.write(102, "-1"), files::RecordStatus::Ok);
    ASSERT_EQ(file.write(103, "not a number"), files::RecordStatus::Ok);
    ASSERT_EQ(file.write(101, ""), files::RecordStatus::Ok);
    SituationTable table;
    ASSERT_EQ(files::readConfigurationBytes(file.bytes(), table), LoadResult::Ok);
    EXPECT_EQ(table.family[3], (FamilyChoices{"", -1, 0}));
}

} // namespace
