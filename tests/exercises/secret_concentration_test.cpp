// SPDX-License-Identifier: GPL-3.0-or-later
// Record 13 of an exercise file: "1" keeps the concentration to find secret from the opening
// of the exercise, by every way it opens, until its correction is shown.

#include "exercise_files.h"
#include "exercises/exercise_actions.h"
#include "exercises/exercise_file.h"
#include "exercises/fichexo.h"
#include "files/ui/paths.h"
#include "support/fake_exercise_area.h"
#include "support/scripted_answerer.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exotest;

namespace {

class SecretConcentration : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QStringLiteral("/");
        writeFile(folder + "enonce.rtf", rtfText("Enonc\\'e9"));
        writeFile(folder + "corr.rtf", rtfText("Correction"));
        writeConfiguration(folder + "a.c17", 2, "0,0");
        writeConfiguration(folder + "ac.c17", 2, "12,0");
        files::setProgramFolder(dir.path());
    }
    void TearDown() override { files::setProgramFolder({}); }

    // An exercise with a correction whose records go on with the given ones from record 13.
    void writeWithRecord13(const QString& name, const QStringList& from13) {
        writeExercise(folder + name, QStringList{"enonce.rtf", "a.c17", "corr.rtf", "ac.c17", "1",
                                                 "", "", "", "", "", "Titre", "1"} +
                                         from13);
    }

    QTemporaryDir dir;
    QString folder;
    support::FakeExerciseArea host;
    ui::ScriptedAnswerer script;
};

TEST_F(SecretConcentration, OnlyARecord13OfOneHidesIt) {
    struct Row {
        const char* name;
        QStringList from13;
        bool hides;
    } rows[] = {
        {"one", {"1"}, true},
        {"one among blanks", {" 1  "}, true},
        {"no record 13 (an older file)", {}, false},
        {"blank", {"  "}, false},
        {"zero", {"0"}, false},
        {"a word", {"oui"}, false},
        {"another number", {"10"}, false},
        // Records 14 and 15 (a range and a key) left blank, a record after them.
        {"followed by more records", {"1", "", "", "plus tard"}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        writeWithRecord13("X.E44", row.from13);
        EXPECT_EQ(exercises::readExerciseRecords(folder + "X.E44").hidesConcentration(), row.hides);
        host.hides = host.reveals = 0;
        host.bench.selected.clear();
        host.state.folder = folder;
        ASSERT_EQ(exercises::openExercise(host, folder + "X.E44", true, &host.window),
                  exercises::OpenResult::Opened);
        // The secret is kept first, then the bench takes the configuration: the
        // concentration never shows on the bench.
        EXPECT_EQ(host.bench.selected, std::vector<int>{0});
        EXPECT_EQ(host.concentrationHidden, row.hides);
        exercises::showCorrection(host);
        EXPECT_FALSE(host.concentrationHidden);
        // A file without the record leaves the bench's hidden concentration alone.
        EXPECT_EQ(host.hides, row.hides ? 1 : 0);
        EXPECT_EQ(host.reveals, row.hides ? 1 : 0);
    }
    EXPECT_TRUE(script.asked.empty());
}

TEST_F(SecretConcentration, KeptByEveryWayAnExerciseOpens) {
    writeWithRecord13("S.E44", {"1"});
    // The browser.
    {
        exercises::Fichexo window(host, &host.window);
        window.File1_Click(QStringLiteral("S.E44"));
        window.ouvreur_Click();
    }
    EXPECT_TRUE(host.concentrationHidden);
    exercises::showCorrection(host);
    EXPECT_FALSE(host.concentrationHidden);
    // A request of another program, named in the temporary file.
    exercises::openRequestedExercise(host, QStringLiteral("s.e44"));
    EXPECT_TRUE(host.concentrationHidden);
    // The getting-started file has the same records.
    exercises::showCorrection(host);
    writeWithRecord13("VIREKA.PEM", {"1"});
    ASSERT_TRUE(exercises::gettingStarted(host));
    EXPECT_TRUE(host.concentrationHidden);
    EXPECT_EQ(host.hides, 3);
    EXPECT_TRUE(script.asked.empty());
}

TEST_F(SecretConcentration, ACorrectionThatCannotLoadKeepsTheSecret) {
    writeWithRecord13("S.E44", {"1"});
    host.state.folder = folder;
    ASSERT_EQ(exercises::openExercise(host, folder + "S.E44", true, &host.window),
              exercises::OpenResult::Opened);
    QFile::remove(folder + "corr.rtf");
    script.answers = {ui::Answer::Ok};
    exercises::showCorrection(host);
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].title, QStringLiteral("Fichier absent"));
    EXPECT_TRUE(host.concentrationHidden);
}

} // namespace
