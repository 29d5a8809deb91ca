// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/scripted.h"

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

namespace {

// The one application object of the test program, never destroyed.
void ensureApp() {
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QApplication(argc, argv);
}

TEST(ScriptedAnswerer, RecordsQuestionsAndAnswersInOrder) {
    ui::ScriptedAnswerer script;
    script.answers = {ui::Answer::Cancel};
    EXPECT_EQ(ui::ask("Quitter ?", "Fermer", ui::Icon::Question, ui::Buttons::OkCancel),
              ui::Answer::Cancel);
    // Once the script is used up, the first button answers.
    EXPECT_EQ(ui::ask("Recommencer ?", "Burette vide", ui::Icon::Question, ui::Buttons::YesNo),
              ui::Answer::Yes);
    ASSERT_EQ(script.asked.size(), 2u);
    EXPECT_EQ(script.asked[0].title, "Fermer");
    EXPECT_EQ(script.asked[1].buttons, ui::Buttons::YesNo);
}

TEST(ScriptedAnswerer, RunsSecondaryWindowsWithoutBlocking) {
    ensureApp();
    ui::ScriptedAnswerer script;
    QDialog dialog;
    bool visibleDuringRun = false;
    script.onExec = [&](QDialog& d) {
        visibleDuringRun = d.isVisible();
        return int(QDialog::Accepted);
    };
    EXPECT_EQ(ui::exec(dialog), QDialog::Accepted);
    EXPECT_TRUE(visibleDuringRun);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ScriptedAnswerer, ProgramFolderCanBeChosenByATest) {
    ui::setProgramFolder("/tmp/ailleurs");
    EXPECT_EQ(ui::programFolder(), "/tmp/ailleurs");
    ui::setProgramFolder({});
    EXPECT_NE(ui::programFolder(), "/tmp/ailleurs");
}

} // namespace
