// SPDX-License-Identifier: GPL-3.0-or-later
// An exercise that gives each student a concentration of their own: the name asked before
// anything opens, the value drawn from it, hidden on the bench through the correction, and
// the student's work kept for the run.

#include "exercise_files.h"
#include "exercises/exercise_actions.h"
#include "exercises/exercise_file.h"
#include "exercises/student_name_dialog.h"
#include "exercises/student_work.h"
#include "files/ui/paths.h"
#include "grading/exercise_key.h"
#include "grading/result_check.h"
#include "grading/student_name.h"
#include "grading/unknown_records.h"
#include "support/application.h"
#include "support/fake_exercise_area.h"
#include "support/scripted_answerer.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exotest;

namespace {

const grading::ExerciseUnknown classUnknown{{0.008, 0.012, 3},
                                            grading::ExerciseKey{0x0123456789abcdef}};

class StudentExercise : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QStringLiteral("/");
        writeFile(folder + "enonce.rtf", rtfText("Enonc\\'e9"));
        writeFile(folder + "corr.rtf", rtfText("Correction"));
        writeConfiguration(folder + "a.c17", 2, "0,0");
        writeConfiguration(folder + "ac.c17", 2, "12,0");
        writeWith("U.E44", {"1", QString::fromStdString(grading::rangeText(classUnknown.range)),
                            QString::fromStdString(grading::keyText(classUnknown.key))});
        files::setProgramFolder(dir.path());
        files::setUserDataFolder(dir.path());
        host.state.folder = folder;
    }
    void TearDown() override {
        files::setProgramFolder({});
        files::setUserDataFolder({});
    }

    // An exercise with a correction, titled "Titre", whose records go on from record 13.
    void writeWith(const QString& name, const QStringList& from13) {
        writeExercise(folder + name, QStringList{"enonce.rtf", "a.c17", "corr.rtf", "ac.c17", "1",
                                                 "", "", "", "", "", "Titre", "1"} +
                                         from13);
    }

    // The name dialog answered with that name (accepted), or cancelled when it is null.
    void answerName(const QString& name) {
        script.onExec = [name, this](QDialog& dialog) {
            auto& ask = dynamic_cast<exercises::StudentNameDialog&>(dialog);
            asked << ask.windowTitle();
            if (name.isNull()) return int(QDialog::Rejected);
            ask.name->setText(name);
            EXPECT_TRUE(ask.ok->isEnabled()) << name.toStdString();
            return int(QDialog::Accepted);
        };
    }

    exercises::OpenResult open(const QString& name, const QString& file = "U.E44") {
        answerName(name);
        return exercises::openExercise(host, folder + file, true, &host.window);
    }

    static double drawn(const char* name) {
        return grading::drawConcentration(classUnknown, name).value.value_or(-1);
    }

    QTemporaryDir dir;
    QString folder;
    support::FakeExerciseArea host;
    ui::ScriptedAnswerer script;
    QStringList asked;
};

TEST_F(StudentExercise, TheNameGivesTheStudentsOwnConcentrationHidden) {
    ASSERT_EQ(open(QStringLiteral("Léa Martin")), exercises::OpenResult::Opened);
    EXPECT_EQ(asked, QStringList{QStringLiteral("Nom et prénom")});
    ASSERT_EQ(host.seals.size(), 1u);
    const double lea = host.seals[0].value_or(-1);
    EXPECT_EQ(lea, drawn("Léa Martin"));
    EXPECT_GE(lea, 0.008);
    EXPECT_LE(lea, 0.012);
    // Hidden before the configuration came onto the bench, then given the student's value.
    EXPECT_EQ(host.hides, 1);
    EXPECT_TRUE(host.concentrationHidden);
    EXPECT_EQ(host.bench.selected, std::vector<int>{0});
    EXPECT_TRUE(host.checkOffered);
    ASSERT_TRUE(host.state.work);
    EXPECT_EQ(host.state.work->name, QStringLiteral("Léa Martin"));
    EXPECT_EQ(host.state.work->title, QStringLiteral("Titre"));
    EXPECT_EQ(exercises::referenceConcentration(host), lea);
}

TEST_F(StudentExercise, TwoNamesTwoValuesTheSameNameInCapitalsTheSameOne) {
    struct Row {
        const char* typed;
        const char* sameAs; // the name whose value it must get
    } rows[] = {
        {"Léa Martin", "Léa Martin"},          {"Éloïse Le Cœur", "Éloïse Le Cœur"},
        {"LÉA MARTIN", "Léa Martin"},          {"  lea   martin ", "Léa Martin"},
        {"ELOISE LE COEUR", "Éloïse Le Cœur"}, {"Martin, Léa.", "Léa Martin"},
    };
    for (const Row& row : rows) {
        ASSERT_EQ(open(QString::fromUtf8(row.typed)), exercises::OpenResult::Opened) << row.typed;
        EXPECT_EQ(host.seals.back(), drawn(row.sameAs)) << row.typed;
    }
    EXPECT_NE(drawn("Léa Martin"), drawn("Éloïse Le Cœur"));
    // Each opening sealed its student's value, and nothing else.
    EXPECT_EQ(host.seals.size(), std::size(rows));
}

TEST_F(StudentExercise, CancellingTheNameOpensNothing) {
    host.text->setPlainText(QStringLiteral("Ce qu'il y avait"));
    host.name->setText(QStringLiteral("avant.E44"));
    host.state.textModified = false;
    EXPECT_EQ(open(QString()), exercises::OpenResult::Cancelled);
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Ce qu'il y avait"));
    EXPECT_EQ(host.name->text(), QStringLiteral("avant.E44"));
    EXPECT_TRUE(host.bench.selected.empty());
    EXPECT_EQ(host.hides, 0);
    EXPECT_TRUE(host.seals.empty());
    EXPECT_FALSE(host.state.work);
    EXPECT_TRUE(script.asked.empty());
}

TEST_F(StudentExercise, DamagedRecordsAreRefusedWithTheirReason) {
    struct Row {
        const char* name;
        QStringList from13;
    } rows[] = {
        {"a range without its key", {"1", "0,008;0,012;3"}},
        {"a key without its range", {"1", "", "0123456789abcdef"}},
        {"a range that is not one", {"1", "0,012;0,008;3", "0123456789abcdef"}},
        {"a key too short", {"1", "0,008;0,012;3", "0123"}},
    };
    for (const Row& row : rows) {
        writeWith("D.E44", row.from13);
        script.asked.clear();
        script.answers = {ui::Answer::Ok};
        answerName(QStringLiteral("Léa Martin"));
        EXPECT_EQ(exercises::openExercise(host, folder + "D.E44", true, &host.window),
                  exercises::OpenResult::Unreadable)
            << row.name;
        ASSERT_EQ(script.asked.size(), 1u) << row.name;
        EXPECT_EQ(script.asked[0].title, QStringLiteral("Lecture impossible"));
        EXPECT_TRUE(script.asked[0].text.contains(QStringLiteral("D.E44"))) << row.name;
        EXPECT_TRUE(asked.isEmpty()) << "no name is asked for " << row.name;
        EXPECT_TRUE(host.bench.selected.empty()) << row.name;
    }
}

TEST_F(StudentExercise, TheCorrectionKeepsTheValueHidden) {
    ASSERT_EQ(open(QStringLiteral("Léa Martin")), exercises::OpenResult::Opened);
    exercises::showCorrection(host);
    EXPECT_EQ(host.text->toPlainText().trimmed(), QStringLiteral("Correction"));
    EXPECT_TRUE(host.text->isReadOnly());
    // The correction's configuration came onto the bench, and the student's value over it.
    EXPECT_EQ(host.bench.selected, (std::vector<int>{0, 0}));
    EXPECT_EQ(host.reveals, 0);
    EXPECT_TRUE(host.concentrationHidden);
    ASSERT_EQ(host.seals.size(), 2u);
    EXPECT_EQ(host.seals[1], host.seals[0]);
    // The check stays offered after the correction.
    EXPECT_TRUE(host.checkOffered);
}

TEST_F(StudentExercise, ChecksSurviveClosingAndComeBackUnderTheSameName) {
    ASSERT_EQ(open(QStringLiteral("Léa Martin")), exercises::OpenResult::Opened);
    host.state.work->checks.push_back(grading::checkTypedResult("0,0119", "0,0002", 0.0118));
    host.state.work->equivalenceVolume = QStringLiteral("11,9");
    exercises::closeExercise(host);
    EXPECT_FALSE(host.state.work);
    EXPECT_FALSE(host.checkOffered);
    EXPECT_EQ(host.seals.size(), 1u); // closed, the value stays sealed on the bench
    ASSERT_EQ(host.state.earlierWork.size(), 1u);

    // Another student's work is their own...
    ASSERT_EQ(open(QStringLiteral("Éloïse Le Cœur")), exercises::OpenResult::Opened);
    EXPECT_TRUE(host.state.work->checks.empty());
    // ...and the first one, back in capitals, finds their checks again.
    ASSERT_EQ(open(QStringLiteral("LÉA MARTIN")), exercises::OpenResult::Opened);
    ASSERT_EQ(host.state.work->checks.size(), 1u);
    EXPECT_EQ(host.state.work->checks[0].zText, "0,5");
    EXPECT_EQ(host.state.work->equivalenceVolume, QStringLiteral("11,9"));
    EXPECT_EQ(host.state.work->name, QStringLiteral("LÉA MARTIN"));
    EXPECT_EQ(host.state.earlierWork.size(), 1u); // Éloïse's
}

TEST_F(StudentExercise, ARecord13ExerciseChecksAgainstTheBenchWithoutAName) {
    writeWith("H.E44", {"1"});
    host.benchConcentration = 0.0123;
    EXPECT_EQ(exercises::openExercise(host, folder + "H.E44", true, &host.window),
              exercises::OpenResult::Opened);
    EXPECT_EQ(script.execs, 0); // no name asked
    ASSERT_TRUE(host.state.work);
    EXPECT_TRUE(host.state.work->name.isEmpty());
    EXPECT_TRUE(host.checkOffered);
    EXPECT_EQ(host.seals, std::vector<std::optional<double>>{std::nullopt}); // the bench's own
    EXPECT_EQ(exercises::referenceConcentration(host), 0.0123);
    // An exercise that hides nothing has no result to check.
    writeWith("N.E44", {});
    EXPECT_EQ(exercises::openExercise(host, folder + "N.E44", true, &host.window),
              exercises::OpenResult::Opened);
    EXPECT_FALSE(host.state.work);
    EXPECT_FALSE(host.checkOffered);
    EXPECT_EQ(exercises::referenceConcentration(host), std::nullopt);
}

TEST(StudentNameDialog, OkOnlyForANameAndEveryControlNamed) {
    support::application();
    exercises::StudentNameDialog dialog(QStringLiteral("Dosage"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Nom et prénom"));
    EXPECT_EQ(dialog.name->accessibleName(), QStringLiteral("Nom et prénom"));
    EXPECT_TRUE(dialog.note->text().contains(QStringLiteral("«\u00A0Dosage\u00A0»")));
    struct Row {
        const char* name;
        QString typed;
        bool ok;
    } rows[] = {
        {"empty", QString(), false},
        {"blanks", QStringLiteral("  \t "), false},
        {"no-break spaces and a zero-width space", QStringLiteral("\u00A0\u200B\u202F"), false},
        {"one letter", QStringLiteral("a"), true},
        {"a name", QStringLiteral("Léa Martin"), true},
        {"digits only", QStringLiteral("12"), true},
    };
    for (const Row& row : rows) {
        dialog.name->setText(row.typed);
        EXPECT_EQ(dialog.ok->isEnabled(), row.ok) << row.name;
        // Nothing to tell while the box holds nothing.
        EXPECT_TRUE(dialog.problem->isHidden()) << row.name;
    }
    // A name refused says why, in the dialog and to a screen reader reading the name box.
    for (const QString& typed : {QStringLiteral("Alice M\u0430rtin"), QStringLiteral("...")}) {
        dialog.name->setText(typed);
        const QString reason = QString::fromStdString(grading::nameProblem(typed.toStdString()));
        EXPECT_FALSE(reason.isEmpty());
        EXPECT_FALSE(dialog.ok->isEnabled());
        EXPECT_FALSE(dialog.problem->isHidden());
        EXPECT_EQ(dialog.problem->text(), reason);
        EXPECT_EQ(dialog.name->accessibleDescription(), reason);
    }
    dialog.name->setText(QStringLiteral("Alice Martin"));
    EXPECT_TRUE(dialog.ok->isEnabled());
    EXPECT_TRUE(dialog.problem->isHidden());
    EXPECT_TRUE(dialog.name->accessibleDescription().isEmpty());
    // The label takes the keyboard to the name.
    const auto labels = dialog.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [&](QLabel* l) { return l->buddy() == dialog.name; }));
}

} // namespace
