// SPDX-License-Identifier: GPL-3.0-or-later
// A teacher writes an exercise from the bench and the exercise area, through the exercises
// menu, and it opens in the exercises window as a shipped exercise does, from another folder.

#include "exercises/exercise_editor.h"
#include "exercises/exercise_file.h"
#include "exercises/fichexo.h"
#include "files/recordfile.h"
#include "files/ui/folderlists.h"
#include "fixture.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextEdit>

namespace {

using benchtest::BenchTest;

TEST_F(BenchTest, AnExerciseWrittenFromTheBenchOpensAsItWasWritten) {
    // Situation 3 holds a titration whose boxes were typed and never copied into the table.
    controlsOf(*window).Option2[2]->setChecked(true);
    controlsOf(*window).ions1->setCurrentIndex(6);
    controlsOf(*window).Combo1->setCurrentIndex(3);
    type(0, QStringLiteral("0,0437"));
    type(1, QStringLiteral("0,02"));
    type(5, QStringLiteral("3,5"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("classe")));
    const QString classFolder = folder.path() + QStringLiteral("/classe");

    // Over the information text, one choice of "Créer un exercice…" gives an empty page and
    // the window of the new exercise beside it, which stays open while the statement is
    // written.
    script.menuChoices = {QStringLiteral("creerexo")};
    window->shell().btexo_Click();
    EXPECT_TRUE(script.asked.empty());
    EXPECT_EQ(script.execs, 0);
    EXPECT_TRUE(window->exerciseArea().supertext()->toPlainText().isEmpty());
    EXPECT_FALSE(window->exerciseArea().supertext()->isReadOnly());
    QPointer<exercises::ExerciseEditor> editor = window->findChild<exercises::ExerciseEditor*>();
    ASSERT_TRUE(editor);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Créer un exercice"));
    const QString statement = QStringLiteral("Doser l'eau oxygénée : trouver c₂ à 1 % près.");
    window->exerciseArea().supertext()->insertPlainText(statement);

    editor->title->setText(QStringLiteral("Dosage de l'eau oxygénée"));
    editor->shortName->setText(QStringLiteral("EAUOX2"));
    editor->folder->setText(classFolder);
    editor->level->setValue(3);
    editor->duration->setValue(2);
    editor->topics->setPlainText(QStringLiteral("Couples MnO4-/Mn2+ et O2/H2O2."));
    EXPECT_TRUE(editor->hidden->isChecked()) << "hidden and locked by default";
    editor->saveStatement->click();
    EXPECT_TRUE(script.asked.empty()); // nothing to replace, nothing refused
    const files::SituationTable written = window->situationBench().situations().table;
    EXPECT_EQ(written.texts[2][0], "0,0437");
    EXPECT_EQ(written.texts[2][5], "3,5");
    EXPECT_EQ(written.choices[2][1], 6);
    EXPECT_EQ(window->exerciseArea().fich()->text(),
              QDir::toNativeSeparators(classFolder + "/EAUOX2.E44"));
    EXPECT_FALSE(window->exerciseArea().exercise().textModified);

    // The files name one another without a folder: the exercise opens from anywhere.
    const auto record = [&](const QString& path, int r) {
        return files::readRecord(QFile::encodeName(path).toStdString(), r).text;
    };
    EXPECT_EQ(record(classFolder + "/EAUOX2.E44", 1), "EAUOX2.RTF");
    EXPECT_EQ(record(classFolder + "/EAUOX2.E44", 2), "EAUOX2.C17");
    EXPECT_EQ(record(classFolder + "/EAUOX2.E44", 3), "");
    ASSERT_TRUE(QDir(folder.path()).rename(QStringLiteral("classe"), QStringLiteral("autre")));
    const QString otherFolder = folder.path() + QStringLiteral("/autre");

    // Another bench and the information text, then the exercise through the exercises window.
    script.menuChoices = {QStringLiteral("Closexo")};
    window->shell().btexo_Click();
    controlsOf(*window).Option2[0]->setChecked(true);
    type(0, QStringLiteral("0,1"));
    controlsOf(*window).Option2[4]->setChecked(true);
    script.menuChoices = {QStringLiteral("openexo")};
    script.onExec = [&](QDialog& dialog) {
        auto& browser = dynamic_cast<exercises::Fichexo&>(dialog);
        browser.Dir1->setPath(otherFolder);
        browser.File1_Click(QStringLiteral("EAUOX2.E44"));
        EXPECT_EQ(browser.titratexo->text(), QStringLiteral("Dosage de l'eau oxygénée"));
        EXPECT_EQ(browser.litShown(), 3);
        EXPECT_EQ(browser.Text2->text(), QStringLiteral("⌛⌛"));
        EXPECT_EQ(browser.Text1->toPlainText(), QStringLiteral("Couples MnO4-/Mn2+ et O2/H2O2."));
        EXPECT_FALSE(browser.correctedShown());
        browser.ouvreur_Click();
        return browser.result();
    };
    window->shell().btexo_Click();
    EXPECT_EQ(script.execs, 1);
    EXPECT_EQ(window->exerciseArea().supertext()->toPlainText(), statement);
    EXPECT_EQ(window->exerciseArea().fich()->text(),
              QDir::toNativeSeparators(otherFolder + "/EAUOX2.E44"));
    // The ten situations as they were written, situation 1 on the bench, the concentration
    // to find hidden and in no text.
    const files::SituationTable& loaded = window->setUp().exerciseSituations();
    EXPECT_EQ(loaded.texts, written.texts);
    for (int s = 0; s < files::situationCount; ++s)
        for (int j = 1; j <= 3; ++j)
            EXPECT_EQ(loaded.choices[s][j], written.choices[s][j]) << s << ' ' << j;
    EXPECT_TRUE(controlsOf(*window).Option2[0]->isChecked());
    EXPECT_EQ(text(0), QStringLiteral("inconnue"));
    EXPECT_TRUE(controlsOf(*window).masquer->isChecked());
    EXPECT_FALSE(controlsOf(*window).masquer->isEnabled());
    EXPECT_TRUE(script.asked.empty());
}

} // namespace
