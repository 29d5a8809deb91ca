// SPDX-License-Identifier: GPL-3.0-or-later
// The two pop-up menus of the main window, "Exercices" and "Copier", and the tint slider's
// effect on the liquid in the flask.
#include "fixture.h"

#include "drawing/picture.h"
#include "exercises/fichexo.h"
#include "model/colour.h"

#include <QClipboard>
#include <QCursor>
#include <QDialog>
#include <QMenu>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>

using benchtest::BenchTest;

namespace {

TEST_F(BenchTest, ExercisesMenuPopsUpUnderItsButtonAndRunsTheEntryChosen) {
    script.menuChoices = {QStringLiteral("openexo")};
    script.onExec = [](QDialog& browser) {
        auto* fichexo = dynamic_cast<exercises::Fichexo*>(&browser);
        EXPECT_NE(fichexo, nullptr);
        if (fichexo) fichexo->Image5_Click(); // closed without a choice
        return browser.result();
    };
    window->shell().btexo_Click();
    EXPECT_EQ(script.execs, 1);
    ASSERT_EQ(script.menus.size(), 1u);
    const ui::MenuRecord& menu = script.menus[0];
    EXPECT_EQ(menu.menu, "optionexo");
    EXPECT_EQ(menu.position, controlsOf(*window).btexo->mapToGlobal(
                                 QPoint(0, controlsOf(*window).btexo->height())));
    EXPECT_EQ(menu.entries,
              (QStringList{"PRISENMAIN", "openexo", "opencor", "verifexo", "creerexo", "modifexo",
                           "savetexte", "opentexte", "imprimetexte", "Closexo"}));
    // No correction to show, no exercise to change and none to close yet.
    EXPECT_EQ(menu.enabled, (QStringList{"PRISENMAIN", "openexo", "creerexo", "savetexte",
                                         "opentexte", "imprimetexte"}));

    // The menu is made once: the second click pops the same one up, now with an exercise
    // named in fich, and "Fermer l'exercice" brings the information text back.
    window->exerciseArea().fich()->setText(QStringLiteral("exercice.E44"));
    window->exerciseArea().supertext()->setPlainText(QStringLiteral("Énoncé"));
    window->exerciseArea().exercise().textModified = false;
    script.menuChoices = {QStringLiteral("Closexo")};
    window->shell().btexo_Click();
    ASSERT_EQ(script.menus.size(), 2u);
    EXPECT_TRUE(script.menus[1].enabled.contains(QStringLiteral("Closexo")));
    EXPECT_EQ(window->findChildren<QMenu*>(QStringLiteral("optionexo")).size(), 1);
    EXPECT_TRUE(window->exerciseArea().fich()->text().isEmpty());
    EXPECT_TRUE(
        window->exerciseArea().supertext()->toPlainText().startsWith(QStringLiteral("Titrage")));
    EXPECT_TRUE(window->exerciseArea().supertext()->isReadOnly());
    EXPECT_FALSE(window->exerciseArea().supertext()->isHidden());
    EXPECT_FALSE(window->exerciseArea().supertext()->textCursor().hasSelection());
    EXPECT_EQ(window->exerciseArea().supertext()->textCursor().position(), 0);
    EXPECT_TRUE(script.asked.empty());
}

TEST_F(BenchTest, CopyMenuPutsTheBenchOrTheGraphOnTheClipboard) {
    window->setUp().Command3_Click();  // the panel, as at start-up
    script.answers = {ui::Answer::Ok}; // no diiode added to the ascorbic acid: the warning
    window->setUp().Command3_Click();
    script.menuChoices = {QStringLiteral("coptop")};
    window->shell().Command4_Click();
    ASSERT_EQ(script.menus.size(), 1u);
    EXPECT_EQ(script.menus[0].menu, "menucopie");
    EXPECT_EQ(script.menus[0].entries,
              (QStringList{"coptop", "copicol", "coptableau", "copcourbes", "enrtableau"}));
    EXPECT_EQ(script.menus[0].position, QCursor::pos());
    const QImage bench = QGuiApplication::clipboard()->image();
    EXPECT_EQ(bench.size(), controlsOf(*window).picburette->size());
    // The titrant concentration is written into the copy where its box lies.
    EXPECT_NE(bench.convertToFormat(QImage::Format_RGB32),
              window->chain().benchImage(1.0, false).convertToFormat(QImage::Format_RGB32));

    script.menuChoices = {QStringLiteral("copicol")};
    window->shell().Command4_Click();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              window->chain().graphImage(1.0));
}

// Past the equivalence of an oxalic acid titration the flask holds permanganate: its colour
// follows the slider once the slider's value is set, not while its thumb is dragged.
TEST_F(BenchTest, TintSliderDarkensTheFlaskOnceItsValueIsSet) {
    controlsOf(*window).ions1->setCurrentIndex(1);
    controlsOf(*window).Combo1->setCurrentIndex(4); // 10 mL
    type(0, "0,01");
    window->setUp().Text1_LostFocus(0);
    type(1, "0,005");
    window->setUp().Text1_LostFocus(1);
    type(5, "10"); // equivalence at 8 mL
    window->setUp().Text1_LostFocus(5);
    const int x = window->chain().flaskX() + 33, y = 455;
    const auto flask = [&] { return controlsOf(*window).picburette->picture().pixel(x, y); };
    // The permanganate poured past the equivalence, in the 20 mL of the flask.
    const double c = window->setUp().presentAmounts()[model::Entry::MnO4] / 20.0;
    ASSERT_GT(c, 0);
    const auto expected = [c](int h) {
        const model::Rgb rgb = model::tintColour(model::Tint::Permanganate, c, h);
        return QColor(rgb.r, rgb.g, rgb.b);
    };
    EXPECT_EQ(controlsOf(*window).HScroll1->value(), 150);
    EXPECT_EQ(flask(), expected(150));

    // Dragged to "Foncé": the scales follow, the flask waits for the release.
    const QColor swatchBefore = controlsOf(*window).PictureMnO4->picture().pixel(200, 5);
    controlsOf(*window).HScroll1->setSliderDown(true);
    controlsOf(*window).HScroll1->setSliderPosition(200);
    EXPECT_NE(controlsOf(*window).PictureMnO4->picture().pixel(200, 5), swatchBefore);
    EXPECT_EQ(flask(), expected(150));
    controlsOf(*window).HScroll1->setSliderDown(false);
    EXPECT_EQ(controlsOf(*window).HScroll1->value(), 200);
    EXPECT_EQ(flask(), expected(200));

    // Set at "Clair" by the keyboard or a click on the track.
    controlsOf(*window).HScroll1->setValue(100);
    EXPECT_EQ(flask(), expected(100));
    // "Clair" to "Foncé": every channel that is not at its floor darkens.
    EXPECT_GT(expected(100).red(), expected(150).red());
    EXPECT_GT(expected(150).red(), expected(200).red());
    EXPECT_GT(expected(100).green(), expected(150).green());
    EXPECT_GT(expected(150).green(), expected(200).green());
}

} // namespace
