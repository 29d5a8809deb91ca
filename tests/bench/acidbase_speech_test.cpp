// SPDX-License-Identifier: GPL-3.0-or-later
// The acid-base bench told where the focus is: the meter's reading with the volume and the
// indicator's colour, the summary of the bench, the situations named by what they hold, the
// corrections of the panel's boxes, the meter as the third item of the bench's list.
#include "fixture.h"

#include "a11y/tell.h"
#include "files/situations.h"
#include "model/acidbase/catalogue.h"
#include "model/acidbase/indicators.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

using benchtest::acidBaseOf;
using benchtest::BenchTest;

namespace {

namespace ab = model::acidbase;

class AcidBaseSpeechTest : public BenchTest {
protected:
    void SetUp() override {
        BenchTest::SetUp();
        QObject::connect(&a11y::Teller::instance(), &a11y::Teller::told, window.get(),
                         [this](QWidget*, const QString& s) { told.push_back(s); });
        window->start();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void pour(int ticks) {
        BenchTest::pour(ticks);
        QApplication::processEvents(); // what the stop tells comes after the release
    }
    // Types into a box of the panel and validates it with Return; what was told.
    QStringList validate(QLineEdit* box, const char* typed) {
        box->setFocus(Qt::TabFocusReason);
        box->setText(QString::fromUtf8(typed));
        told.clear();
        QTest::keyClick(box, Qt::Key_Return);
        return told;
    }
    QStringList told;
};

TEST_F(AcidBaseSpeechTest, TheTapTellsTheMeterWithTheVolumeAndTheColour) {
    chooseEthanoicAcid();
    window->setUp().Command3_Click(); // to the bench
    EXPECT_EQ(window->speech().progressSentence(),
              QStringLiteral("0,00 mL versés, solution incolore, pH-mètre\u00A0: 2,88"));
    pour(50);
    EXPECT_EQ(controlsOf(*window).Image3->accessibleDescription(),
              QStringLiteral("5,00 mL versés, solution incolore, pH-mètre\u00A0: 4,76"));
    pour(50);
    EXPECT_EQ(controlsOf(*window).Image3->accessibleDescription(),
              QStringLiteral("10,00 mL versés, solution rose pâle, pH-mètre\u00A0: 8,73"));
    // Without a probe, nothing is read but the volume and the colour.
    acidBaseOf(*window).probeList->setCurrentIndex(2);
    EXPECT_EQ(window->speech().meterReading(), QString());
    EXPECT_EQ(window->speech().progressSentence(),
              QStringLiteral("10,00 mL versés, solution rose pâle"));
    // The conductimeter reads with its unit.
    acidBaseOf(*window).probeList->setCurrentIndex(1);
    EXPECT_TRUE(window->speech().meterReading().startsWith(QStringLiteral("Conductimètre\u00A0: ")))
        << window->speech().meterReading().toStdString();
    EXPECT_TRUE(window->speech().meterReading().endsWith(QStringLiteral("cm⁻¹")))
        << window->speech().meterReading().toStdString();
}

TEST_F(AcidBaseSpeechTest, TheSummaryReadsTheProbeAndTheIndicatorButNoHiddenConcentration) {
    struct Row {
        const char* name;
        bool hidden;
        const char* water;
        int indicator; // in the list: 0 "aucun"
        int probe;     // in the list: 0 pH-mètre, 1 conductimètre, 2 aucune
        std::vector<QString> says;
        std::vector<QString> never;
    } rows[] = {
        {"shown, phenolphthalein, pH meter",
         false,
         "0",
         1 + ab::Indicator::Phenolphthalein,
         0,
         {"Acide éthanoïque, 0,10 mol/L, 10 mL prélevés.",
          "Solution titrante\u00a0: hydroxyde de sodium, 0,10 mol/L.",
          "Indicateur coloré\u00a0: phénolphtaléine.",
          "0,00 mL versés, solution incolore, pH-mètre\u00a0: 2,88."},
         {"Eau distillée"}},
        {"hidden",
         true,
         "0",
         1 + ab::Indicator::Phenolphthalein,
         0,
         {"Acide éthanoïque, concentration inconnue, 10 mL prélevés."},
         {"Acide éthanoïque, 0,10"}},
        {"water, no indicator, no probe",
         false,
         "20",
         0,
         2,
         {"Eau distillée ajoutée\u00a0: 20 mL.", "Sans indicateur coloré.",
          "0,00 mL versés, solution incolore."},
         {"mètre"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        chooseEthanoicAcid();
        acidBaseOf(*window).waterBox->setText(QString::fromUtf8(row.water));
        acidBaseOf(*window).waterBox_LostFocus();
        acidBaseOf(*window).indicatorList->setCurrentIndex(row.indicator);
        acidBaseOf(*window).probeList->setCurrentIndex(row.probe);
        controlsOf(*window).masquer->setChecked(row.hidden);
        const QString summary = window->speech().sceneSummary();
        for (const QString& part : row.says)
            EXPECT_TRUE(summary.contains(part)) << summary.toStdString();
        for (const QString& part : row.never)
            EXPECT_FALSE(summary.contains(part)) << summary.toStdString();
    }
}

TEST_F(AcidBaseSpeechTest, AnAcidBaseSituationIsNamedByWhatItHolds) {
    window->situationBench().situations().table.texts[2][0] = "0,05";
    window->situationBench().situations().table.choices[2][1] = ethanoicPosition;
    controlsOf(*window).ions1->setCurrentIndex(8);
    window->setUp().Command3_Click();
    window->setUp().Option2_Click(0);
    EXPECT_EQ(controlsOf(*window).Option2[2]->accessibleName(),
              QStringLiteral("Situation 3\u00a0: acide éthanoïque, 0,050 mol/L"));
    window->setUp().Option2_Click(2);
    EXPECT_EQ(controlsOf(*window).Option2[2]->accessibleName(),
              QStringLiteral("Situation 3\u00a0: acide éthanoïque, 0,050 mol/L"));
    controlsOf(*window).masquer->setChecked(true);
    EXPECT_EQ(controlsOf(*window).Option2[2]->accessibleName(),
              QStringLiteral("Situation 3\u00a0: acide éthanoïque, concentration inconnue"));
}

TEST_F(AcidBaseSpeechTest, ACorrectedBoxOfThePanelIsTold) {
    chooseEthanoicAcid(); // the panel is open at start-up; 10 mL sampled
    ASSERT_FALSE(controlsOf(*window).Picture4->isHidden());
    struct Row {
        const char* name;
        QLineEdit* box;
        const char* typed;
        QStringList said;
    } rows[] = {
        // The drawn flask holds 65 mL: 10 mL of sample and a full burette leave 30 mL.
        {"too much water", acidBaseOf(*window).waterBox, "45", {"Valeur corrigée\u00a0: 30 mL."}},
        {"water to two figures",
         acidBaseOf(*window).waterBox,
         "12,3",
         {"Valeur corrigée\u00a0: 12 mL."}},
        {"water as it should be", acidBaseOf(*window).waterBox, "20", {}},
        {"too strong a titrant",
         acidBaseOf(*window).titrantBox,
         "5",
         {"Valeur corrigée\u00a0: 0,2 mol/L."}},
        {"titrant as it should be", acidBaseOf(*window).titrantBox, "0,05", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(validate(row.box, row.typed), row.said);
    }
}

TEST_F(AcidBaseSpeechTest, TheMeterIsTheThirdItemOfTheBenchList) {
    chooseEthanoicAcid();
    window->setUp().Command3_Click();
    ASSERT_EQ(controlsOf(*window).picburette->partCount(), 3);
    EXPECT_EQ(controlsOf(*window).picburette->part(2).name, QStringLiteral("pH-mètre"));
    EXPECT_EQ(controlsOf(*window).picburette->part(2).role, QAccessible::ListItem);
    controlsOf(*window).picburette->setFocus(Qt::TabFocusReason);
    QTest::keyClick(controlsOf(*window).picburette, Qt::Key_End);
    EXPECT_EQ(controlsOf(*window).picburette->currentPart(), 2);
    QTest::keyClick(controlsOf(*window).picburette, Qt::Key_Home);
    EXPECT_EQ(controlsOf(*window).picburette->currentPart(), 0);
}

} // namespace
