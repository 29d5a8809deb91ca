// SPDX-License-Identifier: GPL-3.0-or-later
// The side panel in words: the curves in sentences, the table of the amounts and the
// progress tables as tables, the tint scales as tables of colours; nothing that would give a
// hidden concentration away.
#include "fixture.h"

#include "drawing/tintscale.h"
#include "families/redox/redox_words.h"
#include "families/words.h"
#include "model/catalogue.h"

#include <QCheckBox>
#include <QScrollBar>
#include <QTest>

using benchtest::BenchTest;

namespace {

TEST(Words, AConcentrationHasTwoSignificantFiguresAtLeastAndKeepsAllItsOwn) {
    struct Row {
        const char* typed;
        const char* said;
    } rows[] = {
        {"0,01", "0,010"}, {"0,2", "0,20"},    {"0,0125", "0,0125"}, {"0,005", "0,0050"},
        {"1", "1,0"},      {"0,010", "0,010"}, {"0", "0"},           {"0,00001", "1E-05"},
        {"0,15", "0,15"},  {"abc", "0"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(families::concentrationText(QString::fromUtf8(row.typed)), row.said) << row.typed;
}

TEST(Words, ACurveIsSaidByItsRisesFallsAndStays) {
    const std::vector<double> v = {0, 1, 2, 3, 4};
    struct Row {
        const char* name;
        std::vector<double> mol;
        const char* said;
    } rows[] = {
        {"falls then stays",
         {0.0004, 0.0003, 0.0002, 0, 0},
         "n(X) décroît de 0,0004 à 0 mol jusqu'à 3 mL, puis reste à 0 mol."},
        {"stays then rises",
         {0, 0, 0.00001, 0.00002, 0.00003},
         "n(X) reste à 0 mol jusqu'à 1 mL, puis croît jusqu'à 3E-05 mol."},
        {"rises all along", {0, 1e-5, 2e-5, 3e-5, 4e-5}, "n(X) croît de 0 à 4E-05 mol."},
        {"never moves", {0.0001, 0.0001, 0.0001, 0.0001, 0.0001}, "n(X) reste à 0,0001 mol."},
        {"rises, falls, stays",
         {0, 0.0002, 0.0001, 0, 0},
         "n(X) croît de 0 à 0,0002 mol jusqu'à 1 mL, puis décroît jusqu'à 0 mol jusqu'à 3 mL, "
         "puis reste à 0 mol."},
    };
    for (const Row& row : rows)
        EXPECT_EQ(families::curveSummary("X", v, row.mol), QString::fromUtf8(row.said)) << row.name;
    EXPECT_EQ(families::curveSummary("X", {0}, {0.00012}), "n(X)\u00a0: 0,00012 mol.");
    EXPECT_EQ(families::curveSummary("X", {}, {}), QString());
}

TEST(Words, ATintScaleIsAContiguousTableOfColours) {
    for (const model::Tint tint : {model::Tint::Permanganate, model::Tint::Diiode}) {
        for (const int h : {100, 150, 200}) {
            SCOPED_TRACE(h);
            const a11y::TextTable t = families::tintScaleTable(tint, h);
            EXPECT_EQ(t.headers, (QStringList{"Couleur", "De (mol/L)", "À (mol/L)"}));
            ASSERT_GE(t.rowCount(), 2) << "from pale to dark";
            EXPECT_EQ(t.cell(0, 1), "1,0·10⁻⁵");
            EXPECT_EQ(t.cell(t.rowCount() - 1, 2), "1,0·10⁻¹");
            for (int r = 1; r < t.rowCount(); ++r)
                EXPECT_NE(t.cell(r, 0), t.cell(r - 1, 0)) << "a row per colour";
        }
    }
}

class WordsOnTheBench : public BenchTest {
protected:
    void SetUp() override {
        BenchTest::SetUp();
        controlsOf(*window).ions1->setCurrentIndex(model::Species::IronSulfate);
        controlsOf(*window).Combo1->setCurrentIndex(4); // 10 mL
        pour("5,0");
        window->show();
    }
    void pour(const char* volume) {
        type(5, volume);
        window->setUp().Text1_LostFocus(5);
    }
    void showCourbes() {
        controlsOf(*window).Onglets->setFocus(Qt::TabFocusReason);
        QTest::keyClick(controlsOf(*window).Onglets, Qt::Key_End);
        ASSERT_EQ(window->chain().currentTab(), 3);
    }
    const drawing::PicturePart& part(int i) const {
        return controlsOf(*window).tabcourbes->part(i);
    }
};

TEST_F(WordsOnTheBench, TheCurvesTabSaysItsCurvesAndReadsItsTables) {
    showCourbes();
    ASSERT_EQ(controlsOf(*window).tabcourbes->partCount(), 3) << "curves, amounts, one reaction";
    EXPECT_EQ(part(0).role, QAccessible::Chart);
    EXPECT_TRUE(part(0).description.contains(
        "n(Fe²⁺) décroît de 0,0001 à 0 mol jusqu'à 4 mL, puis reste à 0 mol."));
    EXPECT_TRUE(part(0).description.contains(
        "n(MnO₄⁻) reste à 0 mol jusqu'à 4 mL, puis croît jusqu'à 5E-06 mol."));
    const a11y::TextTable& amounts = part(1).table;
    EXPECT_EQ(amounts.headers.front(), "V (mL)");
    EXPECT_EQ(amounts.rowCount(), 51) << "every 0,1 mL from 0 to 5";
    const a11y::TextTable& progress = part(2).table;
    // MnO₄⁻ + 5 Fe²⁺ → Mn²⁺ + 5 Fe³⁺, each term over its column.
    EXPECT_EQ(progress.headers.mid(0, 2), (QStringList{"État", "x (mol)"}));
    for (const char* term : {"MnO₄⁻", "5 Fe²⁺", "Mn²⁺", "5 Fe³⁺"})
        EXPECT_TRUE(progress.headers.contains(QString::fromUtf8(term))) << term;
    EXPECT_EQ(progress.rows.size(), 2u);
    EXPECT_EQ(progress.cell(0, 0), "État initial");
    EXPECT_EQ(part(2).name, "Tableau d'avancement du titrage");
    QAccessibleInterface* table =
        QAccessible::queryAccessibleInterface(controlsOf(*window).tabcourbes)
            ->child(controlsOf(*window).tabcourbes->children().size() - 3 + 2);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), "État initial");
}

TEST_F(WordsOnTheBench, WhileHiddenTheCurvesKeepTheConcentrationToThemselves) {
    // Hiding validates the concentration, which empties the burette: poured again after.
    controlsOf(*window).masquer->setChecked(true);
    pour("5,0");
    showCourbes();
    const QString curves = part(0).description;
    // The sample's curve and the titrant's, whose course past the equivalence gives n0 away.
    EXPECT_TRUE(curves.contains("n(Fe²⁺)\u00a0: inconnue")) << curves.toStdString();
    EXPECT_TRUE(curves.contains("n(MnO₄⁻)\u00a0: inconnue")) << curves.toStdString();
    EXPECT_FALSE(curves.contains("0,0001")) << curves.toStdString();
    // The sample introduced is unknown all along; what is left of it before the equivalence
    // (4 mL, the 41st row); from it on nothing is left, whatever n0 was.
    const a11y::TextTable& amounts = part(1).table;
    int sampleColumns = 0;
    for (int c = 0; c < amounts.columnCount(); ++c)
        if (amounts.headers[c].contains("Fe²⁺")) {
            ++sampleColumns;
            const bool present = amounts.headers[c].contains("présente");
            for (int r = 0; r < amounts.rowCount(); ++r)
                EXPECT_EQ(amounts.cell(r, c) == "inconnue", !present || r < 40)
                    << amounts.headers[c].toStdString() << " " << r;
        }
    EXPECT_EQ(sampleColumns, 2);
    // Before the equivalence the curves say their numbers: 3 mL of titrant make
    // 3 x 0,005 = 0,015 mmol of Mn²⁺.
    pour("3,0");
    EXPECT_TRUE(part(0).description.contains("n(Mn²⁺) croît de 0 à 1,5E-05 mol."))
        << part(0).description.toStdString();
}

TEST_F(WordsOnTheBench, TheTintScalesAreTablesThatFollowTheSlider) {
    controlsOf(*window).Onglets->setFocus(Qt::TabFocusReason);
    QTest::keyClick(controlsOf(*window).Onglets, Qt::Key_Right);
    ASSERT_EQ(window->chain().currentTab(), 2);
    ASSERT_EQ(controlsOf(*window).PictureMnO4->partCount(), 1);
    EXPECT_EQ(
        controlsOf(*window).PictureMnO4->part(0).table.rows,
        families::tintScaleTable(model::Tint::Permanganate, controlsOf(*window).HScroll1->value())
            .rows);
    controlsOf(*window).HScroll1->setValue(drawing::tintSliderMaximum);
    EXPECT_EQ(controlsOf(*window).PictureI2->part(0).table.rows,
              families::tintScaleTable(model::Tint::Diiode, drawing::tintSliderMaximum).rows);
    EXPECT_EQ(controlsOf(*window).PictureI2->part(0).name,
              "Couleurs du diiode selon la concentration");
}

} // namespace
