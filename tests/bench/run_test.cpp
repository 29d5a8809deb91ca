// SPDX-License-Identifier: GPL-3.0-or-later
// The titration run: tap ticks, drops, letting the burette run and the empty-burette question.
#include "fixture.h"

#include "a11y/tell.h"
#include "bench/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>

using benchtest::BenchTest;

namespace {

bool anyLocked(const bench::FeuilleP& w) {
    for (QLineEdit* box : controlsOf(w).Text1)
        if (box->isReadOnly()) return true;
    return false;
}

TEST_F(BenchTest, TapTicksAddATenthUntilTheLastStepThatFits) {
    struct Row {
        const char* name;
        const char* before;
        const char* after;
        bool flowing;
    } rows[] = {
        {"from empty", "0,0", "0,1", true},
        {"one decimal kept", "12,3", "12,4", true},
        {"last step fits", "24,9", "25,0", true},
        {"refused past the capacity", "24,95", "24,95", false},
        {"full", "25,0", "25,0", false},
        {"unreadable restarts from zero", "abc", "0,1", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        type(5, row.before);
        script.answers = {ui::Answer::No}; // to the empty-burette question, if asked
        window->run().Image3_MouseDown();
        if (text(5) == row.before) { // not the full-burette question
            window->run().Timer1_Timer();
        }
        EXPECT_EQ(text(5), row.after);
        if (row.flowing) {
            EXPECT_EQ(controlsOf(*window).Labelvol->text(), text(5) + " mL");
        }
        EXPECT_EQ(controlsOf(*window).Timer1.isActive(), row.flowing);
        EXPECT_EQ(window->run().tapOpen(), row.flowing);
        EXPECT_EQ(anyLocked(*window), row.flowing);
        window->run().Image3_MouseUp();
        EXPECT_FALSE(anyLocked(*window));
        script.asked.clear();
        script.answers.clear();
    }
}

TEST_F(BenchTest, FlowStopsByItselfAtTheCapacityAndUnlocksTheBoxes) {
    type(5, "24,8");
    window->run().Command6_Click();
    ASSERT_TRUE(controlsOf(*window).Timer1.isActive());
    for (int i = 0; i < 5; ++i)
        window->run().Timer1_Timer();
    EXPECT_EQ(text(5), "25,0");
    EXPECT_FALSE(controlsOf(*window).Timer1.isActive());
    EXPECT_FALSE(window->run().tapOpen());
    EXPECT_FALSE(anyLocked(*window));
}

TEST_F(BenchTest, AQuickClickOnTheTapPoursOneStep) {
    type(5, "3,0");
    window->run().Image3_MouseDown();
    window->run().Image3_MouseUp();
    window->run().Image3_Click();
    EXPECT_EQ(text(5), "3,1");
    EXPECT_FALSE(controlsOf(*window).Timer1.isActive());
}

TEST_F(BenchTest, FullBuretteAsksToStartAgain) {
    type(5, "25,0");
    script.answers = {ui::Answer::No};
    window->run().Image3_MouseDown();
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, "Voulez-vous recommencer le titrage\u00A0?");
    EXPECT_EQ(script.asked[0].title, "Burette vide");
    EXPECT_EQ(script.asked[0].icon, ui::Icon::Question);
    EXPECT_EQ(script.asked[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(text(5), "25,0");
    EXPECT_FALSE(controlsOf(*window).Timer1.isActive());
    EXPECT_FALSE(anyLocked(*window));

    script.answers = {ui::Answer::Yes};
    window->run().Image3_MouseDown();
    EXPECT_EQ(text(5), "0,0");
    EXPECT_FALSE(controlsOf(*window).Timer1.isActive());
    EXPECT_FALSE(window->run().tapOpen());
}

TEST_F(BenchTest, TheReleaseOfAPressAnsweredByTheQuestionPoursNothing) {
    type(5, "25,0");
    script.answers = {ui::Answer::Yes};
    emit controlsOf(*window).Image3->pressed();
    emit controlsOf(*window).Image3->released();
    emit controlsOf(*window).Image3->clicked();
    EXPECT_EQ(text(5), "0,0");
}

TEST_F(BenchTest, DropFallsInFourStepsAndAddsFiveHundredths) {
    type(5, "24,95");
    window->run().Image1_Click();
    ASSERT_TRUE(controlsOf(*window).Timer2.isActive());
    for (int step = 1; step <= 3; ++step) {
        window->run().Timer2_Timer();
        EXPECT_EQ(window->run().dropStep(), step);
        EXPECT_EQ(text(5), "24,95");
    }
    window->run().Timer2_Timer();
    EXPECT_EQ(text(5), "25");
    EXPECT_EQ(controlsOf(*window).Labelvol->text(), "25 mL");
    EXPECT_FALSE(controlsOf(*window).Timer2.isActive());
    // No capacity message: 24,95 + 0,05 is exactly 25.
    EXPECT_TRUE(script.asked.empty());
    // Further ticks do nothing.
    window->run().Timer2_Timer();
    EXPECT_EQ(text(5), "25");
}

TEST_F(BenchTest, DropOnAFullBuretteIsRefusedSilently) {
    type(5, "25,0");
    window->run().Image1_Click();
    EXPECT_FALSE(controlsOf(*window).Timer2.isActive());
    type(5, "24,96");
    window->run().Image1_Click();
    EXPECT_FALSE(controlsOf(*window).Timer2.isActive());
    EXPECT_TRUE(script.asked.empty());
}

TEST_F(BenchTest, DropsAddUpWithoutBinaryTails) {
    // From empty, and from a volume the tap left, every drop shows the exact hundredths.
    for (int start : {0, 810}) {
        type(5, start == 0 ? "0,0" : "8,1");
        for (int hundredths = start + 5; hundredths <= 2500; hundredths += 5) {
            window->run().Image1_Click();
            for (int step = 0; step < 4; ++step)
                window->run().Timer2_Timer();
            QString expected = QString::number(hundredths / 100);
            if (hundredths % 100 != 0)
                expected +=
                    "," +
                    QString::number(hundredths % 100 + 100).mid(1).remove(QRegularExpression("0$"));
            ASSERT_EQ(text(5), expected);
        }
        EXPECT_TRUE(script.asked.empty());
    }
}

TEST_F(BenchTest, PressingTheTapWhileEditingTheTitrantValidatesFirst) {
    window->show();
    type(5, "5,0");
    controlsOf(*window).Text1[1]->setFocus();
    ASSERT_EQ(window->focusWidget(), controlsOf(*window).Text1[1]);
    type(1, "0.7"); // unvalidated
    window->run().Image3_MouseDown();
    EXPECT_EQ(text(1), "0,2");
    EXPECT_EQ(text(5), "0,0");
    EXPECT_TRUE(controlsOf(*window).Timer1.isActive());
    EXPECT_TRUE(anyLocked(*window));
    window->run().Timer1_Timer();
    EXPECT_EQ(text(5), "0,1");
    window->run().Image3_MouseUp();
    EXPECT_FALSE(anyLocked(*window));
    window->hide();
}

TEST_F(BenchTest, LettingTheBuretteRunTogglesWithCommand6) {
    type(5, "1,0");
    window->run().Command6_Click();
    EXPECT_TRUE(controlsOf(*window).Timer1.isActive());
    EXPECT_TRUE(window->run().tapOpen());
    window->run().Timer1_Timer();
    window->run().Command6_Click();
    EXPECT_FALSE(controlsOf(*window).Timer1.isActive());
    EXPECT_FALSE(window->run().tapOpen());
    EXPECT_FALSE(anyLocked(*window));
    EXPECT_EQ(text(5), "1,1");
}

TEST_F(BenchTest, ReadOutIsExposedToScreenReaders) {
    type(5, "2,0");
    window->run().Timer1_Timer();
    EXPECT_EQ(controlsOf(*window).Labelvol->accessibleName(),
              "Volume de solution versée\u00A0: 2,1 mL");
    EXPECT_EQ(controlsOf(*window).Image3->accessibleDescription().left(14), "2,10 mL versés");
    EXPECT_TRUE(controlsOf(*window).Text1[5]->accessibleDescription().isEmpty())
        << "the box that is never shown is never described";
    EXPECT_EQ(controlsOf(*window).Image3->accessibleName(), "Robinet de la burette");
    EXPECT_EQ(controlsOf(*window).Image1->accessibleName(), "Ajouter une goutte");
}

} // namespace

TEST_F(BenchTest, EveryBenchControlTakesTheClicksOnItsMiddle) {
    window->setUp().Command3_Click();  // the panel, as at start-up
    script.answers = {ui::Answer::Ok}; // no diiode added to the ascorbic acid: the warning
    window->setUp().Command3_Click();  // then the bench
    ASSERT_TRUE(controlsOf(*window).Picture4->isHidden());
    const struct {
        const char* name;
        QWidget* control;
    } rows[] = {
        {"reset button", controlsOf(*window).Command12},
        {"let it run", controlsOf(*window).Command6},
        {"tap's flow", controlsOf(*window).tapFlow},
        {"panel switch", controlsOf(*window).Command3},
        {"tap", controlsOf(*window).Image3},
        {"drop", controlsOf(*window).Image1},
        {"titrant box", controlsOf(*window).Text1[1]},
        {"starch box", controlsOf(*window).Check1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(controlsOf(*window).picburette->childAt(row.control->geometry().center()),
                  row.control);
    }
}

namespace {

// The flow chosen in the tap's list: what so many ticks pour, how the volume is written, and
// how often the flow ticks (never more often than the full flow, the flow at start).
TEST_F(BenchTest, TheTapPoursAtTheFlowChosenInItsList) {
    QComboBox* list = controlsOf(*window).tapFlow;
    EXPECT_EQ(list->currentText(), "10\u00A0mL/s");
    const struct {
        const char* name;
        int flow;
        const char* before;
        int ticks;
        const char* after;
        int interval;
    } rows[] = {
        {"one drop a second", 0, "0,0", 3, "0,15", 1000},
        {"drops to the last that fits", 0, "24,9", 3, "25,0", 1000},
        {"1 mL/s by drops, no float tail", 4, "9,85", 21, "10,9", 50},
        {"5 mL/s, one decimal after a drop", 6, "10,15", 1, "10,2", 20},
        {"full flow", 7, "12,3", 2, "12,5", 10},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        list->setCurrentIndex(row.flow);
        type(5, row.before);
        pour(row.ticks);
        EXPECT_EQ(text(5), row.after);
        EXPECT_EQ(controlsOf(*window).Timer1.interval(), row.interval);
    }
}

// + and - on the tap or the drop: the flow within its ends, told; it stays for the session.
TEST_F(BenchTest, PlusAndMinusOnTheTapChangeItsFlow) {
    QString told;
    QObject::connect(&a11y::Teller::instance(), &a11y::Teller::told, window.get(),
                     [&told](QWidget*, const QString& s) { told = s; });
    QTest::keyClick(controlsOf(*window).Image3, Qt::Key_Plus);
    QTest::keyClick(controlsOf(*window).Image3, Qt::Key_Minus);
    QTest::keyClick(controlsOf(*window).Image1, Qt::Key_Minus);
    EXPECT_EQ(controlsOf(*window).tapFlow->currentText(), "2\u00A0mL/s");
    EXPECT_EQ(told, "Débit du robinet\u00A0: 2\u00A0mL/s");
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(controlsOf(*window).Image3, Qt::Key_Minus);
    window->setUp().Option2_Click(3);
    EXPECT_EQ(controlsOf(*window).tapFlow->currentText(), "1\u00A0goutte/s");
}

} // namespace
