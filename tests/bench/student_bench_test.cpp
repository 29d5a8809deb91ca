// SPDX-License-Identifier: GPL-3.0-or-later
// A secret concentration on the bench, the student's own or the exercise's: titrated with in
// every situation by both families, hidden and locked (nothing reveals it, the reveal label
// included), the situations holding the word that stands for it; kept after the exercise is
// closed, until a new solution. The button that offers the check, and the
// tool bar of the text, under the exercise text and in the keyboard's order.
#include "fixture.h"

#include "exercises/format_bar.h"
#include "exercises/student_work.h"
#include "files/unknown_sample.h"
#include "grading/result_check.h"
#include "grading/titration_numbers.h"
#include "model/acidbase/student_methods.h"
#include "model/colour.h"
#include "numbers/formats.h"
#include "numbers/reading.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

#include <set>

namespace {

using benchtest::acidBaseOf;
using benchtest::BenchTest;

TEST_F(BenchTest, TheStudentsConcentrationIsTitratedAndShownByNothing) {
    openPanel();
    controlsOf(*window).ions1->setCurrentIndex(6);
    type(0, QStringLiteral("0,0123"));
    window->setUp().Text1_LostFocus(0);
    controlsOf(*window).Option2[3]->setChecked(true);
    controlsOf(*window).Option2[0]->setChecked(true);

    window->setUp().sealSample(0.0117);
    EXPECT_TRUE(window->setUp().sampleSealed());
    EXPECT_DOUBLE_EQ(window->setUp().benchInputs().sampleConcentration, float(0.0117));
    EXPECT_DOUBLE_EQ(window->setUp().sampleConcentration(), 0.0117);
    EXPECT_TRUE(window->setUp().exerciseSecret());
    EXPECT_TRUE(controlsOf(*window).Text1[0]->text().isEmpty());
    EXPECT_TRUE(controlsOf(*window).masquer->isChecked());
    EXPECT_FALSE(controlsOf(*window).masquer->isEnabled());
    EXPECT_TRUE(controlsOf(*window).Command5->isHidden());
    // The label says "inconnue" and reveals nothing.
    EXPECT_EQ(controlsOf(*window).Label1->text(), QStringLiteral("inconnue"));
    EXPECT_FALSE(controlsOf(*window).Label1->isEnabled());
    EXPECT_EQ(controlsOf(*window).Label1->accessibleName(),
              QStringLiteral("Concentration de la solution titrée inconnue"));
    window->setUp().Label1_Click();
    window->setUp().revealSampleConcentration();
    EXPECT_TRUE(window->setUp().exerciseSecret());
    EXPECT_TRUE(controlsOf(*window).Text1[0]->text().isEmpty());
    // Validating the hidden box keeps the word (a validation would make it a number).
    window->setUp().Text1_LostFocus(0);
    EXPECT_EQ(text(0), QStringLiteral("inconnue"));
    // Every situation holds the word, the one on the bench included once copied back.
    controlsOf(*window).Option2[3]->setChecked(true);
    EXPECT_DOUBLE_EQ(window->setUp().benchInputs().sampleConcentration, float(0.0117));
    const files::SituationTable& table = window->setUp().benchSituations();
    for (int s = 0; s < files::situationCount; ++s)
        EXPECT_EQ(table.texts[s][0], "inconnue") << s;

    // The readings of u(c2): c1 as typed, not its single-precision tail.
    type(1, QStringLiteral("0,02"));
    window->setUp().Text1_LostFocus(1);
    const exercises::BenchReadings readings = window->setUp().benchReadings();
    EXPECT_EQ(readings.numbers,
              grading::titrationNumbers(controlsOf(*window).ions1->currentIndex()));
    EXPECT_EQ(readings.titrantConcentration, 0.02);
    // Activated again (coming back from a window of the program), the label stays "inconnue".
    window->shell().Form_Activate();
    EXPECT_EQ(controlsOf(*window).Label1->text(), QStringLiteral("inconnue"));
    EXPECT_FALSE(controlsOf(*window).Label1->isEnabled());

    // Ended by a new solution, no exercise being open: the start value takes its place,
    // shown and unlocked.
    controlsOf(*window).ions1->setCurrentIndex(5);
    emit controlsOf(*window).ions1->activated(5);
    EXPECT_FALSE(window->setUp().sampleSealed());
    EXPECT_EQ(controlsOf(*window).Text1[0]->text(), QStringLiteral("0,01"));
    EXPECT_FALSE(controlsOf(*window).masquer->isChecked());
    EXPECT_TRUE(controlsOf(*window).masquer->isEnabled());
    EXPECT_TRUE(controlsOf(*window).Label1->isEnabled());
    EXPECT_EQ(controlsOf(*window).Label1->accessibleName(),
              QStringLiteral("Afficher la concentration"));
    for (int s = 0; s < files::situationCount; ++s)
        EXPECT_EQ(window->situationBench().situations().table.texts[s][0], "0,01") << s;
}

TEST_F(BenchTest, AConfigurationWithAValueOpenedDuringTheExerciseStaysHidden) {
    window->exerciseArea().exercise().work = exercises::StudentWork{};
    window->setUp().sealSample(0.0117);
    // The student's configuration, or another: a real value goes on the bench hidden.
    files::SituationTable other;
    other.texts[0][0] = "0,02";
    window->situationBench().situations().table = other;
    window->situationBench().situations().table.current = -1;
    window->shell().clearSituationButtons(); // as a load does
    window->shell().selectSituation(0);
    EXPECT_DOUBLE_EQ(window->setUp().benchInputs().sampleConcentration, float(0.02));
    EXPECT_TRUE(controlsOf(*window).Text1[0]->text().isEmpty());
    // The word brings the student's value back.
    window->situationBench().situations().table.texts[0][0] = std::string(files::unknownSampleText);
    window->situationBench().situations().table.current = -1;
    window->shell().clearSituationButtons(); // as a load does
    window->shell().selectSituation(0);
    EXPECT_DOUBLE_EQ(window->setUp().benchInputs().sampleConcentration, float(0.0117));
}

TEST_F(BenchTest, TheSecretReachesTheAcidBaseFlaskAndOutlivesTheExercise) {
    openPanel();
    chooseEthanoicAcid();
    const QString clear = window->speech().meterReading(); // c2 = 0,1 mol/L typed
    window->exerciseArea().exercise().work = exercises::StudentWork{};
    // The exercise's own value, sealed: the flask holds it, no text does.
    window->setUp().sealSample(std::nullopt);
    EXPECT_EQ(acidBaseOf(*window).setup().preparation.sampleConcentration, 0.1);
    EXPECT_EQ(window->speech().meterReading(), clear);
    EXPECT_EQ(text(0), QStringLiteral("inconnue"));
    EXPECT_EQ(window->setUp().exerciseSituations().texts[0][0], "0,1"); // the exercise saved again
    EXPECT_EQ(window->setUp().benchSituations().texts[0][0], "inconnue"); // a configuration saved
    // A student's own value takes its place, read by the acid-base bench as by the redox one.
    window->setUp().sealSample(0.08);
    EXPECT_EQ(acidBaseOf(*window).setup().preparation.sampleConcentration, 0.08);
    EXPECT_NE(window->speech().meterReading(), clear);
    EXPECT_EQ(window->setUp().exerciseSituations().texts[0][0], "inconnue");

    // Closed, the exercise leaves its secret: nothing shows it, not even another species.
    window->exerciseArea().exercise().work.reset();
    window->setUp().Label1_Click();
    EXPECT_TRUE(window->setUp().exerciseSecret());
    EXPECT_FALSE(controlsOf(*window).Label1->isEnabled());
    controlsOf(*window).Option2[1]->setChecked(true);
    controlsOf(*window).Option2[0]->setChecked(true);
    EXPECT_EQ(acidBaseOf(*window).setup().preparation.sampleConcentration, 0.08);
    // The student defines a new solution: the start value, shown, in every situation.
    emit controlsOf(*window).ions1->activated(controlsOf(*window).ions1->currentIndex());
    EXPECT_FALSE(window->setUp().exerciseSecret());
    EXPECT_EQ(controlsOf(*window).Text1[0]->text(), QStringLiteral("0,01"));
    EXPECT_EQ(window->situationBench().situations().table.texts[1][0], "0,01");

    // A correction that gives the value away puts the exercise's own text back.
    type(0, QStringLiteral("0,0214"));
    window->setUp().Text1_LostFocus(0);
    window->exerciseArea().exercise().work = exercises::StudentWork{};
    window->setUp().sealSample(std::nullopt);
    window->setUp().revealSampleConcentration();
    EXPECT_FALSE(window->setUp().sampleSealed());
    EXPECT_EQ(controlsOf(*window).Text1[0]->text(), QStringLiteral("0,0214"));
}

// Two students open a range exercise of each family: the flask holds each one's drawn value
// from the first reading on, and the value each finds from their own titration is compatible.
TEST_F(BenchTest, EachStudentTitratesTheirOwnUnknownInBothFamilies) {
    namespace ab = model::acidbase;
    const grading::ExerciseUnknown unknown{{0.008, 0.012, 3}, grading::ExerciseKey{0x35}};
    // The pH meter, or the tint of the flask as the colour law takes it.
    const auto firstReading = [this](bool acidBase) {
        if (acidBase) return window->speech().meterReading();
        const auto tint = model::beakerTint(window->setUp().presentAmounts(), 10, false);
        return tint ? QString::number(tint->concentration, 'g', 6) : QString();
    };
    openPanel();
    for (const bool acidBase : {false, true}) {
        // Diiode titrated by thiosulfate 0,01 mol/L, read by its colour; ethanoic acid by
        // sodium hydroxide 0,01 mol/L, read on the pH meter. 10 mL sampled.
        if (acidBase) {
            chooseEthanoicAcid(-1);
        } else {
            controlsOf(*window).ions1->setCurrentIndex(2);
            controlsOf(*window).Combo1->setCurrentIndex(4);
        }
        type(1, QStringLiteral("0,01"));
        window->setUp().Text1_LostFocus(1);
        if (acidBase) acidBaseOf(*window).titrantBox->setText(QStringLiteral("0,01"));
        std::set<QString> firstReadings;
        for (const char* name : {"Dupont Marie", "Alice Martin"}) {
            SCOPED_TRACE(std::string(name) + (acidBase ? ", acid-base" : ", redox"));
            const double own = *grading::drawConcentration(unknown, name).value;
            // The first reading of the same value typed.
            type(0, QString::fromStdString(numbers::formatGeneral(own)));
            window->setUp().Text1_LostFocus(0);
            const QString typed = firstReading(acidBase);
            exercises::StudentWork work;
            work.name = QString::fromUtf8(name);
            work.unknown = unknown;
            exercises::beginStudentWork(window->exerciseArea(), std::move(work));
            const QString first = firstReading(acidBase);
            EXPECT_EQ(first, typed);
            firstReadings.insert(first);

            // The student's own titration: the colour gone, or the derivative's V_E.
            double ve = 0;
            if (acidBase) {
                pour(200);
                ve = ab::applyMethod(acidBaseOf(*window).measuredPoints(),
                                     {ab::Method::Derivative, 0, 0, {}, {}})
                         .equivalence->volume;
            } else {
                window->run().Image3_MouseDown();
                while (!window->speech().progressSentence().contains(QStringLiteral("incolore")))
                    window->run().Timer1_Timer();
                window->run().Image3_MouseUp();
                ve = numbers::parseBenchDouble(controlsOf(*window).Text1[5]->text().toStdString());
            }
            // c2 = c1 VE / V2, over two for the two thiosulfate ions of each diiode.
            const double found = 0.01 * ve / 10 / (acidBase ? 1 : 2);
            const auto check = grading::checkTypedResult(
                numbers::formatSignificant(found, 3), numbers::formatSignificant(found / 50, 2),
                *exercises::referenceConcentration(window->exerciseArea()));
            EXPECT_TRUE(check.made() && check.compatible)
                << check.zText << check.refusal << " for " << found;
            exercises::endStudentWork(window->exerciseArea());
            emit controlsOf(*window).ions1->activated(
                controlsOf(*window).ions1->currentIndex()); // a new solution
            window->run().Command12_Click();
        }
        EXPECT_EQ(firstReadings.size(), 2u) << "two names, two values";
    }
}

TEST_F(BenchTest, TheCheckAndTheFormatsUnderTheExerciseText) {
    EXPECT_TRUE(controlsOf(*window).checkResult->isHidden());
    EXPECT_TRUE(controlsOf(*window).formatBar->isHidden()); // the information text
    const QRect text = window->exerciseArea().supertext()->geometry();
    window->setUp().setResultCheckOffered(true);
    EXPECT_FALSE(controlsOf(*window).checkResult->isHidden());
    EXPECT_GE(controlsOf(*window).checkResult->y(), text.bottom());
    EXPECT_LE(controlsOf(*window).checkResult->geometry().right(), text.right());
    EXPECT_LE(controlsOf(*window).checkResult->geometry().bottom(), 600);
    // Writing mode: a text named in fich, editable.
    window->exerciseArea().fich()->setText(QStringLiteral("DOSAGE.E44"));
    window->exerciseArea().supertext()->setReadOnly(false);
    EXPECT_FALSE(controlsOf(*window).formatBar->isHidden());
    EXPECT_GE(controlsOf(*window).formatBar->y(), text.bottom());
    EXPECT_FALSE(controlsOf(*window).formatBar->geometry().intersects(
        controlsOf(*window).checkResult->geometry()));
    // In the keyboard's order after the text, before the command row.
    const std::vector<QWidget*> expected = {window->exerciseArea().supertext(),
                                            controlsOf(*window).formatBar->bold,
                                            controlsOf(*window).formatBar->italic,
                                            controlsOf(*window).formatBar->underline,
                                            controlsOf(*window).formatBar->subscript,
                                            controlsOf(*window).formatBar->superscript,
                                            controlsOf(*window).formatBar->colour,
                                            controlsOf(*window).checkResult,
                                            controlsOf(*window).Command2};
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QWidget* next = expected[i - 1]->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        EXPECT_EQ(next, expected[i]) << i;
    }
    EXPECT_EQ(controlsOf(*window).checkResult->text(), QStringLiteral("&Vérifier mon résultat…"));
    window->setUp().setResultCheckOffered(false);
    EXPECT_TRUE(controlsOf(*window).checkResult->isHidden());
}

} // namespace
