// SPDX-License-Identifier: GPL-3.0-or-later
// The acid-base bench's drawings: the formulas set from Unicode, the graph's scale and bars,
// the probe and its meter, the flask in the indicator's colour, the indicator's scale and the
// panel's places.
#include "drawing/bench_drawing.h"
#include "drawing/courbes.h"
#include "drawing/drawing_test_support.h"
#include "drawing/graph.h"
#include "drawing/progress_table.h"
#include "families/acidbase/courbes_acidbase.h"
#include "families/acidbase/graph_acidbase.h"
#include "families/acidbase/indicator_scale.h"
#include "families/acidbase/preparation_acidbase.h"
#include "families/acidbase/probe.h"
#include "families/acidbase/progress_acidbase.h"
#include "model/acidbase/indicators.h"
#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace drawing;
using drawingtest::backgroundPixel;
using drawingtest::rgb;
namespace ab = model::acidbase;

struct FormulaCase {
    const char* name;
    const char* formula;
    Runs runs;
};

TEST(AcidBaseDrawing, UnicodeFormulasAreSetAsRuns) {
    using K = RunKind;
    const FormulaCase cases[] = {
        {"index then charge",
         "H₃O⁺",
         {{K::Plain, "H"}, {K::Subscript, "3"}, {K::Plain, "O"}, {K::Superscript, "+"}}},
        {"charge stacked over an index", "HPO₄²⁻", {{K::Plain, "HPO"}, {K::Stacked, "4", "2-"}}},
        {"a charge alone", "Na⁺", {{K::Plain, "Na"}, {K::Superscript, "+"}}},
        {"two molecules",
         "CO₂,H₂O",
         {{K::Plain, "CO"},
          {K::Subscript, "2"},
          {K::Plain, ",H"},
          {K::Subscript, "2"},
          {K::Plain, "O"}}},
        {"brackets kept",
         "CH₃CH(OH)COO⁻",
         {{K::Plain, "CH"}, {K::Subscript, "3"}, {K::Plain, "CH(OH)COO"}, {K::Superscript, "-"}}},
        {"three charges",
         "C₆H₅O₇³⁻",
         {{K::Plain, "C"},
          {K::Subscript, "6"},
          {K::Plain, "H"},
          {K::Subscript, "5"},
          {K::Plain, "O"},
          {K::Stacked, "7", "3-"}}},
        {"nothing", "", {}},
    };
    for (const FormulaCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Runs runs = unicodeFormulaRuns(c.formula);
        ASSERT_EQ(runs.size(), c.runs.size());
        for (std::size_t i = 0; i < runs.size(); ++i) {
            EXPECT_EQ(runs[i].kind, c.runs[i].kind) << i;
            EXPECT_EQ(runs[i].text, c.runs[i].text) << i;
            EXPECT_EQ(runs[i].over, c.runs[i].over) << i;
        }
    }
}

struct ScaleCase {
    const char* name;
    ab::Preparation preparation;
    bool hidden;
    float max; // mmol
};

TEST(AcidBaseDrawing, TheScaleComesFromTheTitrantAndTheSampleUnlessHidden) {
    using T = ab::Titration;
    const ScaleCase cases[] = {
        {"a full burette: 25 mL × 0,1", {T::EthanoicAcid, 0.1, 10, 0, 0.1}, false, 2.5f},
        {"the sample: 20 mL × 0,2", {T::EthanoicAcid, 0.2, 20, 0, 0.1}, false, 4.0f},
        {"hidden: the titrant alone", {T::EthanoicAcid, 0.2, 20, 0, 0.1}, true, 2.5f},
        {"two sodium per carbonate: 2 × 0,1 × 10",
         {T::SodiumCarbonate, 0.1, 10, 0, 0.05},
         false,
         2.0f},
        {"two figures: 25 × 0,0123 = 0,3075", {T::Ammonia, 0.001, 1, 0, 0.0123}, false, 0.31f},
        {"no titration", {}, false, 0.0f},
    };
    for (const ScaleCase& c : cases)
        EXPECT_FLOAT_EQ(acidBaseScaleMax(c.preparation, c.hidden), c.max) << c.name;
}

// Ethanoic acid, 1,0 mmol in 10 mL, by sodium hydroxide at 0,1 mol/L: a scale of 2,5 mmol,
// five columns of 72 pixels. The acid's introduced bar reaches 225 − 200 × 1,0 / 2,5 = 145.
TEST(AcidBaseDrawing, TheBarsShowTheAmountsIntroducedAndPresent) {
    support::application();
    Picture pic(449, 274);
    const ab::Preparation p{ab::Titration::EthanoicAcid, 0.1, 10, 0, 0.1};
    const float max = drawAcidBaseGraphBackground(pic, p, false);
    ASSERT_FLOAT_EQ(max, 2.5f);
    ASSERT_TRUE(drawAcidBaseGraphBars(pic, p, 5, ab::mixtureAt(p, 5), max));
    const int w = columnWidth(5);
    ASSERT_EQ(w, 72);
    const int introduced = graphLeft + 8 + 5;
    EXPECT_NE(pic.pixel(introduced, 147), rgb(255, 255, 255)) << "inside the bar";
    EXPECT_EQ(pic.pixel(introduced, 142), backgroundPixel(pic, introduced, 142)) << "above it";
    // Half the acid is left at 5 mL: its present bar reaches 225 − 200 × 0,5 / 2,5 = 185.
    const int present = graphLeft + w / 2 + 4 + 5;
    EXPECT_NE(pic.pixel(present, 187), rgb(255, 255, 255));
    EXPECT_EQ(pic.pixel(present, 182), backgroundPixel(pic, present, 182));
    // Hydroxide poured, 0,5 mmol: its introduced bar in the third column reaches 185 too.
    EXPECT_NE(pic.pixel(introduced + 2 * w, 187), rgb(255, 255, 255));
    EXPECT_EQ(pic.pixel(introduced + 2 * w, 182), backgroundPixel(pic, introduced + 2 * w, 182));
    EXPECT_FALSE(drawAcidBaseGraphBars(pic, p, 5, ab::mixtureAt(p, 5), 0)) << "no scale, no bars";
}

// The same bench with the sample's concentration hidden: the scale is the titrant's alone
// (0,1 mol/L × 25 mL = 2,5 mmol) and the bars that would give the acid's amount away are not
// drawn, those of the ions the titrant alone brings are.
TEST(AcidBaseDrawing, TheBarsKeepTheSampleSecretWhileHidden) {
    support::application();
    Picture pic(449, 274);
    const ab::Preparation p{ab::Titration::EthanoicAcid, 0.1, 10, 0, 0.1};
    const float max = drawAcidBaseGraphBackground(pic, p, true);
    ASSERT_FLOAT_EQ(max, 2.5f);
    ASSERT_TRUE(drawAcidBaseGraphBars(pic, p, 5, ab::mixtureAt(p, 5), max, true));
    const int w = columnWidth(5);
    const int introduced = graphLeft + 8 + 5;
    const int present = graphLeft + w / 2 + 4 + 5;
    const struct {
        const char* column;
        int x;
        bool drawn;
    } bars[] = {
        {"CH₃COOH introduced", introduced, false},    {"CH₃COOH present", present, false},
        {"CH₃COO⁻ present", present + w, false},      {"HO⁻ introduced", introduced + 2 * w, true},
        {"Na⁺ introduced", introduced + 4 * w, true}, {"Na⁺ present", present + 4 * w, true},
    };
    for (const auto& bar : bars) {
        SCOPED_TRACE(bar.column);
        // 0,5 mmol of each ion of the titrant: a bar from 185 down to the axis.
        EXPECT_EQ(pic.pixel(bar.x, 200) != backgroundPixel(pic, bar.x, 200), bar.drawn);
    }
}

TEST(AcidBaseDrawing, TheColumnsInWordsKeepTheSampleSecretWhileHidden) {
    const ab::Preparation p{ab::Titration::EthanoicAcid, 0.1, 10, 0, 0.1};
    const ab::Mixture m = ab::mixtureAt(p, 5);
    const QStringList shown = describeAcidBaseColumns(p, 5, m, false);
    ASSERT_EQ(shown.size(), 5);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("CH₃COOH\u00A0: introduite 0,001 mol, "
                                                   "présente 0,0005 mol")))
        << shown[0].toStdString();
    const QStringList hidden = describeAcidBaseColumns(p, 5, m, true);
    ASSERT_EQ(hidden.size(), 5);
    EXPECT_EQ(hidden[0], QStringLiteral("CH₃COOH\u00A0: quantités de matière masquées"));
    EXPECT_EQ(hidden[1], QStringLiteral("CH₃COO⁻\u00A0: introduite 0 mol, présente masquée"));
    EXPECT_EQ(hidden[2], QStringLiteral("HO⁻\u00A0: introduite 0,0005 mol, présente masquée"));
    EXPECT_EQ(hidden[4], QStringLiteral("Na⁺\u00A0: introduite 0,0005 mol, présente 0,0005 mol"));
    for (const QString& text : hidden)
        EXPECT_FALSE(text.contains(QStringLiteral("0,001"))) << text.toStdString();
}

struct MeterCase {
    const char* name;
    ab::Probe probe;
    ab::MeterDisplay display;
    const char* text;
};

TEST(AcidBaseDrawing, TheMeterReadsLikeARealOne) {
    const MeterCase cases[] = {
        {"pH meter", ab::Probe::PHMeter, {"4,76", ""}, "pH = 4,76"},
        {"conductimeter", ab::Probe::Conductimeter, {"1,23", "mS·cm⁻¹"}, "σ = 1,23 mS·cm⁻¹"},
        {"microsiemens", ab::Probe::Conductimeter, {"456", "µS·cm⁻¹"}, "σ = 456 µS·cm⁻¹"},
        {"no probe", ab::Probe::None, {}, ""},
    };
    for (const MeterCase& c : cases)
        EXPECT_EQ(meterText(c.probe, c.display), QString::fromUtf8(c.text)) << c.name;
    EXPECT_EQ(meterName(ab::Probe::PHMeter), QStringLiteral("pH-mètre"));
    EXPECT_EQ(meterName(ab::Probe::Conductimeter), QStringLiteral("Conductimètre"));
}

// The bench with 10 mL of liquid (surface at row 454) and the probe asked for.
Picture benchWith(const AcidBaseLevels& acidBase) {
    support::application();
    Picture pic(benchWidth, benchHeight);
    imafond(pic, -1, {}, acidBaseTitrantText(ab::Titration::EthanoicAcid));
    LevelInputs in;
    in.sampleVolume = 10;
    in.content = flaskContent(acidBase);
    niveaubecher(pic, nullptr, in);
    return pic;
}

TEST(AcidBaseDrawing, TheProbeDipsIntoTheFlaskAndItsMeterStandsBeside) {
    const QColor lcd(192, 208, 176);
    AcidBaseLevels levels;
    levels.shown = true;
    levels.probe = ab::Probe::PHMeter;
    levels.display = {"4,76", ""};
    const Picture pH = benchWith(levels);
    const QPoint displayCorner(meterDisplayRect.left() + 2, meterDisplayRect.top() + 2);
    EXPECT_EQ(pH.pixel(displayCorner.x(), displayCorner.y()), lcd);
    EXPECT_EQ(pH.pixel(defaultFlaskX + 38, 420), QColor(225, 235, 240)) << "the glass rod";
    EXPECT_TRUE(drawingtest::hasInkDarkerThan(
        pH, meterDisplayRect.left() + 4, meterDisplayRect.top() + 4, meterDisplayRect.right() - 4,
        meterDisplayRect.bottom() - 4, 60))
        << "the reading";

    levels.probe = ab::Probe::Conductimeter;
    levels.display = {"1,23", "mS·cm⁻¹"};
    const Picture sigma = benchWith(levels);
    EXPECT_EQ(sigma.pixel(defaultFlaskX + 38, 420), QColor(70, 70, 75)) << "the cell's body";

    levels.probe = ab::Probe::None;
    const Picture none = benchWith(levels);
    EXPECT_EQ(none.pixel(displayCorner.x(), displayCorner.y()),
              backgroundPixel(none, displayCorner.x(), displayCorner.y()));
    EXPECT_EQ(none.pixel(defaultFlaskX + 38, 420), backgroundPixel(none, defaultFlaskX + 38, 420));
}

TEST(AcidBaseDrawing, TheFlaskTakesTheIndicatorsColourAndHoldsTheWater) {
    AcidBaseLevels levels;
    levels.shown = true;
    levels.waterVolume = 30; // 40 mL: surface at 459 − 40^1,5 / 6 = 416,8
    levels.tint = model::Rgb{255, 60, 180};
    const Picture pink = benchWith(levels);
    EXPECT_EQ(pink.pixel(defaultFlaskX + 10, 440), rgb(255, 60, 180));
    EXPECT_EQ(pink.pixel(defaultFlaskX + 33, 418), rgb(255, 60, 180)) << "just under 417";
    EXPECT_EQ(pink.pixel(defaultFlaskX + 33, 417), rgb(0, 0, 0)) << "the surface";
    levels.tint.reset();
    const Picture colourless = benchWith(levels);
    EXPECT_EQ(colourless.pixel(defaultFlaskX + 10, 440),
              backgroundPixel(colourless, defaultFlaskX + 10, 440));
    // What the drawn flask holds: 65 mL below its neck's top, 66 mL up to it.
    EXPECT_GT(liquidSurface(flaskCapacity), 370);
    EXPECT_EQ(liquidSurface(flaskCapacity + 1), 370);
}

// "Dans la burette" tells of the titrant as of the redox ones: sodium hydroxide on two lines
// as permanganate, hydrochloric acid on one as diiode, nothing with no titration; the box of
// the titrant's concentration comes under it.
TEST(AcidBaseDrawing, TheBenchTellsOfTheTitrant) {
    support::application();
    auto boxTop = [](int species, int titration) {
        Picture pic(benchWidth, benchHeight);
        return imafond(pic, species, {}, acidBaseTitrantText(titration)).titrantBox.y();
    };
    const int none = boxTop(-1, -1);
    EXPECT_EQ(boxTop(-1, ab::Titration::EthanoicAcid), boxTop(model::Species::OxalicAcid, -1));
    EXPECT_EQ(boxTop(-1, ab::Titration::Ammonia), boxTop(model::Species::Thiosulfate, -1));
    EXPECT_GT(boxTop(-1, ab::Titration::Ammonia), none);
    EXPECT_GT(boxTop(-1, ab::Titration::EthanoicAcid), boxTop(-1, ab::Titration::Ammonia));
}

TEST(AcidBaseDrawing, TheIndicatorsScaleRunsFromPH0To14) {
    support::application();
    Picture frame(449, 274);
    const int phenolphthalein = ab::Indicator::Phenolphthalein;
    paintIndicatorScalePanel(frame, phenolphthalein);
    const QRect band = indicatorScaleRect(frame.width());
    EXPECT_EQ(band.left(), 24);
    EXPECT_DOUBLE_EQ(indicatorScalePH(0), 0);
    EXPECT_DOUBLE_EQ(indicatorScalePH(400), 14);
    for (const double pH : {2.0, 8.4, 9.4, 13.0}) {
        SCOPED_TRACE(pH);
        const int x = band.left() + int(std::lround(pH * 400 / 14));
        const model::Rgb c =
            *ab::indicatorColour(phenolphthalein, indicatorScalePH(x - band.left()));
        EXPECT_EQ(frame.pixel(x, band.top() + 5), rgb(c.r, c.g, c.b));
    }
    EXPECT_EQ(frame.pixel(band.left() + 20, band.top() + 5), rgb(255, 255, 255)) << "colourless";
    EXPECT_EQ(describeIndicatorScale(phenolphthalein),
              QStringLiteral("Phénolphtaléine\u00A0: incolore jusqu'à pH 8,2, rose à partir de "
                             "pH 10,0\u00A0; zone de virage de 8,2 à 10,0."));

    Picture none(449, 274);
    none.setBackColor(QColor(240, 235, 230));
    paintIndicatorScalePanel(none, -1);
    EXPECT_EQ(none.pixel(band.left() + 200, band.top() + 5), QColor(240, 235, 230)) << "no band";
    EXPECT_EQ(describeIndicatorScale(-1), QStringLiteral("Aucun indicateur coloré"));
}

TEST(AcidBaseDrawing, ThePanelPlacesTheAcidBaseControlsTopToBottom) {
    support::application();
    Picture panel(benchWidth, benchHeight);
    AcidBasePanelInputs in;
    in.titration = ab::Titration::Ammonia;
    const AcidBasePanelLayout layout = drawAcidBasePanel(panel, in);
    const ControlPlace places[] = {layout.titrantBox, layout.waterBox, layout.indicator,
                                   layout.probe};
    int lastY = 185; // below the sample's pipette line
    for (const ControlPlace& p : places) {
        EXPECT_TRUE(p.visible);
        EXPECT_GT(p.topLeft.y(), lastY);
        lastY = p.topLeft.y();
    }
    EXPECT_LT(lastY + 21, benchHeight - 130) << "within the part of the panel shown";
    EXPECT_EQ(layout.indicator.topLeft.x(), layout.probe.topLeft.x()) << "the lists aligned";

    in.titration = -1;
    const AcidBasePanelLayout none = drawAcidBasePanel(panel, in);
    for (const ControlPlace& p : {none.titrantBox, none.waterBox, none.indicator, none.probe})
        EXPECT_FALSE(p.visible);
}

} // namespace

namespace {

using namespace drawing;

// Ethanoic acid, 1,0 mmol, by sodium hydroxide at 0,1 mol/L, 5 mL poured: each curve stops at
// the column of 5 mL, a fifth of the plot's width from its left edge.
class AcidBaseCourbesTest : public ::testing::Test {
protected:
    void draw(bool hidden) {
        support::application();
        in.preparation = {model::acidbase::Titration::EthanoicAcid, 0.1, 10, 0, 0.1};
        in.pouredVolume = 5;
        in.scaleMax = acidBaseScaleMax(in.preparation, hidden);
        in.hidden = hidden;
        drawAcidBaseCurvesBackground(pic, in);
        ASSERT_TRUE(drawAcidBaseCurves(pic, in));
        plot = acidBaseCourbesLayout(pic, in).frame.plot;
    }
    // Pixels of a curve's colour in the plot, from x to x.
    int count(int column, int fromX, int toX) const {
        int n = 0;
        for (int y = plot.top(); y <= plot.bottom(); ++y)
            for (int x = fromX; x <= toX; ++x)
                n += pic.pixel(x, y) == courbeColour(column);
        return n;
    }
    Picture pic{449, 274};
    AcidBaseCourbesInputs in;
    QRect plot;
};

TEST_F(AcidBaseCourbesTest, NothingIsDrawnBeyondTheVolumePoured) {
    draw(false);
    const int end = plot.left() + (plot.right() - plot.left()) / 5;
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(count(column, end + 3, plot.right()), 0) << column;
    EXPECT_GT(count(0, plot.left(), end + 2), 0) << "CH₃COOH";
    EXPECT_GT(count(4, plot.left(), end + 2), 0) << "Na⁺";
}

// The labels of the states' rows stand clear of the numbers on their right, with the sample
// hidden too (x is then n₀ past the equivalence, and a number before it); the amounts' scale
// is in steps of 1, 2 or 5 with the power of ten in its title.
TEST_F(AcidBaseCourbesTest, TheTablesLabelsAndTheScaleReadClearly) {
    draw(true);
    const int tableTop = acidBaseCourbesLayout(pic, in).tableTop;
    double label = 0;
    for (const char* text : {"État initial", "État actuel"})
        label = std::max(label, runsWidth(pic, {{RunKind::Plain, text}}, ScriptSet::Small));
    const int right = 4 + int(std::ceil(label)); // the labels start 4 pixels from the left
    EXPECT_FALSE(drawingtest::hasInkDarkerThan(pic, right + 1, tableTop + 20, right + 8,
                                               tableTop + 48, 160));
    std::vector<QString> scale;
    for (const ScaleLabel& l : acidBaseCourbesLayout(pic, in).frame.left.labels)
        scale.push_back(l.text);
    EXPECT_EQ(scale, (std::vector<QString>{"0", "0,5", "1", "1,5", "2", "2,5"})) << "n (10⁻³ mol)";
}

TEST_F(AcidBaseCourbesTest, TheSamplesCurvesAreLeftOutWhileHidden) {
    draw(true);
    EXPECT_EQ(count(0, plot.left(), plot.right()), 0) << "CH₃COOH";
    EXPECT_EQ(count(1, plot.left(), plot.right()), 0) << "CH₃COO⁻";
    EXPECT_GT(count(4, plot.left(), plot.right()), 0) << "Na⁺ poured";
}

} // namespace

namespace {

// Before the first drop no reagent limits anything, as the redox table says it, on a line that
// fits the tab; then the titrant poured.
TEST(AcidBaseProgressTable, NoLimitingReagentBeforeAnyTitrant) {
    const model::acidbase::Preparation ethanoic{model::acidbase::Titration::EthanoicAcid, 0.1, 10,
                                                0, 0.1};
    const Runs none = drawing::acidBaseLimitingRuns(ethanoic, 0);
    EXPECT_EQ(drawing::runsText(none),
              QStringLiteral("Pas encore de réactif limitant\u00A0: aucune "
                             "solution titrante versée (V = 0,0 mL)"));
    EXPECT_EQ(drawing::runsText(drawing::acidBaseLimitingRuns(ethanoic, 0.05)),
              QStringLiteral("Réactif limitant\u00A0: HO⁻ (V = 0,05 mL)"));
    support::application();
    drawing::Picture pic(449, 274);
    EXPECT_LT(drawing::runsWidth(pic, none, ScriptSet::Small), pic.width() - 8);
}

} // namespace
