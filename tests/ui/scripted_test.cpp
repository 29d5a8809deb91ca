// SPDX-License-Identifier: GPL-3.0-or-later
// The scripted answerer that the tests put in the user's place.
#include "support/application.h"
#include "support/scripted_answerer.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

TEST(ScriptedAnswerer, AnswersTheExpectedQuestionsInOrderAndRecordsThem) {
    ui::ScriptedAnswerer script;
    script.answers = {ui::Answer::Cancel, ui::Answer::No};
    EXPECT_EQ(ui::ask("Quitter ?", "Fermer", ui::Icon::Question, ui::Buttons::OkCancel),
              ui::Answer::Cancel);
    EXPECT_EQ(ui::ask("Recommencer ?", "Burette vide", ui::Icon::Question, ui::Buttons::YesNo),
              ui::Answer::No);
    ASSERT_EQ(script.asked.size(), 2u);
    EXPECT_EQ(script.asked[0].title, "Fermer");
    EXPECT_EQ(script.asked[1].buttons, ui::Buttons::YesNo);
}

// Every kind of request that nothing was scripted for fails the test, and is answered as a
// user dismissing it would.
TEST(ScriptedAnswerer, AnUnexpectedRequestFailsTheTest) {
    support::application();
    ui::ScriptedAnswerer script;
    ui::Answer answer = ui::Answer::Cancel;
    EXPECT_NONFATAL_FAILURE(
        answer = ui::ask("Quitter ?", "Fermer", ui::Icon::Question, ui::Buttons::OkCancel),
        "unexpected question \"Fermer\"");
    EXPECT_EQ(answer, ui::Answer::Ok);
    QString name = QStringLiteral("x");
    EXPECT_NONFATAL_FAILURE(name = ui::answerer().openFileName(nullptr, {"Ouvrir", {}, {}, {}}),
                            "unexpected file chooser");
    EXPECT_TRUE(name.isEmpty());
    QMenu menu;
    menu.setObjectName(QStringLiteral("menucopie"));
    menu.addAction(QStringLiteral("Copier"));
    QAction* chosen = nullptr;
    EXPECT_NONFATAL_FAILURE(chosen = ui::popup(menu, QPoint()), "unexpected pop-up menu");
    EXPECT_EQ(chosen, nullptr);
    QDialog dialog;
    int result = QDialog::Accepted;
    EXPECT_NONFATAL_FAILURE(result = ui::exec(dialog), "unexpected window");
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST(ScriptedAnswerer, AnAnswerLeftUnusedFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            ui::ScriptedAnswerer script;
            script.answers = {ui::Answer::Ok};
        },
        "a question was expected and not asked");
    EXPECT_NONFATAL_FAILURE(
        {
            ui::ScriptedAnswerer script;
            script.menuChoices = {QStringLiteral("coptop")};
            script.expectAllUsed();
            EXPECT_TRUE(script.menuChoices.empty());
        },
        "a pop-up menu was expected and not shown");
}

TEST(ScriptedAnswerer, ChoosesAnEnabledMenuEntryByName) {
    support::application();
    ui::ScriptedAnswerer script;
    QMenu menu;
    menu.setObjectName(QStringLiteral("optionexo"));
    QAction* first = menu.addAction(QStringLiteral("Prise en main"));
    first->setObjectName(QStringLiteral("PRISENMAIN"));
    menu.addSeparator();
    QAction* second = menu.addAction(QStringLiteral("Voir la correction"));
    second->setObjectName(QStringLiteral("opencor"));
    second->setEnabled(false);

    script.menuChoices = {QStringLiteral("PRISENMAIN"), QStringLiteral("opencor")};
    EXPECT_EQ(ui::popup(menu, QPoint(10, 20)), first);
    QAction* chosen = first;
    EXPECT_NONFATAL_FAILURE(chosen = ui::popup(menu, QPoint()), "cannot be chosen");
    EXPECT_EQ(chosen, nullptr);
    ASSERT_EQ(script.menus.size(), 2u);
    EXPECT_EQ(script.menus[0].menu, "optionexo");
    EXPECT_EQ(script.menus[0].entries, QStringList({"PRISENMAIN", "opencor"}));
    EXPECT_EQ(script.menus[0].enabled, QStringList({"PRISENMAIN"}));
    EXPECT_EQ(script.menus[0].position, QPoint(10, 20));
}

TEST(ScriptedAnswerer, RunsSecondaryWindowsWithoutBlocking) {
    support::application();
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

} // namespace
