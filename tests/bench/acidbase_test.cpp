// SPDX-License-Identifier: GPL-3.0-or-later
// The acid-base bench: its place in the species list, the inputs of its panel, the meter and
// the flask along the classic ethanoic acid titration, the measured volumes, the situations
// and their files, the table of the amounts, and the secret of a hidden concentration.
#include "fixture.h"

#include "files/configuration.h"
#include "model/acidbase/indicators.h"
#include "model/titration_id.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>

using benchtest::acidBaseOf;
using benchtest::BenchTest;

namespace {

namespace ab = model::acidbase;

class AcidBaseBenchTest : public BenchTest {
protected:
    QString meter() const {
        if (controlsOf(*window).picburette->partCount() < 3) return {};
        return controlsOf(*window).picburette->part(2).description;
    }
    // The beaker's description after "Bécher :": its volume and its colour.
    QString flask() const {
        return controlsOf(*window)
            .picburette->part(0)
            .description.section(QLatin1Char(':'), 1)
            .trimmed();
    }
    std::vector<QWidget*> acidBaseControls() const {
        return {acidBaseOf(*window).titrantBox, acidBaseOf(*window).waterBox,
                acidBaseOf(*window).indicatorList, acidBaseOf(*window).probeList};
    }
};

TEST_F(AcidBaseBenchTest, TheListSetsTheTwoFamiliesApart) {
    QComboBox* list = controlsOf(*window).ions1;
    EXPECT_EQ(list->itemText(9), "thiosulfate de sodium") << "the redox items stay in place";
    EXPECT_EQ(list->itemText(model::secondHeadingPosition), "Titrages acido-basiques");
    const auto* items = qobject_cast<QStandardItemModel*>(list->model());
    ASSERT_NE(items, nullptr);
    EXPECT_FALSE(items->item(model::secondHeadingPosition)->isEnabled()) << "not a choice";
    EXPECT_EQ(list->itemText(model::secondFamilyStart), "acide chlorhydrique");
    EXPECT_EQ(list->itemText(list->count() - 1), "carbonate de sodium");

    // The keys pass over the heading, both ways.
    list->setCurrentIndex(9);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentIndex(), model::secondFamilyStart);
    EXPECT_EQ(acidBaseOf(*window).titration(), ab::Titration::HydrochloricAcid);
    EXPECT_EQ(window->setUp().species(), -1) << "no redox species";
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->currentIndex(), 9);
    EXPECT_EQ(acidBaseOf(*window).titration(), -1);
    // Nor does typing the first letters choose it ("t": the heading and thiosulfate).
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(list, Qt::Key_T);
        EXPECT_NE(list->currentIndex(), model::secondHeadingPosition) << i;
    }
}

TEST_F(AcidBaseBenchTest, ItsInputsAppearOnThePanelForItAlone) {
    openPanel();
    for (QWidget* w : acidBaseControls())
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    controlsOf(*window).ions1->setCurrentIndex(ethanoicPosition);
    for (QWidget* w : acidBaseControls()) {
        EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
        EXPECT_TRUE(controlsOf(*window).Picture4->rect().contains(w->geometry()));
    }
    EXPECT_TRUE(controlsOf(*window).Text1[2]->isHidden());
    EXPECT_TRUE(controlsOf(*window).Combo2->isHidden());
    EXPECT_EQ(acidBaseOf(*window).titrantBox->accessibleName(),
              "Concentration de la solution titrante (solution d'hydroxyde de sodium)");
    EXPECT_EQ(acidBaseOf(*window).probeList->itemText(0), "pH-mètre");
    EXPECT_EQ(acidBaseOf(*window).indicatorList->count(), 1 + ab::indicatorCount);
    // "Affichage" shows the indicator's scale in place of the tint scales, and gives them back.
    EXPECT_TRUE(controlsOf(*window).PictureMnO4->isHidden());
    EXPECT_TRUE(controlsOf(*window).HScroll1->isHidden());
    EXPECT_EQ(controlsOf(*window).Frame2->accessibleName(),
              "Échelle de teintes de l'indicateur coloré");
    controlsOf(*window).ions1->setCurrentIndex(2);
    for (QWidget* w : acidBaseControls())
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_FALSE(controlsOf(*window).PictureMnO4->isHidden());
    EXPECT_FALSE(controlsOf(*window).HScroll1->isHidden());
    EXPECT_EQ(controlsOf(*window).Frame2->accessibleName(), "Échelles de teintes");
}

// The meter reads 2,88 at the start, the pKa 4,76 at the half-equivalence and 8,73 at the
// equivalence; phenolphthalein turns the flask pink within a drop of 10,0 mL.
TEST_F(AcidBaseBenchTest, TheMeterAndTheFlaskFollowTheClassicTitration) {
    chooseEthanoicAcid();
    EXPECT_EQ(meter(), QStringLiteral("pH-mètre\u00A0: 2,88"));
    EXPECT_EQ(flask(), "10 mL, solution incolore");
    pour(50);
    EXPECT_EQ(text(5), "5,0");
    EXPECT_EQ(meter(), QStringLiteral("pH-mètre\u00A0: 4,76"));
    pour(49);
    EXPECT_EQ(text(5), "9,9");
    EXPECT_EQ(flask(), "19,9 mL, solution incolore");
    pour(1);
    EXPECT_EQ(meter(), QStringLiteral("pH-mètre\u00A0: 8,73"));
    EXPECT_EQ(flask(), "20 mL, solution rose pâle");
    EXPECT_EQ(controlsOf(*window).picburette->part(0).name,
              "La solution du bécher devient rose pâle");
    drop();
    EXPECT_EQ(flask(), "20,05 mL, solution rose");
    // The set-up handed to the curves.
    const ab::BenchSetup setup = acidBaseOf(*window).setup();
    EXPECT_EQ(setup.preparation.titration, ab::Titration::EthanoicAcid);
    EXPECT_DOUBLE_EQ(setup.preparation.sampleConcentration, 0.1);
    EXPECT_DOUBLE_EQ(setup.preparation.sampleVolume, 10);
    EXPECT_DOUBLE_EQ(setup.preparation.titrantConcentration, 0.1);
    EXPECT_EQ(setup.indicator, ab::Indicator::Phenolphthalein);
    EXPECT_EQ(setup.probe, ab::Probe::PHMeter);
}

// 10 mL of hydrochloric acid at 0,0100 mol/L and 30 mL of water: [H₃O⁺] = [Cl⁻] = 0,1 mmol /
// 40 mL = 0,0025 mol/L, σ = 42,61 × 2,5 / 100 = 1,065 mS·cm⁻¹.
TEST_F(AcidBaseBenchTest, TheConductimeterReadsInTheUnitOfItsRange) {
    controlsOf(*window).ions1->setCurrentIndex(
        model::listPosition({model::Family::AcidBase, ab::Titration::HydrochloricAcid}));
    controlsOf(*window).Combo1->setCurrentIndex(4);
    acidBaseOf(*window).waterBox->setText(QStringLiteral("30"));
    acidBaseOf(*window).waterBox_LostFocus();
    acidBaseOf(*window).probeList->setCurrentIndex(1);
    EXPECT_EQ(meter(), QStringLiteral("Conductimètre\u00A0: 1,07 mS·cm⁻¹"));
    EXPECT_EQ(flask(), "40 mL, solution incolore") << "the water is in the flask";
    acidBaseOf(*window).probeList->setCurrentIndex(2);
    EXPECT_EQ(controlsOf(*window).picburette->partCount(), 2) << "no meter to tell of";
}

TEST_F(AcidBaseBenchTest, ThePanelsTitrantBoxIsTheBenchsOwn) {
    controlsOf(*window).ions1->setCurrentIndex(ethanoicPosition);
    QLineEdit* box = acidBaseOf(*window).titrantBox;
    box->clear();
    QTest::keyClicks(box, "a0.5");
    EXPECT_EQ(box->text(), "0,5") << "the bench's key filter";
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(text(1), "0,2") << "validated as the bench's box: at most 0,2 mol/L";
    EXPECT_EQ(box->text(), "0,2");
    type(1, QStringLiteral("0,05"));
    EXPECT_EQ(box->text(), "0,05");
}

struct WaterCase {
    const char* name;
    const char* typed;
    int pipette; // position in Combo1
    const char* kept;
};

// The flask holds 65 mL: with a full burette, the sample and the water stay within 40 mL.
TEST_F(AcidBaseBenchTest, TheWaterStaysWithinWhatTheFlaskHolds) {
    controlsOf(*window).ions1->setCurrentIndex(ethanoicPosition);
    const WaterCase cases[] = {
        {"within", "25", 4, "25"},
        {"two significant digits", "12.34", 4, "12"},
        {"more than the flask holds", "50", 4, "30"},
        {"no sample", "50", 0, "40"},
        {"negative", "-3", 4, "0"},
        {"unreadable", ",", 4, "0"},
    };
    for (const WaterCase& c : cases) {
        SCOPED_TRACE(c.name);
        controlsOf(*window).Combo1->setCurrentIndex(c.pipette);
        pour(10);
        acidBaseOf(*window).waterBox->clear();
        QTest::keyClicks(acidBaseOf(*window).waterBox, c.typed);
        QTest::keyClick(acidBaseOf(*window).waterBox, Qt::Key_Return);
        EXPECT_EQ(acidBaseOf(*window).waterBox->text(), c.kept);
        EXPECT_EQ(text(5), "0,0") << "a new solution empties the burette";
    }
    // A larger sample leaves less room.
    acidBaseOf(*window).waterBox->setText(QStringLiteral("35"));
    controlsOf(*window).Combo1->setCurrentIndex(1); // 1 mL: 35 fits
    EXPECT_EQ(acidBaseOf(*window).waterBox->text(), "35");
    controlsOf(*window).Combo1->setCurrentIndex(5); // 20 mL
    EXPECT_EQ(acidBaseOf(*window).waterBox->text(), "20");
}

TEST_F(AcidBaseBenchTest, EveryTickOfTheFlowAndEveryDropIsAMeasuredPoint) {
    chooseEthanoicAcid();
    EXPECT_EQ(acidBaseOf(*window).measuredVolumes(), std::vector<double>{0});
    pour(40);
    drop();
    // A click on the tap: its release closes it, then pours one tick, read as every tick is.
    window->run().Image3_MouseDown();
    window->run().Image3_MouseUp();
    window->run().Image3_Click();
    ASSERT_EQ(text(5), "4,2"); // 4,05 + 0,1 as the tap writes it
    // 0 mL, the 40 ticks 0,1 to 4,0 mL, the drop at 4,05 mL, the click's tick at 4,2 mL.
    const std::vector<double> volumes = acidBaseOf(*window).measuredVolumes();
    ASSERT_EQ(volumes.size(), 43u);
    for (int i = 0; i <= 40; ++i)
        EXPECT_NEAR(volumes[std::size_t(i)], 0.1 * i, 1e-9) << i;
    EXPECT_NEAR(volumes[41], 4.05, 1e-9);
    EXPECT_NEAR(volumes[42], 4.2, 1e-9);
    EXPECT_EQ(window->setUp().drops().size(), 1u) << "the drops alone, as before";
    const std::vector<ab::Point> points = acidBaseOf(*window).measuredPoints();
    ASSERT_EQ(points.size(), volumes.size());
    const ab::Preparation p = acidBaseOf(*window).setup().preparation;
    for (const ab::Point& point : points)
        EXPECT_DOUBLE_EQ(point.value, ab::mixtureAt(p, point.volume).pH) << point.volume;
    // Another probe reads the same volumes again.
    acidBaseOf(*window).probeList->setCurrentIndex(int(ab::Probe::Conductimeter));
    const std::vector<ab::Point> sigma = acidBaseOf(*window).measuredPoints();
    ASSERT_EQ(sigma.size(), volumes.size());
    EXPECT_DOUBLE_EQ(sigma[20].value, ab::reading(ab::mixtureAt(p, 2.0), ab::Probe::Conductimeter));
    // A smaller volume forgets what lies beyond it; emptying the burette forgets all.
    type(5, QStringLiteral("4,1"));
    window->setUp().Text1_LostFocus(5);
    EXPECT_EQ(acidBaseOf(*window).measuredVolumes().size(), 42u)
        << "0 to 4,0 mL and the drop at 4,05 mL";
    EXPECT_EQ(acidBaseOf(*window).measuredPoints().size(), 42u);
    window->run().reinitialise();
    EXPECT_EQ(acidBaseOf(*window).measuredVolumes(), std::vector<double>{0});
    ASSERT_EQ(acidBaseOf(*window).measuredPoints().size(), 1u);
    EXPECT_NEAR(acidBaseOf(*window).measuredPoints()[0].value,
                ab::reading(ab::mixtureAt(p, 0), ab::Probe::Conductimeter), 1e-12);
}

TEST_F(AcidBaseBenchTest, EachMillilitrePouredByPageDownIsAMeasuredPoint) {
    chooseEthanoicAcid();
    window->run().pourMillilitre();
    window->run().pourMillilitre();
    drop();
    // 0 mL, 1 mL, 2 mL, then the drop at 2,05 mL.
    const std::vector<double> volumes = acidBaseOf(*window).measuredVolumes();
    ASSERT_EQ(volumes.size(), 4u);
    EXPECT_NEAR(volumes[1], 1.0, 1e-9);
    EXPECT_NEAR(volumes[2], 2.0, 1e-9);
    EXPECT_NEAR(volumes[3], 2.05, 1e-9);
    const ab::Preparation p = acidBaseOf(*window).setup().preparation;
    EXPECT_DOUBLE_EQ(acidBaseOf(*window).measuredPoints()[2].value, ab::mixtureAt(p, 2.0).pH);
}

TEST_F(AcidBaseBenchTest, TheReportSaysTheAcidBaseSetUpAndItsMethod) {
    chooseEthanoicAcid();
    acidBaseOf(*window).waterBox->setText(QStringLiteral("20"));
    acidBaseOf(*window).waterBox_LostFocus();
    window->run().pourMillilitre();
    printing::ReportFacts facts = window->chain().reportFacts();
    const QString setUp = facts.setUp.join(QLatin1Char('\n'));
    for (const char* line :
         {"Solution titrée\u00A0: acide éthanoïque, prélèvement V2 = ", "c2 = 0,1\u00A0mol/L",
          "Eau distillée ajoutée\u00A0: 20\u00A0mL",
          "Solution titrante\u00A0: solution d'hydroxyde de sodium, c1 = 0,1\u00A0mol/L",
          "Indicateur coloré\u00A0: phénolphtaléine", "Sonde de mesure\u00A0: pH-mètre",
          "Volume de solution titrante versé\u00A0: V1 = 1\u00A0mL"})
        EXPECT_TRUE(setUp.contains(QString::fromUtf8(line))) << line << "\n" << setUp.toStdString();
    EXPECT_FALSE(setUp.contains(QStringLiteral("—"))) << "no redox species stands in the report";
    EXPECT_EQ(facts.method,
              QStringLiteral("changement de couleur de l'indicateur (phénolphtaléine)"));
    acidBaseOf(*window).indicatorList->setCurrentIndex(0);
    acidBaseOf(*window).probeList->setCurrentIndex(int(ab::Probe::None));
    EXPECT_EQ(window->chain().reportFacts().method,
              QStringLiteral("aucune (ni sonde ni indicateur coloré)"));
}

TEST_F(AcidBaseBenchTest, EachSituationKeepsItsAcidBaseInputs) {
    controlsOf(*window).ions1->setCurrentIndex(ethanoicPosition);
    acidBaseOf(*window).waterBox->setText(QStringLiteral("20"));
    acidBaseOf(*window).indicatorList->setCurrentIndex(1 + ab::Indicator::BromothymolBlue);
    acidBaseOf(*window).probeList->setCurrentIndex(1);
    controlsOf(*window).Option2[1]->setChecked(true);
    EXPECT_EQ(acidBaseOf(*window).titration(), -1) << "situation 2 holds its redox start values";
    controlsOf(*window).Option2[0]->setChecked(true);
    EXPECT_EQ(acidBaseOf(*window).titration(), ab::Titration::EthanoicAcid);
    EXPECT_EQ(acidBaseOf(*window).waterBox->text(), "20");
    EXPECT_EQ(acidBaseOf(*window).indicatorList->currentIndex(),
              1 + ab::Indicator::BromothymolBlue);
    EXPECT_EQ(acidBaseOf(*window).probeList->currentIndex(), 1);
    const files::FamilyChoices stored = window->setUp().benchSituations().family[0];
    EXPECT_EQ(stored, (files::FamilyChoices{"20", 1 + ab::Indicator::BromothymolBlue, 1}));
}

TEST_F(AcidBaseBenchTest, ASavedFileOpensOnTheSameBench) {
    const QString path = folder.filePath(QStringLiteral("acidobasique.C17"));
    chooseEthanoicAcid();
    acidBaseOf(*window).waterBox->setText(QStringLiteral("15"));
    acidBaseOf(*window).probeList->setCurrentIndex(1);
    ASSERT_EQ(files::writeConfiguration(path.toStdString(), window->setUp().benchSituations()),
              files::WriteResult::Ok);

    controlsOf(*window).ions1->setCurrentIndex(3);
    window->setUp().loadConfiguration(path);
    EXPECT_EQ(acidBaseOf(*window).titration(), ab::Titration::EthanoicAcid);
    EXPECT_EQ(text(0), "0,1");
    EXPECT_EQ(text(1), "0,1");
    EXPECT_EQ(controlsOf(*window).Combo1->currentText(), "10 mL");
    EXPECT_EQ(acidBaseOf(*window).waterBox->text(), "15");
    EXPECT_EQ(acidBaseOf(*window).indicatorList->currentIndex(),
              1 + ab::Indicator::Phenolphthalein);
    EXPECT_EQ(acidBaseOf(*window).probeList->currentIndex(), 1);
}

TEST_F(AcidBaseBenchTest, ADamagedFileIsToldAndTheBenchIsLeftAsItWas) {
    chooseEthanoicAcid();
    const std::string whole = *files::configurationBytes(window->setUp().benchSituations());
    const QString path = folder.filePath(QStringLiteral("coupe.C17"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(whole.substr(0, 100 * 128).data(), 100 * 128);
    file.close();

    controlsOf(*window).ions1->setCurrentIndex(
        model::listPosition({model::Family::AcidBase, ab::Titration::Ammonia}));
    script.answers = {ui::Answer::Ok};
    window->setUp().loadConfiguration(path);
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, QStringLiteral("Ce fichier est incomplet ou endommagé\u00A0: "
                                                   "ses titrages acido-basiques ne peuvent pas "
                                                   "être lus."));
    EXPECT_EQ(script.asked[0].title, "Fichier non valide");
    EXPECT_EQ(acidBaseOf(*window).titration(), ab::Titration::Ammonia) << "nothing changed";
    EXPECT_EQ(window->situationBench().situations().table.current, 0);
}

TEST_F(AcidBaseBenchTest, TheCopiedTableIsTheAcidBaseCurveTable) {
    chooseEthanoicAcid();
    pour(50);
    script.menuChoices = {QStringLiteral("coptableau")};
    window->shell().Command4_Click();
    QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.takeLast(), QString());
    ASSERT_EQ(lines.size(), 1 + 51) << "the header, 0 to 5 mL every 0,1 mL";
    EXPECT_TRUE(
        lines[0].startsWith(QStringLiteral("V (mL)\tpH\tσ (mS/cm)\tn(CH₃COOH) introduite (mol)\t")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("\tcouleur (phénolphtaléine)")));
    EXPECT_TRUE(lines[51].startsWith(QStringLiteral("5,0\t4,76\t"))) << lines[51].toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("n(CH₃COOH) présente (mol)")));
}

// While hidden, no number gives n0 = 1,0 mmol away: not the table's columns of the sample, not
// the columns of the graph in words; the meter still reads the pH.
TEST_F(AcidBaseBenchTest, AHiddenConcentrationStaysSecret) {
    chooseEthanoicAcid();
    controlsOf(*window).masquer->setChecked(true);
    pour(50);
    const QStringList lines =
        QString::fromStdString(window->chain().tableText(";", "\n")).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 1 + 51 + 1) << "the header, 0 to 5 mL, the last line end";
    const QStringList header = lines[0].split(QLatin1Char(';'));
    // The sample's columns are kept, empty; the titrant's ones are filled.
    const struct {
        const char* name;
        bool empty;
    } columns[] = {
        {"pH", false},
        {"n(CH₃COOH) introduite (mol)", true},
        {"n(CH₃COOH) présente (mol)", true},
        {"n(CH₃COO⁻) présente (mol)", true},
        {"n(HO⁻) introduite (mol)", false},
        {"n(HO⁻) présente (mol)", true},
        {"n(Na⁺) présente (mol)", false},
    };
    for (const auto& column : columns) {
        SCOPED_TRACE(column.name);
        const qsizetype j = header.indexOf(QString::fromUtf8(column.name));
        ASSERT_GE(j, 0);
        const QStringList at5 = lines[51].split(QLatin1Char(';'));
        ASSERT_EQ(at5.size(), header.size());
        EXPECT_EQ(at5[j].isEmpty(), column.empty) << at5[j].toStdString();
    }
    EXPECT_FALSE(lines.join(QLatin1Char('\n')).contains(QStringLiteral("1,000E-03"))) << "n0";
    EXPECT_TRUE(lines[51].startsWith(QStringLiteral("5,0;4,76;")));
    for (int i = 0; i < controlsOf(*window).tabquant->partCount(); ++i) {
        const QString words = controlsOf(*window).tabquant->part(i).description;
        EXPECT_FALSE(words.contains(QStringLiteral("0,001"))) << words.toStdString();
    }
    EXPECT_EQ(controlsOf(*window).tabquant->part(0).description,
              QStringLiteral("CH₃COOH\u00A0: quantités de matière masquées"));
    EXPECT_EQ(meter(), QStringLiteral("pH-mètre\u00A0: 4,76"));
}

TEST_F(AcidBaseBenchTest, PrintedAndCopiedPicturesAreTheScreensOnes) {
    chooseEthanoicAcid();
    acidBaseOf(*window).probeList->setCurrentIndex(int(ab::Probe::None)); // the amount curves
    pour(30);
    window->chain().Onglets_MouseUp(400, 8); // the "Courbes" tab
    const qreal ratio = controlsOf(*window).tabcourbes->picture().devicePixelRatio();
    EXPECT_EQ(
        window->chain().courbesImage(ratio),
        controlsOf(*window).tabcourbes->picture().image().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(
        window->chain().graphImage(controlsOf(*window).tabquant->picture().devicePixelRatio()),
        controlsOf(*window).tabquant->picture().image().convertToFormat(QImage::Format_RGB32));
}

} // namespace
