// SPDX-License-Identifier: GPL-3.0-or-later
// The box of the concentration to find while it is hidden: it holds nothing that assistive
// technology could read (its text, its value, its description), while the bench titrates with
// the concentration it keeps; shown again, the box gives it back. An exercise's secret goes
// with the concentration shown.
#include "fixture.h"

#include "numbers/reading.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>

namespace {

using benchtest::BenchTest;

QString accessibleValue(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    QString all = iface->text(QAccessible::Value) + iface->text(QAccessible::Description);
    if (QAccessibleTextInterface* text = iface->textInterface())
        all += text->text(0, text->characterCount());
    return all;
}

TEST_F(BenchTest, TheHiddenConcentrationIsNotInItsBox) {
    openPanel();
    struct Row {
        const char* name;
        std::function<void()> hide;
    } rows[] = {
        {"the die", [this] { window->setUp().Command5_Click(); }},
        {"masquer ticked", [this] { controlsOf(*window).masquer->setChecked(true); }},
        {"an exercise", [this] { window->setUp().hideSampleConcentration(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        controlsOf(*window).ions1->setCurrentIndex(1);
        type(0, QStringLiteral("0,0123"));
        window->setUp().Text1_LostFocus(0);
        row.hide();
        const QString kept = text(0);
        EXPECT_FALSE(kept.isEmpty());
        EXPECT_TRUE(controlsOf(*window).Text1[0]->text().isEmpty());
        EXPECT_TRUE(accessibleValue(controlsOf(*window).Text1[0]).isEmpty());
        // The bench titrates with the concentration kept.
        EXPECT_FLOAT_EQ(window->setUp().benchInputs().sampleConcentration,
                        numbers::parseBenchNumber(kept.toStdString()));
        // Another situation and back: still out of the box.
        controlsOf(*window).Option2[1]->setChecked(true);
        controlsOf(*window).Option2[0]->setChecked(true);
        EXPECT_EQ(text(0), kept);
        EXPECT_TRUE(controlsOf(*window).Text1[0]->text().isEmpty());
        // Shown: the box has it again.
        window->setUp().Label1_Click();
        controlsOf(*window).masquer->setChecked(false);
        EXPECT_EQ(controlsOf(*window).Text1[0]->text(), kept);
        EXPECT_TRUE(accessibleValue(controlsOf(*window).Text1[0]).contains(kept));
    }
}

// An exercise's secret hides the sample's bars and scale; shown, the graph is the bench's.
TEST_F(BenchTest, AnExercisesSecretEndsWhenTheConcentrationIsShown) {
    controlsOf(*window).ions1->setCurrentIndex(2); // diiode
    EXPECT_FALSE(window->setUp().exerciseSecret());
    window->setUp().Command5_Click(); // the die: hidden and locked, not an exercise
    EXPECT_TRUE(window->setUp().sampleHidden());
    EXPECT_FALSE(window->setUp().exerciseSecret());
    window->setUp().Label1_Click();
    window->setUp().hideSampleConcentration();
    EXPECT_TRUE(window->setUp().exerciseSecret());
    window->setUp().Label1_Click(); // the label shows no exercise's secret
    EXPECT_TRUE(window->setUp().exerciseSecret());
    window->setUp().revealSampleConcentration(); // its correction does
    EXPECT_FALSE(window->setUp().exerciseSecret());
    EXPECT_FALSE(window->setUp().sampleHidden());
}

} // namespace
