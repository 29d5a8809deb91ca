// SPDX-License-Identifier: GPL-3.0-or-later
// The "Courbes" tab of the bench and the course of the titration it keeps: the drops
// recorded, the curves drawn only while the tab is shown, and the table copied for a
// spreadsheet, read back as a French spreadsheet reads it and checked against the model.
#include "fixture.h"

#include "drawing/courbes.h"
#include "drawing/graph.h"
#include "drawing/picture.h"
#include "model/amounts.h"
#include "model/catalogue.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>

#include <cmath>
#include <map>
#include <optional>

using benchtest::BenchTest;

namespace {

class CourbesTest : public BenchTest {
protected:
    // The oxalic acid example of the class: c0 = 0,01 mol/L (the start value), V0 = 10 mL,
    // cT = 0,005 mol/L (the start value).
    void chooseOxalicAcid() {
        controlsOf(*window).ions1->setCurrentIndex(1);
        controlsOf(*window).Combo1->setCurrentIndex(4);
        ASSERT_DOUBLE_EQ(window->setUp().benchInputs().sampleVolume, 10);
        ASSERT_EQ(text(0), "0,01");
        ASSERT_EQ(text(1), "0,005");
    }
    QImage courbes() const {
        return controlsOf(*window).tabcourbes->picture().image().convertToFormat(
            QImage::Format_RGB32);
    }
};

// A cell as a French spreadsheet takes it: a number with a decimal comma, or nothing.
std::optional<double> frenchNumber(QString cell) {
    if (cell.isEmpty()) return std::nullopt;
    bool ok = false;
    const double value = cell.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    EXPECT_TRUE(ok) << "not a number: " << cell.toStdString();
    return value;
}

TEST_F(CourbesTest, TheThirdTabShowsTheCurvesInThePanel) {
    window->chain().Onglets_MouseUp(250, 8);
    EXPECT_EQ(window->chain().currentTab(), 2);
    EXPECT_TRUE(controlsOf(*window).tabcourbes->isHidden());
    window->chain().Onglets_MouseUp(400, 8);
    EXPECT_EQ(window->chain().currentTab(), 3);
    EXPECT_FALSE(controlsOf(*window).tabcourbes->isHidden());
    EXPECT_TRUE(controlsOf(*window).tabquant->isHidden());
    EXPECT_TRUE(controlsOf(*window).Frame2->isHidden());
    EXPECT_EQ(controlsOf(*window).tabcourbes->geometry(), controlsOf(*window).tabquant->geometry());
    window->chain().Onglets_MouseUp(10, 8);
    EXPECT_EQ(window->chain().currentTab(), 1);
    EXPECT_TRUE(controlsOf(*window).tabcourbes->isHidden());
}

TEST_F(CourbesTest, CurvesAreDrawnOnlyWhileTheirTabIsShown) {
    chooseOxalicAcid();
    window->chain().Onglets_MouseUp(400, 8);
    window->chain().Onglets_MouseUp(10, 8);
    const QImage hiddenBefore = courbes();
    pour(30);
    EXPECT_EQ(courbes(), hiddenBefore) << "nothing drawn behind the graph";

    window->chain().Onglets_MouseUp(400, 8);
    const QImage at3 = courbes();
    EXPECT_NE(at3, hiddenBefore) << "the pour made meanwhile is drawn at once";
    // What is shown is what printing and copying draw.
    EXPECT_EQ(
        window->chain().courbesImage(controlsOf(*window).tabcourbes->picture().devicePixelRatio()),
        at3);
    pour(10);
    EXPECT_NE(courbes(), at3) << "each tick moves the curves on";
    EXPECT_EQ(
        window->chain().courbesImage(controlsOf(*window).tabcourbes->picture().devicePixelRatio()),
        courbes());

    // Hiding the concentration (which empties the burette) leaves the sample's curve out.
    // In the plot, where the tab of oxalic acid on this scale puts it.
    drawing::Picture measure(controlsOf(*window).tabcourbes->picture().width(),
                             controlsOf(*window).tabcourbes->picture().height());
    drawing::CourbesInputs oxalic;
    oxalic.species = 1;
    oxalic.scaleMax = drawing::scaleMax(1, window->setUp().benchInputs());
    const QRect plot = drawing::courbesLayout(measure, oxalic).frame.plot;
    const auto count = [this, plot](int column) {
        const QImage image = courbes();
        int n = 0;
        for (int y = plot.top(); y <= plot.bottom(); ++y)
            for (int x = plot.left(); x <= plot.right(); ++x)
                n += QColor(image.pixel(x, y)) == drawing::courbeColour(column);
        return n;
    };
    EXPECT_GT(count(1), 0) << "oxalic acid";
    controlsOf(*window).masquer->setChecked(true);
    pour(30);
    EXPECT_EQ(count(1), 0) << "oxalic acid";
    EXPECT_GT(count(3), 0) << "manganese(II)";
}

TEST_F(CourbesTest, DropsAreRecordedUntilTheBuretteIsEmptied) {
    chooseOxalicAcid();
    pour(40);
    drop();
    pour(2);
    drop();
    ASSERT_EQ(window->setUp().drops().size(), 2u);
    EXPECT_NEAR(window->setUp().drops()[0], 4.05, 1e-9);
    EXPECT_NEAR(window->setUp().drops()[1], 4.35, 1e-9); // the tap rounds 4,05 + 0,1 to 4,2
    // A smaller volume typed in forgets the drops beyond it.
    type(5, "4,1");
    window->setUp().Text1_LostFocus(5);
    ASSERT_EQ(window->setUp().drops().size(), 1u);
    window->run().reinitialise();
    EXPECT_TRUE(window->setUp().drops().empty());
}

TEST_F(CourbesTest, CopiedTableReadsBackAsTheModelsAmounts) {
    for (const bool hidden : {false, true}) {
        SCOPED_TRACE(hidden ? "hidden concentration" : "concentration shown");
        // Hiding the concentration empties the burette: the pour comes after.
        controlsOf(*window).masquer->setChecked(hidden);
        chooseOxalicAcid();
        window->run().reinitialise();
        pour(40);
        drop(); // 4,05 mL
        pour(60);
        ASSERT_EQ(text(5), "10,1");
        script.menuChoices = {QStringLiteral("coptableau")};
        window->shell().Command4_Click();
        QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
        ASSERT_EQ(lines.takeLast(), QString());
        // 0 to 10,1 mL every 0,1 mL, and the drop.
        ASSERT_EQ(lines.size(), 1 + 102 + 1);

        // The columns of the amounts present, by the species' formula in the header.
        const QStringList header = lines.takeFirst().split(QLatin1Char('\t'));
        std::map<int, int> presentColumn; // entry -> column
        for (const model::GraphColumn& c : model::graphColumns(1)) {
            const QString name = QStringLiteral("n(%1) présente (mol)")
                                     .arg(QString::fromStdString(
                                         std::string(model::entryUnicodeFormula(c.presentEntry))));
            presentColumn[c.presentEntry] = int(header.indexOf(name));
            ASSERT_GT(presentColumn[c.presentEntry], 0) << name.toStdString();
        }
        ASSERT_EQ(presentColumn.size(), 4u);

        model::BenchInputs in = window->setUp().benchInputs();
        bool sawDrop = false;
        for (const QString& line : lines) {
            const QStringList cells = line.split(QLatin1Char('\t'));
            ASSERT_EQ(cells.size(), header.size());
            const double volume = *frenchNumber(cells[0]);
            sawDrop = sawDrop || std::abs(volume - 4.05) < 1e-9;
            in.pouredVolume = float(volume);
            model::PresentAmounts present{};
            model::computeAmounts(1, in, present);
            // Hidden, no cell gives n0 (0,1 mmol) away: the oxalic acid before the
            // equivalence (8 mL, 0,04 mmol of permanganate), what it made from the equivalence
            // on (x_E = n0/5), the permanganate left past it; what is used up (0) is shown.
            const bool before = volume<8 - 1e-9, after = volume> 8 + 1e-9;
            const std::map<int, bool> secret{{model::Entry::H2C2O4, before},
                                             {model::Entry::MnO4, after},
                                             {model::Entry::CO2, !before},
                                             {model::Entry::Mn2, !before}};
            for (const auto& [entry, column] : presentColumn) {
                const std::optional<double> read = frenchNumber(cells[column]);
                ASSERT_EQ(read.has_value(), !(hidden && secret.at(entry)))
                    << "V = " << volume << " entry " << entry;
                if (!read) continue;
                const double mol = present[entry] / 1000.0;
                EXPECT_NEAR(*read, mol, std::abs(mol) * 5e-4 + 1e-12)
                    << "V = " << volume << " entry " << entry;
            }
        }
        EXPECT_TRUE(sawDrop);
    }
}

} // namespace
