// SPDX-License-Identifier: GPL-3.0-or-later
// A configuration holding a value that the bench cannot hold is refused whole by the open
// window, the bench left as it was; whatever the bench holds once its boxes are validated, or
// typed in the box that has the focus, is saved as a configuration that the check accepts.

#include "fixture.h"

#include "drawing/bench_drawing.h"
#include "families/rules/family_rules.h"
#include "files/ui/ouvrir.h"
#include "model/amounts.h"
#include "model/bench_limits.h"

#include <QRadioButton>

namespace {

using benchtest::acidBaseOf;
using benchtest::BenchTest;

// The check's water limit is the most the bench's flask takes with no sample.
static_assert(drawing::flaskCapacity - model::buretteCapacity == model::sampleAndWaterLimit);

TEST_F(BenchTest, TheOpenWindowRefusesADamagedConfigurationAndTheBenchKeepsWhatItHad) {
    controlsOf(*window).Option2[1]->setChecked(true);
    controlsOf(*window).ions1->setCurrentIndex(4);
    type(1, QStringLiteral("0,02"));
    window->setUp().Text1_LostFocus(1);
    window->situationBench().situations().configFile = folder.filePath(QStringLiteral("avant.C17"));
    window->setWindowTitle(QStringLiteral("Titrage colorimétrique - avant.C17"));
    const files::SituationTable before = window->setUp().benchSituations();
    files::SituationTable damaged;
    damaged.texts[2][1] = "-1";
    const QString path = folder.filePath(QStringLiteral("abime.C17"));
    ASSERT_EQ(files::writeConfiguration(path.toStdString(), damaged), files::WriteResult::Ok);

    files::Ouvrir open(window->situationBench(), window.get());
    open.show();
    open.ficharge->setText(path);
    script.answers = {ui::Answer::Ok};
    open.Command1_Click();
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(
        script.asked[0].text,
        "Situation n°\u00A03\u00A0: la concentration de la solution titrante «\u00A0-1\u00A0» "
        "n'est pas comprise entre 0,0001 et 0,2\u00A0mol/L.");
    EXPECT_EQ(script.asked[0].title, "Fichier non valide");
    EXPECT_TRUE(controlsOf(*window).Option2[1]->isChecked());
    EXPECT_EQ(controlsOf(*window).ions1->currentIndex(), 4);
    EXPECT_EQ(text(1), "0,02");
    EXPECT_EQ(window->situationBench().situations().configFile,
              folder.filePath(QStringLiteral("avant.C17")));
    EXPECT_EQ(window->windowTitle(), "Titrage colorimétrique - avant.C17");
    const files::SituationTable after = window->setUp().benchSituations();
    EXPECT_EQ(after.texts, before.texts);
    EXPECT_EQ(after.choices, before.choices);
    EXPECT_EQ(after.family, before.family);
}

TEST_F(BenchTest, WhatTheBenchHoldsOnceValidatedIsSavedAsAConfigurationThatLoads) {
    controlsOf(*window).ions1->setCurrentIndex(ethanoicPosition);
    for (const char* typed : {"0", "-5", "", "99999", "0,00001", "1,2,3"}) {
        for (int k = 0; k < 4; ++k) {
            type(k, QString::fromLatin1(typed));
            window->setUp().Text1_LostFocus(k);
        }
        acidBaseOf(*window).waterBox->setText(QString::fromLatin1(typed));
        acidBaseOf(*window).waterBox_LostFocus();
        EXPECT_EQ(families::configurationProblem(window->setUp().benchSituations()), "") << typed;
    }
    type(5, QStringLiteral("30"));
    script.answers = {ui::Answer::Ok}; // the burette holds 25 mL
    window->setUp().Text1_LostFocus(5);
    EXPECT_EQ(families::configurationProblem(window->setUp().benchSituations()), "");
    // Typed and not validated, the focus gone to another window: validated as it is saved.
    for (QLineEdit* box : {controlsOf(*window).Text1[1], acidBaseOf(*window).waterBox}) {
        box->setFocus();
        box->selectAll();
        box->insert(QStringLiteral("50"));
        EXPECT_EQ(families::configurationProblem(window->setUp().benchSituations()), "");
    }
    EXPECT_EQ(text(1), "0,2");
}

} // namespace
