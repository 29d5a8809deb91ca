// SPDX-License-Identifier: GPL-3.0-or-later
// A student's own concentration on the bench: titrated with in every situation, hidden and
// locked (nothing reveals it, the reveal label included), the situations holding the word that
// stands for it; taken off when the exercise ends. The button that offers the check, and the
// tool bar of the text, under the exercise text and in the keyboard's order.
#include "fixture.h"

#include "exercises/format_bar.h"
#include "files/unknown_sample.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

namespace {

using benchtest::BenchTest;

TEST_F(BenchTest, TheStudentsConcentrationIsTitratedAndShownByNothing) {
    openPanel();
    window->ions1->setCurrentIndex(6);
    type(0, QStringLiteral("0,0123"));
    window->Text1_LostFocus(0);
    window->Option2[3]->setChecked(true);
    window->Option2[0]->setChecked(true);

    window->setStudentConcentration(0.0117);
    EXPECT_TRUE(window->studentConcentrationSet());
    EXPECT_DOUBLE_EQ(window->benchInputs().sampleConcentration, float(0.0117));
    EXPECT_DOUBLE_EQ(window->sampleConcentration(), 0.0117);
    EXPECT_TRUE(window->exerciseSecret());
    EXPECT_TRUE(window->Text1[0]->text().isEmpty());
    EXPECT_TRUE(window->masquer->isChecked());
    EXPECT_FALSE(window->masquer->isEnabled());
    EXPECT_TRUE(window->Command5->isHidden());
    // The label says "inconnue" and reveals nothing.
    EXPECT_EQ(window->Label1->text(), QStringLiteral("inconnue"));
    EXPECT_FALSE(window->Label1->isEnabled());
    EXPECT_EQ(window->Label1->accessibleName(),
              QStringLiteral("Concentration de la solution titrée inconnue"));
    window->Label1_Click();
    window->revealSampleConcentration();
    EXPECT_TRUE(window->exerciseSecret());
    EXPECT_TRUE(window->Text1[0]->text().isEmpty());
    // Validating the hidden box keeps the word (a validation would make it a number).
    window->Text1_LostFocus(0);
    EXPECT_EQ(text(0), QStringLiteral("inconnue"));
    // Every situation holds the word, the one on the bench included once copied back.
    window->Option2[3]->setChecked(true);
    EXPECT_DOUBLE_EQ(window->benchInputs().sampleConcentration, float(0.0117));
    const files::SituationTable& table = window->benchSituations();
    for (int s = 0; s < files::situationCount; ++s)
        EXPECT_EQ(table.texts[s][0], "inconnue") << s;

    // The readings of u(c2): c1 as typed, not its single-precision tail.
    type(1, QStringLiteral("0,02"));
    window->Text1_LostFocus(1);
    const exercises::BenchReadings readings = window->benchReadings();
    EXPECT_EQ(readings.species, window->ions1->currentIndex());
    EXPECT_EQ(readings.titrantConcentration, 0.02);
    // Activated again (coming back from a window of the program), the label stays "inconnue".
    window->Form_Activate();
    EXPECT_EQ(window->Label1->text(), QStringLiteral("inconnue"));
    EXPECT_FALSE(window->Label1->isEnabled());

    // Ended: the start value takes its place, shown and unlocked.
    window->setStudentConcentration(std::nullopt);
    EXPECT_FALSE(window->studentConcentrationSet());
    EXPECT_EQ(window->Text1[0]->text(), QStringLiteral("0,01"));
    EXPECT_FALSE(window->masquer->isChecked());
    EXPECT_TRUE(window->masquer->isEnabled());
    EXPECT_TRUE(window->Label1->isEnabled());
    EXPECT_EQ(window->Label1->accessibleName(), QStringLiteral("Afficher la concentration"));
    for (int s = 0; s < files::situationCount; ++s)
        EXPECT_EQ(window->situations().table.texts[s][0], "0,01") << s;
}

TEST_F(BenchTest, AConfigurationWithAValueOpenedDuringTheExerciseStaysHidden) {
    window->setStudentConcentration(0.0117);
    // The student's configuration, or another: a real value goes on the bench hidden.
    files::SituationTable other;
    other.texts[0][0] = "0,02";
    window->situations().table = other;
    window->situations().table.current = -1;
    window->clearSituationButtons(); // as a load does
    window->selectSituation(0);
    EXPECT_DOUBLE_EQ(window->benchInputs().sampleConcentration, float(0.02));
    EXPECT_TRUE(window->Text1[0]->text().isEmpty());
    // The word brings the student's value back.
    window->situations().table.texts[0][0] = std::string(files::unknownSampleText);
    window->situations().table.current = -1;
    window->clearSituationButtons(); // as a load does
    window->selectSituation(0);
    EXPECT_DOUBLE_EQ(window->benchInputs().sampleConcentration, float(0.0117));
}

TEST_F(BenchTest, TheCheckAndTheFormatsUnderTheExerciseText) {
    EXPECT_TRUE(window->checkResult->isHidden());
    EXPECT_TRUE(window->formatBar->isHidden()); // the information text
    const QRect text = window->supertext()->geometry();
    window->setResultCheckOffered(true);
    EXPECT_FALSE(window->checkResult->isHidden());
    EXPECT_GE(window->checkResult->y(), text.bottom());
    EXPECT_LE(window->checkResult->geometry().right(), text.right());
    EXPECT_LE(window->checkResult->geometry().bottom(), 600);
    // Writing mode: a text named in fich, editable.
    window->fich()->setText(QStringLiteral("DOSAGE.E44"));
    window->supertext()->setReadOnly(false);
    EXPECT_FALSE(window->formatBar->isHidden());
    EXPECT_GE(window->formatBar->y(), text.bottom());
    EXPECT_FALSE(window->formatBar->geometry().intersects(window->checkResult->geometry()));
    // In the keyboard's order after the text, before the command row.
    const std::vector<QWidget*> expected = {
        window->supertext(),          window->formatBar->bold,      window->formatBar->italic,
        window->formatBar->underline, window->formatBar->subscript, window->formatBar->superscript,
        window->formatBar->colour,    window->checkResult,          window->Command2};
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QWidget* next = expected[i - 1]->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        EXPECT_EQ(next, expected[i]) << i;
    }
    EXPECT_EQ(window->checkResult->text(), QStringLiteral("&Vérifier mon résultat…"));
    window->setResultCheckOffered(false);
    EXPECT_TRUE(window->checkResult->isHidden());
}

} // namespace
