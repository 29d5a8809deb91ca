// SPDX-License-Identifier: GPL-3.0-or-later
// The bench state: key filter, validation, volume rules, reagent warnings, situations and
// the hidden concentration.
#include "fixture.h"

#include "bench/random_concentration.h"
#include "bench/widgets.h"
#include "numbers/formats.h"
#include "numbers/reading.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <chrono>
#include <utility>

using benchtest::BenchTest;

namespace {

struct KeyRow {
    const char* name;
    const char* keys;
    const char* expected;
};

TEST_F(BenchTest, KeyFilterKeepsDigitsCommaMinusAndTurnsPointsIntoCommas) {
    const KeyRow rows[] = {
        {"point becomes comma", "1.5", "1,5"},
        {"letters dropped", "a1b2c", "12"},
        {"comma and minus pass", "-0,3", "-0,3"},
        {"blanks and symbols dropped", " 2 e+3%", "23"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QLineEdit* box = controlsOf(*window).Text1[1];
        box->clear();
        QTest::keyClicks(box, QString::fromUtf8(row.keys));
        EXPECT_EQ(box->text(), QString::fromUtf8(row.expected));
    }
    // Backspace still edits.
    QTest::keyClick(controlsOf(*window).Text1[1], Qt::Key_Backspace);
    EXPECT_EQ(text(1), "2");
}

TEST_F(BenchTest, EnterValidatesTheBoxAndIsSwallowed) {
    QLineEdit* box = controlsOf(*window).Text1[0];
    box->clear();
    QTest::keyClicks(box, "0.5");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), "0,2");
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_EQ(box->text(), "0,2");
}

TEST_F(BenchTest, PastedTextIsFilteredLikeTypedText) {
    QApplication::clipboard()->setText("1.5 mol/L");
    QLineEdit* box = controlsOf(*window).Text1[1];
    box->clear();
    box->paste();
    EXPECT_EQ(box->text(), "1,5");
    EXPECT_EQ(bench::filterText("a.b,-7\n"), ",,-7");
}

struct ValidationRow {
    const char* name;
    int index;
    const char* typed;
    const char* expected;
};

TEST_F(BenchTest, ValidationRoundsClampsAndEmptiesTheBurette) {
    const ValidationRow rows[] = {
        {"above the range", 0, "0,5", "0,2"},
        {"zero is raised", 0, "0", "0,0001"},
        {"three significant digits", 0, "0,012345", "0,0123"},
        {"unreadable reads as zero", 1, "abc", "0,0001"},
        {"negative becomes zero", 2, "-3", "0,0001"},
        {"top of the range kept", 2, "0,2", "0,2"},
        {"half rounds away from zero", 1, "0,01235", "0,0124"},
        {"exponent accepted", 1, "1E-3", "0,001"},
        {"volume to two digits", 3, "1,25", "1,3"},
        {"volume kept", 3, "12", "12"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        type(5, "12,3");
        type(row.index, QString::fromUtf8(row.typed));
        window->setUp().Text1_LostFocus(row.index);
        EXPECT_EQ(text(row.index), QString::fromUtf8(row.expected));
        EXPECT_EQ(text(5), "0,0");
        EXPECT_EQ(controlsOf(*window).Labelvol->text(), "0,0 mL");
    }
    EXPECT_TRUE(script.asked.empty());
}

TEST_F(BenchTest, PouredVolumeOverTheCapacityIsCorrectedWithAMessage) {
    type(5, "30");
    script.answers = {ui::Answer::Ok};
    window->setUp().Text1_LostFocus(5);
    EXPECT_EQ(text(5), "25");
    EXPECT_EQ(controlsOf(*window).Labelvol->text(), "25 mL");
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, "La contenance de la burette est de 25 mL.");
    EXPECT_EQ(script.asked[0].title, "Volume corrigé");
    EXPECT_EQ(script.asked[0].icon, ui::Icon::Information);
    EXPECT_EQ(script.asked[0].buttons, ui::Buttons::Ok);

    type(5, "-4");
    window->setUp().Text1_LostFocus(5);
    EXPECT_EQ(text(5), "0");
    EXPECT_EQ(script.asked.size(), 1u);
}

TEST_F(BenchTest, LeavingAShownBoxEmptiesTheBuretteEvenUnchanged) {
    type(5, "8,0");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(controlsOf(*window).Text1[1], &out);
    EXPECT_EQ(text(1), "0,005");
    EXPECT_EQ(text(5), "0,0");

    // Going to another window is not leaving the box.
    type(5, "8,0");
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(controlsOf(*window).Text1[1], &away);
    EXPECT_EQ(text(5), "8,0");
}

TEST_F(BenchTest, IodideVolumeIsCutSoThatTheBeakerHoldsAtMost25mL) {
    controlsOf(*window).ions1->setCurrentIndex(4);
    controlsOf(*window).Combo1->setCurrentIndex(5); // 20 mL
    type(3, "10");
    window->setUp().Text1_LostFocus(3);
    EXPECT_EQ(text(3), "5");

    // A sample volume that would overflow with the iodide goes back to "0".
    controlsOf(*window).Combo1->setCurrentIndex(0);
    type(3, "10");
    window->setUp().Text1_LostFocus(3);
    controlsOf(*window).Combo1->setCurrentIndex(5);
    EXPECT_EQ(controlsOf(*window).Combo1->currentIndex(), 0);
    controlsOf(*window).Combo1->setCurrentIndex(4); // 10 mL: 20 in all
    EXPECT_EQ(controlsOf(*window).Combo1->currentIndex(), 4);
}

TEST_F(BenchTest, DiiodeVolumeGoesBackToZeroWhenItWouldOverflow) {
    controlsOf(*window).ions1->setCurrentIndex(0);
    controlsOf(*window).Combo1->setCurrentIndex(5); // 20 mL
    controlsOf(*window).Combo2->setCurrentIndex(4); // 10 mL
    EXPECT_EQ(controlsOf(*window).Combo2->currentIndex(), 0);
    controlsOf(*window).Combo2->setCurrentIndex(3); // 5 mL: exactly 25
    EXPECT_EQ(controlsOf(*window).Combo2->currentIndex(), 3);
    // For a species without diiode the list is hidden and does not count.
    controlsOf(*window).ions1->setCurrentIndex(2);
    controlsOf(*window).Combo1->setCurrentIndex(5);
    EXPECT_EQ(controlsOf(*window).Combo1->currentIndex(), 5);
}

struct WarningRow {
    const char* name;
    int species;
    const char* sample;  // Text1(0)
    const char* reagent; // Text1(2)
    const char* iodide;  // Text1(3)
    int sampleVolume;    // Combo1
    int iodineVolume;    // Combo2
    const char* warning; // "" for none
};

TEST_F(BenchTest, StartingTheSimulationWarnsAboutAnInsufficientReagent) {
    const char* diiode = "La quantité de matière de diiode ajoutée est insuffisante.";
    const char* iodide =
        "La quantité de matière de d'iodure de potassium ajoutée est insuffisante.";
    const WarningRow rows[] = {
        {"no diiode at all", 0, "0,01", "0,05", "0", 2, 0, diiode},
        {"enough diiode", 0, "0,01", "0,05", "0", 2, 1, ""},
        {"diiode equal is insufficient", 0, "0,01", "0,01", "0", 2, 2, diiode},
        {"enough iodide", 4, "0,01", "0,05", "10", 5, 0, ""},
        {"not enough iodide", 4, "0,02", "0,05", "10", 5, 0, iodide},
        {"copper needs iodide too", 7, "0,02", "0,05", "10", 5, 0, iodide},
        {"direct titration", 2, "0,2", "0,0001", "0", 5, 0, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        script.asked.clear();
        controlsOf(*window).ions1->setCurrentIndex(row.species);
        type(3, "0");
        controlsOf(*window).Combo1->setCurrentIndex(0);
        controlsOf(*window).Combo2->setCurrentIndex(row.iodineVolume);
        controlsOf(*window).Combo1->setCurrentIndex(row.sampleVolume);
        type(0, row.sample);
        type(2, row.reagent);
        type(3, row.iodide);
        controlsOf(*window).Picture4->show();
        if (*row.warning != 0) script.answers = {ui::Answer::Ok};
        window->setUp().Command3_Click();
        if (*row.warning == 0) {
            EXPECT_TRUE(script.asked.empty());
        } else {
            ASSERT_EQ(script.asked.size(), 1u);
            EXPECT_EQ(script.asked[0].text, QString::fromUtf8(row.warning));
            EXPECT_EQ(script.asked[0].title, "Avertissement");
            EXPECT_EQ(script.asked[0].icon, ui::Icon::Critical);
            EXPECT_EQ(script.asked[0].buttons, ui::Buttons::OkCancel);
        }
        // OK (or no warning): the simulation goes on with the quantities as they are.
        EXPECT_TRUE(controlsOf(*window).Picture4->isHidden());
    }
}

TEST_F(BenchTest, CancelOnTheWarningKeepsThePanelOpen) {
    controlsOf(*window).ions1->setCurrentIndex(0);
    controlsOf(*window).Combo2->setCurrentIndex(0);
    openPanel();
    ASSERT_FALSE(controlsOf(*window).Picture4->isHidden());
    EXPECT_EQ(controlsOf(*window).Command3->text(), "Simuler le titrage");
    script.answers = {ui::Answer::Cancel};
    window->setUp().Command3_Click();
    EXPECT_EQ(script.asked.size(), 1u);
    EXPECT_FALSE(controlsOf(*window).Picture4->isHidden());
    EXPECT_EQ(controlsOf(*window).Command3->text(), "Simuler le titrage");
    // OK on the next try starts the simulation.
    script.answers = {ui::Answer::Ok};
    window->setUp().Command3_Click();
    EXPECT_TRUE(controlsOf(*window).Picture4->isHidden());
    EXPECT_EQ(controlsOf(*window).Command3->text(), QString("Définir la\nsolution titrée"));
}

TEST_F(BenchTest, OpeningThePanelEmptiesTheBuretteAndCoversTheBench) {
    type(5, "9,0");
    openPanel();
    EXPECT_EQ(text(5), "0");
    const QRect bench = controlsOf(*window).picburette->geometry();
    EXPECT_EQ(controlsOf(*window).Picture4->geometry(),
              QRect(bench.left() + 1, bench.top() + 1, bench.width() - 2, bench.height() - 130));
}

TEST_F(BenchTest, SwitchingSituationsRestoresEverythingIncludingThePouredVolume) {
    controlsOf(*window).ions1->setCurrentIndex(2);
    controlsOf(*window).Combo1->setCurrentIndex(4);
    controlsOf(*window).Combo2->setCurrentIndex(3);
    controlsOf(*window).Check1->setChecked(true);
    const char* texts[6] = {"0,02", "0,01", "0,1", "3", "20,0", "7,5"};
    for (int k = 0; k < 6; ++k)
        type(k, texts[k]);

    controlsOf(*window).Option2[1]->setChecked(true);
    EXPECT_EQ(window->situationBench().situations().table.current, 1);
    EXPECT_FALSE(controlsOf(*window).Option2[0]->isChecked());
    // Situation 2 holds the start values.
    EXPECT_EQ(text(0), "0,01");
    EXPECT_EQ(text(3), "10");
    EXPECT_EQ(text(5), "0,0");
    EXPECT_EQ(controlsOf(*window).ions1->currentIndex(), 0);
    EXPECT_EQ(controlsOf(*window).Combo1->currentIndex(), 2);
    EXPECT_EQ(controlsOf(*window).Combo2->currentIndex(), 1);
    EXPECT_FALSE(controlsOf(*window).Check1->isChecked());

    controlsOf(*window).Option2[0]->setChecked(true);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(text(k), texts[k]) << k;
    EXPECT_EQ(controlsOf(*window).Labelvol->text(), "7,5 mL");
    EXPECT_EQ(controlsOf(*window).ions1->currentIndex(), 2);
    EXPECT_EQ(controlsOf(*window).Combo1->currentIndex(), 4);
    EXPECT_EQ(controlsOf(*window).Combo2->currentIndex(), 3);
    EXPECT_TRUE(controlsOf(*window).Check1->isChecked());
    EXPECT_TRUE(controlsOf(*window).Option2[0]->isChecked());
    EXPECT_FALSE(controlsOf(*window).Option2[1]->isChecked());
}

TEST_F(BenchTest, AClickOnTheSelectedSituationChangesNothing) {
    type(5, "4,0");
    QTest::mouseClick(controlsOf(*window).Option2[0], Qt::LeftButton);
    EXPECT_TRUE(controlsOf(*window).Option2[0]->isChecked());
    EXPECT_EQ(text(5), "4,0");
}

TEST_F(BenchTest, RandomConcentrationHasThreeDigitsWithinItsBounds) {
    struct Row {
        float r;
        float expected;
    } rows[] = {{0.0f, 0.001f},
                {0.5f, 0.0055f},
                {0.12345f, 0.00211f},
                {0.9999f, 0.00999f},
                {0.99999994f, 0.00999f}};
    for (const auto& row : rows)
        EXPECT_FLOAT_EQ(bench::randomConcentration(row.r), row.expected) << row.r;

    for (int i = 0; i < 20; ++i) {
        window->setUp().Label1_Click();
        window->setUp().Command5_Click();
        const float c = numbers::parseBenchNumber(text(0).toStdString());
        EXPECT_GE(c, 0.001f);
        EXPECT_LE(c, 0.00999f);
        // Three significant digits: the text does not change when rounded to three.
        EXPECT_EQ(numbers::parseBenchNumber(numbers::formatPattern(c, "0.00E+00")), c);
    }
}

TEST_F(BenchTest, RandomConcentrationIsHiddenUntilRevealed) {
    openPanel();
    window->setUp().Command5_Click();
    EXPECT_TRUE(controlsOf(*window).masquer->isChecked());
    EXPECT_FALSE(controlsOf(*window).masquer->isEnabled());
    EXPECT_TRUE(controlsOf(*window).Text1[0]->isHidden());
    EXPECT_FALSE(controlsOf(*window).Label1->isHidden());
    EXPECT_TRUE(controlsOf(*window).Command5->isHidden());
    EXPECT_EQ(controlsOf(*window).Label1->pos(),
              controlsOf(*window).Text1[0]->pos() - QPoint(0, 2));

    window->setUp().Label1_Click();
    EXPECT_FALSE(controlsOf(*window).masquer->isChecked());
    EXPECT_TRUE(controlsOf(*window).masquer->isEnabled());
    EXPECT_FALSE(controlsOf(*window).Text1[0]->isHidden());
    EXPECT_TRUE(controlsOf(*window).Label1->isHidden());
    EXPECT_FALSE(controlsOf(*window).Command5->isHidden());
}

TEST_F(BenchTest, RandomConcentrationsFollowOneSequence) {
    // The generator is seeded once, when the program starts: clicks made within the same
    // second go on along the sequence instead of starting it again.
    auto twoDraws = [this] {
        std::pair<QString, QString> drawn;
        window->setUp().Command5_Click();
        drawn.first = text(0);
        window->setUp().Label1_Click();
        window->setUp().Command5_Click();
        drawn.second = text(0);
        window->setUp().Label1_Click();
        return drawn;
    };
    bench::seedRandomConcentration(42);
    const auto first = twoDraws();
    EXPECT_NE(first.first, first.second);
    bench::seedRandomConcentration(42);
    EXPECT_EQ(twoDraws(), first);

    // The seed of the start changes within a second, to the microsecond.
    using namespace std::chrono;
    const nanoseconds start = hours(24 * 20000) + milliseconds(250);
    EXPECT_NE(bench::clockSeed(start), bench::clockSeed(start + milliseconds(1)));
    EXPECT_NE(bench::clockSeed(start), bench::clockSeed(start + microseconds(1)));
    EXPECT_NE(bench::clockSeed(start), bench::clockSeed(start + seconds(1)));
}

// An exercise keeps its concentration secret in the very state the random concentration
// leaves, and shows it again as the reveal label does.
TEST_F(BenchTest, AnExerciseHidesTheConcentrationAsTheDieDoes) {
    openPanel();
    auto state = [this] {
        return std::array<bool, 5>{
            controlsOf(*window).masquer->isChecked(), controlsOf(*window).masquer->isEnabled(),
            controlsOf(*window).Text1[0]->isHidden(), controlsOf(*window).Label1->isHidden(),
            controlsOf(*window).Command5->isHidden()};
    };
    window->setUp().Command5_Click();
    const auto byTheDie = state();
    window->setUp().Label1_Click();
    const auto revealed = state();

    type(0, "0,0125");
    window->setUp().Text1_LostFocus(0);
    window->setUp().hideSampleConcentration();
    EXPECT_EQ(state(), byTheDie);
    EXPECT_EQ(text(0), "0,0125") << "kept, not drawn again";
    window->setUp().revealSampleConcentration();
    EXPECT_EQ(state(), revealed);
    EXPECT_FALSE(controlsOf(*window).Text1[0]->isHidden());

    // Already hidden by the box, the exercise locks it.
    controlsOf(*window).masquer->setChecked(true);
    window->setUp().hideSampleConcentration();
    EXPECT_EQ(state(), byTheDie);
}

TEST_F(BenchTest, TickingMasquerValidatesAndHidesTheConcentration) {
    openPanel();
    type(0, "0,9");
    controlsOf(*window).masquer->setChecked(true);
    EXPECT_EQ(text(0), "0,2");
    EXPECT_TRUE(controlsOf(*window).Text1[0]->isHidden());
    EXPECT_TRUE(controlsOf(*window).masquer->isEnabled());
    // The label sits 2 pixels above the box and ends before the unit printed after the box.
    EXPECT_EQ(controlsOf(*window).Label1->pos(),
              controlsOf(*window).Text1[0]->pos() - QPoint(0, 2));
    EXPECT_LE(controlsOf(*window).Label1->sizeHint().width(),
              controlsOf(*window).Text1[0]->width());
    controlsOf(*window).masquer->setChecked(false);
    EXPECT_FALSE(controlsOf(*window).Text1[0]->isHidden());
}

TEST_F(BenchTest, ResetButtonStopsEverythingAndEmptiesTheBurette) {
    type(5, "3,0");
    window->run().Image3_MouseDown();
    window->run().Image1_Click();
    ASSERT_TRUE(controlsOf(*window).Timer1.isActive());
    window->run().Command12_Click();
    EXPECT_FALSE(controlsOf(*window).Timer1.isActive());
    EXPECT_FALSE(controlsOf(*window).Timer2.isActive());
    EXPECT_FALSE(window->run().tapOpen());
    EXPECT_EQ(text(5), "0");
    for (QLineEdit* box : controlsOf(*window).Text1)
        EXPECT_FALSE(box->isReadOnly());
}

TEST_F(BenchTest, ChoosingASpeciesEmptiesTheBurette) {
    type(5, "6,6");
    controlsOf(*window).ions1->setCurrentIndex(3);
    EXPECT_EQ(text(5), "0");
    EXPECT_EQ(controlsOf(*window).Labelvol->text(), "0 mL");
}

} // namespace
