// SPDX-License-Identifier: GPL-3.0-or-later
// "Vérifier mon résultat…": z and the verdict for what the student typed, every check kept,
// the expected value nowhere, and u(c2) computed the class's way from the bench.

#include "exercises/exercise_menu.h"
#include "exercises/kept_checks.h"
#include "exercises/result_check_window.h"
#include "exercises/student_work.h"
#include "files/ui/paths.h"
#include "grading/titration_numbers.h"
#include "model/acidbase/catalogue.h"
#include "model/acidbase/reaction_numbers.h"
#include "model/catalogue.h"
#include "support/fake_exercise_area.h"
#include "support/scripted_answerer.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <utility>

namespace {

// What the bench gives with a redox species chosen (-1: none).
exercises::BenchReadings redox(int species, double c1, double v2) {
    return {grading::titrationNumbers(species), c1, v2};
}

class ResultCheckWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The checks kept between runs go to a folder of the test's own.
        ASSERT_TRUE(userData.isValid());
        files::setUserDataFolder(userData.path());
        exercises::StudentWork work;
        work.exerciseFile = QStringLiteral("/classe/FER.E44");
        work.title = QStringLiteral("Dosage du fer");
        host.state.work = work;
        // An exercise that hides the bench's concentration: the reference is the bench's.
        host.benchConcentration = 0.01037;
    }
    void TearDown() override { files::setUserDataFolder({}); }

    // Every text the window shows or tells.
    static QString allTexts(const exercises::ResultCheckWindow& w) {
        QString all = w.answer->text() + w.computation->toPlainText() + w.note->text();
        for (int i = 0; i < w.checks->count(); ++i)
            all += w.checks->item(i)->text();
        for (const QWidget* child : w.findChildren<QWidget*>())
            all += child->accessibleName() + child->accessibleDescription() + child->toolTip();
        return all;
    }

    QTemporaryDir userData;
    support::FakeExerciseArea host;
    ui::ScriptedAnswerer script;
};

TEST_F(ResultCheckWindowTest, EachCheckAnswersZAndTheVerdictOrWhyNotAndIsKept) {
    exercises::ResultCheckWindow window(host);
    const QString inconclusive = QStringLiteral("Incertitude trop grande pour conclure\u00A0: "
                                                "u(c2) dépasse 10\u00A0% de c2.");
    struct Row {
        const char* name;
        const char* c;
        const char* u;
        QString answer; // a z, or why there is none
    } rows[] = {
        // |0,01057 − 0,01037| / 0,0002 = 1
        {"one uncertainty above", "0,01057", "0,0002",
         QStringLiteral("z\u00A0=\u00A01,0\u00A0: Résultat compatible avec la valeur "
                        "attendue.")},
        // |0,00977 − 0,01037| / 0,0002 = 3, typed with points and an exponent
        {"three below, points", "0.00977", "2e-4",
         QStringLiteral("z\u00A0=\u00A03,0\u00A0: Résultat non compatible avec la valeur "
                        "attendue.")},
        // |0,01077 − 0,01037| / 0,0002 = 2: still compatible
        {"two exactly, blanks around", " 0,01077 ", " 0,0002 ",
         QStringLiteral("z\u00A0=\u00A02,0\u00A0: Résultat compatible avec la valeur "
                        "attendue.")},
        // |0,0097 − 0,01037| / 0,0002 = 3,35
        {"beyond 3", "0,0097", "0,0002",
         QStringLiteral("z\u00A0>\u00A03\u00A0: Résultat non compatible avec la valeur "
                        "attendue.")},
        {"u = 1 for c = 0,5", "0,5", "1", inconclusive},
        {"c = u = 1E-06", "1E-06", "1E-06", inconclusive},
        {"not a number", "environ 0,01", "0,0002",
         QStringLiteral("La concentration «\u00A0environ 0,01\u00A0» n'est pas un nombre.")},
        {"no uncertainty", "0,0104", "0",
         QStringLiteral("L'incertitude-type u(c2) est nulle\u00A0: aucune mesure n'est exacte. "
                        "Calculer u(c2) à la manière de la classe.")},
        {"nothing typed", "", "", QStringLiteral("Taper la concentration c2 trouvée.")},
    };
    std::size_t kept = 0;
    for (const Row& row : rows) {
        window.concentration->setText(QString::fromUtf8(row.c));
        window.uncertainty->setText(QString::fromUtf8(row.u));
        EXPECT_EQ(window.check_Click(), row.answer.startsWith(QLatin1Char('z'))) << row.name;
        EXPECT_EQ(window.answer->text(), row.answer) << row.name;
        // Refused or made, every check is kept and listed.
        ++kept;
        ASSERT_EQ(host.state.work->checks.size(), kept) << row.name;
        EXPECT_EQ(window.checks->count(), int(kept)) << row.name;
    }
    EXPECT_EQ(host.state.work->checks[1].zText, "3,0");
    EXPECT_FALSE(host.state.work->checks[1].compatible);
    EXPECT_TRUE(window.checks->item(0)->text().startsWith(QStringLiteral("1. c2 = 0,01057")));
    EXPECT_EQ(window.checks->item(4)->text(),
              QStringLiteral("5. c2 = «\u00A00,5\u00A0»\u00A0; u(c2) = «\u00A01\u00A0»\u00A0; "
                             "vérification refusée. ") +
                  inconclusive);
    // The expected value is written nowhere, in no form.
    const QString all = allTexts(window);
    for (const char* form : {"0,01037", "0.01037", "1,037", "1.037"})
        EXPECT_FALSE(all.contains(QString::fromUtf8(form))) << form;
}

TEST_F(ResultCheckWindowTest, ChecksComeBackAfterARestart) {
    host.state.work->name = QStringLiteral("Marie Dupont");
    {
        exercises::ResultCheckWindow window(host);
        for (const auto& [c, u] : {std::pair{"0,0104", "0,0002"}, std::pair{"0,5", "1"}}) {
            window.concentration->setText(QString::fromUtf8(c));
            window.uncertainty->setText(QString::fromUtf8(u));
            window.check_Click();
        }
    }
    const std::vector<grading::ResultCheck> made = host.state.work->checks;
    ASSERT_EQ(made.size(), 2u);
    // The file holds what was typed and shown, never the expected value.
    QFile file(exercises::checksFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    EXPECT_FALSE(bytes.contains("0,01037") || bytes.contains("0.01037")) << bytes.toStdString();

    // Another run: the same exercise under the same name, the words the other way round.
    struct Row {
        const char* name;
        QString file;
        QString student;
        bool back; // the checks come back
    } rows[] = {
        {"same exercise, same name", QStringLiteral("/classe/FER.E44"),
         QStringLiteral("DUPONT Marie"), true},
        {"another name", QStringLiteral("/classe/FER.E44"), QStringLiteral("Léa Martin"), false},
        {"another exercise", QStringLiteral("/classe/CUIVRE.E44"), QStringLiteral("Marie Dupont"),
         false},
    };
    for (const Row& row : rows) {
        support::FakeExerciseArea restarted;
        exercises::StudentWork work;
        work.exerciseFile = row.file;
        work.name = row.student;
        exercises::beginStudentWork(restarted, work);
        ASSERT_TRUE(restarted.state.work) << row.name;
        const auto& back = restarted.state.work->checks;
        EXPECT_EQ(back, row.back ? made : std::vector<grading::ResultCheck>{}) << row.name;
    }

    // A damaged line is skipped, the others read; the next check writes the file whole again.
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("/classe/FER.E44\tdupont marie\t0,01\t???\n\xff\xfe\n");
    file.close();
    support::FakeExerciseArea restarted;
    exercises::StudentWork work;
    work.exerciseFile = QStringLiteral("/classe/FER.E44");
    work.name = QStringLiteral("Marie Dupont");
    exercises::beginStudentWork(restarted, work);
    ASSERT_EQ(restarted.state.work->checks, made);
    exercises::ResultCheckWindow window(restarted);
    EXPECT_EQ(window.checks->count(), 2);
    window.concentration->setText(QStringLiteral("0,0103"));
    window.uncertainty->setText(QStringLiteral("0,0002"));
    EXPECT_TRUE(window.check_Click());
    EXPECT_EQ(exercises::keptChecks(work), restarted.state.work->checks);
    EXPECT_EQ(restarted.state.work->checks.size(), 3u);
}

TEST_F(ResultCheckWindowTest, TheChecksMadeBeforeAreListedWhenTheWindowOpensAgain) {
    {
        exercises::ResultCheckWindow first(host);
        first.concentration->setText(QStringLiteral("0,0104"));
        first.uncertainty->setText(QStringLiteral("0,0001"));
        ASSERT_TRUE(first.check_Click());
        first.equivalence->setText(QStringLiteral("10,4"));
        host.readings = redox(model::Species::IronSulfate, 0.02, 10);
        first.compute_Click();
    }
    exercises::ResultCheckWindow second(host);
    ASSERT_EQ(second.checks->count(), 1);
    EXPECT_TRUE(second.checks->item(0)->text().startsWith(QStringLiteral("1. c2 = 0,0104")));
    // The equivalence volume typed for u(c2) is kept for the report.
    EXPECT_EQ(second.equivalence->text(), QStringLiteral("10,4"));
    EXPECT_EQ(host.state.work->equivalenceVolume, QStringLiteral("10,4"));
}

TEST_F(ResultCheckWindowTest, UncertaintyOfTheClassWorkedExampleFromTheBench) {
    // Iron(II) by permanganate, c1 = 0,0200 mol/L known to 0,0001 mol/L, a pipette of 10 mL,
    // VE = 12,45 mL: c2 = 5 × 0,02 × 12,45 / 10 = 0,1245 mol/L and u(c2) = 0,00069271 mol/L
    // (worked by hand in the grading tests), written with two digits.
    host.readings = redox(model::Species::IronSulfate, 0.02, 10);
    exercises::ResultCheckWindow window(host);
    window.equivalence->setText(QStringLiteral("12,45"));
    window.titrantUncertainty->setText(QStringLiteral("0,0001"));
    ASSERT_TRUE(window.compute_Click());
    EXPECT_EQ(window.uncertainty->text(), QStringLiteral("0,00069"));
    EXPECT_EQ(window.concentration->text(), QStringLiteral("0,1245"));
    // The raw text keeps the no-break spaces that the plain text turns into spaces.
    const QStringList lines =
        window.computation->document()->toRawText().split(QChar::ParagraphSeparator);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], QStringLiteral("c2 = 5 × c1 × VE / V2 = 5 × 0,02\u00A0mol/L × "
                                       "12,45\u00A0mL / 10\u00A0mL = 0,1245\u00A0mol/L"));
    EXPECT_EQ(lines[6], QStringLiteral("Résultat\u00A0: c2 = 0,12450\u00A0mol/L avec u(c2) = "
                                       "0,00069\u00A0mol/L"));
    // A concentration already typed is the student's: u(c2) does not replace it.
    window.concentration->setText(QStringLiteral("0,125"));
    window.titrantUncertainty->clear(); // the default 0,5 % for c1
    ASSERT_TRUE(window.compute_Click());
    EXPECT_EQ(window.concentration->text(), QStringLiteral("0,125"));
    EXPECT_TRUE(window.computation->toPlainText().startsWith(QStringLiteral("c2 = 5 × c1")));
    EXPECT_EQ(window.uncertainty->text(), QStringLiteral("0,00069"));
}

TEST_F(ResultCheckWindowTest, AnAcidBaseTitrationTakesItsOwnRelation) {
    // Citric acid by sodium hydroxide, C6H8O7 + 3 HO⁻: c2 = c1 × VE / (3 × V2)
    // = 0,1 × 12 / (3 × 10) = 0,04 mol/L: the numbers of its first reaction.
    host.readings = {model::acidbase::firstReactionNumbers(model::acidbase::Titration::CitricAcid),
                     0.1, 10};
    exercises::ResultCheckWindow window(host);
    window.equivalence->setText(QStringLiteral("12"));
    ASSERT_TRUE(window.compute_Click()) << window.computation->toPlainText().toStdString();
    const QStringList lines =
        window.computation->document()->toRawText().split(QChar::ParagraphSeparator);
    EXPECT_EQ(lines[0], QStringLiteral("c2 = c1 × VE / (3 × V2) = 0,1\u00A0mol/L × 12\u00A0mL / "
                                       "(3 × 10\u00A0mL) = 0,04000\u00A0mol/L"));
    // u(c2)/c2 is about 0,7 % (c1 to 0,5 %, the burette and the pipette): u(c2) about
    // 0,00027 mol/L, two digits, and c2 written to the same decimal place.
    EXPECT_TRUE(window.uncertainty->text().startsWith(QStringLiteral("0,000")))
        << window.uncertainty->text().toStdString();
    EXPECT_EQ(window.concentration->text(), QStringLiteral("0,04000"));
}

TEST_F(ResultCheckWindowTest, WhenTheFormulaOrTheReadingsDoNotApply) {
    struct Row {
        const char* name;
        exercises::BenchReadings bench;
        const char* ve;
        const char* u1;
        const char* says; // a piece of the message
    } rows[] = {
        {"back titration", redox(model::Species::AscorbicAcid, 0.02, 10), "12", "", "pas direct"},
        {"no species", redox(-1, 0.02, 10), "12", "", "pas direct"},
        {"no volume", redox(model::Species::IronSulfate, 0.02, 10), "", "", "Taper le volume"},
        {"burette overrun", redox(model::Species::IronSulfate, 0.02, 10), "26", "", "25"},
        {"no pipette of 7 mL", redox(model::Species::IronSulfate, 0.02, 7), "12", "", "pipette"},
        {"u(c1) not a number", redox(model::Species::IronSulfate, 0.02, 10), "12", "un peu",
         "u(c1) n'est pas un nombre"},
    };
    for (const Row& row : rows) {
        host.readings = row.bench;
        exercises::ResultCheckWindow window(host);
        window.equivalence->setText(QString::fromUtf8(row.ve));
        window.titrantUncertainty->setText(QString::fromUtf8(row.u1));
        EXPECT_FALSE(window.compute_Click()) << row.name;
        EXPECT_TRUE(window.computation->toPlainText().contains(QString::fromUtf8(row.says)))
            << row.name << ": " << window.computation->toPlainText().toStdString();
        EXPECT_TRUE(window.uncertainty->text().isEmpty()) << row.name;
    }
}

TEST_F(ResultCheckWindowTest, OfferedByTheMenuOnlyWhileAWorkIsOpen) {
    exercises::ExerciseMenu menu(host, &host.window);
    menu.updateEntries();
    EXPECT_TRUE(menu.verifexo->isEnabled());
    int opened = 0;
    script.onExec = [&](QDialog& dialog) {
        EXPECT_TRUE(dynamic_cast<exercises::ResultCheckWindow*>(&dialog));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vérifier mon résultat"));
        ++opened;
        return int(QDialog::Accepted);
    };
    QWidget btexo(&host.window);
    script.menuChoices = {QStringLiteral("verifexo")};
    menu.popup(&btexo);
    EXPECT_EQ(opened, 1);
    host.state.work.reset();
    menu.updateEntries();
    EXPECT_FALSE(menu.verifexo->isEnabled());
    exercises::openResultCheck(host); // nothing to check: nothing opens
    EXPECT_EQ(opened, 1);
}

TEST_F(ResultCheckWindowTest, EveryControlNamedForTheKeyboardAndScreenReaders) {
    exercises::ResultCheckWindow window(host);
    for (QWidget* w : std::initializer_list<QWidget*>{
             window.concentration, window.uncertainty, window.equivalence,
             window.titrantUncertainty, window.computation, window.checks, window.answer})
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
    for (QPushButton* b : {window.check, window.compute, window.close}) {
        EXPECT_TRUE(b->text().contains(QLatin1Char('&'))) << b->text().toStdString();
        EXPECT_NE(b->focusPolicy(), Qt::NoFocus);
    }
}

} // namespace
