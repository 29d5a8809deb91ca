// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh main window for each test: headless, every question scripted, the program folder
// in a temporary folder. Every test ends by checking that the questions it expected were all
// asked.

#include "bench/feuillep.h"
#include "bench/widgets.h"
#include "drawing/widgets/picturebox.h"
#include "families/acidbase/acidbase_family.h"
#include "files/configuration.h"
#include "files/recordfile.h"
#include "files/ui/paths.h"
#include "model/acidbase/catalogue.h"
#include "model/acidbase/indicators.h"
#include "model/acidbase/meters.h"
#include "model/titration_id.h"
#include "support/application.h"
#include "support/scripted_answerer.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace benchtest {

// The acid-base family of a bench, with its panel's controls and its measured curve.
inline families::AcidBaseFamily& acidBaseOf(const bench::FeuilleP& window) {
    return static_cast<families::AcidBaseFamily&>(
        window.families().of({model::Family::AcidBase, 0}));
}

class BenchTest : public ::testing::Test {
protected:
    void SetUp() override {
        support::application();
        ASSERT_TRUE(folder.isValid());
        files::setProgramFolder(folder.path());
        window = std::make_unique<bench::FeuilleP>();
        window->shell().Form_Activate();
    }
    void TearDown() override {
        window.reset();
        files::setProgramFolder({});
        script.expectAllUsed();
    }

    // The text the bench holds for a box (the concentration to find too, while it is hidden).
    QString text(int k) const { return window->setUp().benchText(k); }
    // Types into a box as a user would, without validating it.
    void type(int k, const QString& t) { controlsOf(*window).Text1[k]->setText(t); }
    std::string tempRecord(int record) const {
        return files::readRecord(
                   QFile::encodeName(bench::BenchShell::temporaryFile()).toStdString(), record)
            .text;
    }
    // Opens the preparation panel as start-up does.
    void openPanel() { window->setUp().Command3_Click(); }

    // The classic acid-base titration: ethanoic acid at 0,1 mol/L, 10 mL sampled, sodium
    // hydroxide at 0,1 mol/L, the indicator (-1: none) and the probe. pH 2,88 before the
    // first drop (½ (pKa − log c) = ½ (4,76 + 1)), 4,76 at the half-equivalence (5 mL), 8,73
    // at the equivalence (10 mL), where phenolphthalein turns pink.
    static constexpr int ethanoicPosition =
        model::listPosition({model::Family::AcidBase, model::acidbase::Titration::EthanoicAcid});
    void chooseEthanoicAcid(int indicator = model::acidbase::Indicator::Phenolphthalein,
                            model::acidbase::Probe probe = model::acidbase::Probe::PHMeter) {
        controlsOf(*window).ions1->setCurrentIndex(ethanoicPosition);
        type(0, QStringLiteral("0,1"));
        window->setUp().Text1_LostFocus(0);
        controlsOf(*window).Combo1->setCurrentIndex(4);
        acidBaseOf(*window).titrantBox->setText(QStringLiteral("0,1"));
        acidBaseOf(*window).titrantBox_LostFocus();
        acidBaseOf(*window).indicatorList->setCurrentIndex(1 + indicator);
        acidBaseOf(*window).probeList->setCurrentIndex(int(probe));
    }
    // The tap held for so many ticks of the flow, then released.
    void pour(int ticks) {
        window->run().Image3_MouseDown();
        for (int i = 0; i < ticks; ++i)
            window->run().Timer1_Timer();
        window->run().Image3_MouseUp();
    }
    // One drop, its four steps.
    void drop() {
        window->run().Image1_Click();
        for (int step = 0; step < 4; ++step)
            window->run().Timer2_Timer();
    }

    QTemporaryDir folder;
    ui::ScriptedAnswerer script;
    std::unique_ptr<bench::FeuilleP> window;
};

} // namespace benchtest
