// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the window's first picture is the whole start-up state (the preparation panel open),
// and the tabs that the first one hides are painted after that picture, or as soon as one of
// them is chosen.
#include "fixture.h"

#include "drawing/tintscale.h"
#include "model/colour.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

#include <optional>
#include <vector>

namespace {

using benchtest::BenchTest;

// The tint-scale tab painted, whichever way it came to be: in the place of the graph, its two
// scales showing the colour law at the slider's start position (the values of the tint scale
// tests), and the decade marks above the permanganate scale.
void expectTintScalesPainted(const bench::FeuilleP& w) {
    EXPECT_EQ(controlsOf(w).Frame2->geometry(), controlsOf(w).tabquant->geometry());
    EXPECT_EQ(controlsOf(w).HScroll1->value(), drawing::tintSliderStart);
    struct Row {
        const char* name;
        const drawing::PictureBox* swatch;
        int x;
        QColor colour;
    };
    const Row rows[] = {
        {"permanganate 1E-04", controlsOf(w).PictureMnO4, 100, QColor(217, 142, 217)},
        {"permanganate 0,1", controlsOf(w).PictureMnO4, 400, QColor(106, 0, 106)},
        {"diiode 0,01", controlsOf(w).PictureI2, 300, QColor(217, 142, 30)},
    };
    for (const Row& r : rows)
        EXPECT_EQ(r.swatch->picture().pixel(r.x, drawing::swatchHeight / 2), r.colour) << r.name;
    for (int k = 0; k <= 4; ++k)
        EXPECT_EQ(
            controlsOf(w).Frame2->picture().pixel(24 + 100 * k, drawing::permanganateSwatchTop - 5),
            QColor(0, 0, 0))
            << "decade " << k;
}

bool tintScalesPainted(const bench::FeuilleP& w) {
    return controlsOf(w).PictureMnO4->picture().pixel(100, drawing::swatchHeight / 2) ==
           QColor(217, 142, 217);
}

// What the window showed at its first paint.
class FirstPicture : public QObject {
public:
    explicit FirstPicture(bench::FeuilleP& w) : w_(w) { w.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !panelShown) {
            panelShown = controlsOf(w_).Picture4->isVisible();
            buttonText = controlsOf(w_).Command3->text();
            tintScalesReady = tintScalesPainted(w_);
        }
        return false;
    }
    std::optional<bool> panelShown;
    QString buttonText;
    bool tintScalesReady = false;

private:
    bench::FeuilleP& w_;
};

TEST_F(BenchTest, TheFirstPictureOfTheWindowShowsThePreparationPanel) {
    bench::FeuilleP w;
    FirstPicture first(w);
    w.start();
    // However soon the window system asks for it, the window is painted once it is whole.
    for (int k = 0; k < 50 && !first.panelShown; ++k)
        QApplication::processEvents();
    ASSERT_TRUE(first.panelShown.has_value());
    EXPECT_TRUE(*first.panelShown);
    EXPECT_EQ(first.buttonText, "Simuler le titrage");
    w.hide();
}

TEST_F(BenchTest, TheHiddenTabsArePaintedAfterTheFirstPicture) {
    bench::FeuilleP w;
    FirstPicture first(w);
    w.start();
    for (int k = 0; k < 50 && !tintScalesPainted(w); ++k)
        QApplication::processEvents();
    ASSERT_TRUE(first.panelShown.has_value());
    // The first picture did not wait for them.
    EXPECT_FALSE(first.tintScalesReady);
    EXPECT_EQ(w.chain().currentTab(), 1);
    EXPECT_TRUE(controlsOf(w).Frame2->isHidden());
    expectTintScalesPainted(w);
    // The curves' tab shares the place of the graph and is drawn when it is chosen.
    EXPECT_EQ(controlsOf(w).tabcourbes->geometry(), controlsOf(w).tabquant->geometry());
    w.hide();
}

TEST_F(BenchTest, ATabChosenBeforeTheWindowShowsIsPaintedAtOnce) {
    // The fixture's window is never shown.
    window->chain().Onglets_MouseUp(250, 8);
    ASSERT_EQ(window->chain().currentTab(), 2);
    expectTintScalesPainted(*window);
    // Back on the graph, and on the tint scales again: painted the same.
    window->chain().Onglets_MouseUp(10, 8);
    window->chain().Onglets_MouseUp(250, 8);
    expectTintScalesPainted(*window);
}

TEST_F(BenchTest, TheSliderMovedBeforeTheTabIsShownStillPaintsTheScalesItGives) {
    controlsOf(*window).HScroll1->setValue(drawing::tintSliderMaximum);
    window->chain().Onglets_MouseUp(250, 8);
    ASSERT_EQ(window->chain().currentTab(), 2);
    // The darkest setting: the scales are painted at the slider's value, not its start.
    const model::Rgb dark =
        model::tintColour(model::Tint::Permanganate, 1e-4, drawing::tintSliderMaximum);
    EXPECT_EQ(controlsOf(*window).PictureMnO4->picture().pixel(100, drawing::swatchHeight / 2),
              QColor(dark.r, dark.g, dark.b));
    EXPECT_FALSE(tintScalesPainted(*window));
}

// The program's own start-up draws the pictures once, at the end of start(): the window shows
// what a window built, then started, shows. The labels of the two bottles are scribbled at
// random and left out.
TEST_F(BenchTest, PicturesDrawnOnceAtTheStartAreThoseOfATwoStepStart) {
    auto pictures = [](bench::FeuilleP& w) {
        w.start();
        QImage panel = controlsOf(w).Picture4->picture().image().copy();
        QPainter p(&panel);
        for (const int top : {20, 215})
            p.fillRect(QRect(27, top + 20, 27, 16), Qt::black);
        p.end();
        return std::vector<QImage>{controlsOf(w).picburette->picture().image(), panel,
                                   controlsOf(w).tabquant->picture().image(),
                                   controlsOf(w).Onglets->picture().image()};
    };
    bench::FeuilleP twoSteps;
    bench::FeuilleP atStart(nullptr, bench::FeuilleP::FirstDrawing::WhenStarted);
    const std::vector<QImage> expected = pictures(twoSteps);
    const std::vector<QImage> shown = pictures(atStart);
    const char* names[] = {"bench", "panel", "graph", "tabs"};
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_TRUE(shown[k] == expected[k]) << names[k];
    EXPECT_TRUE(controlsOf(atStart).Picture4->isVisible());
    EXPECT_EQ(controlsOf(atStart).Command3->text(), "Simuler le titrage");
    twoSteps.hide();
    atStart.hide();
}

// The first picture goes out whole and at once: the panel's controls, shown while the window
// was built, are not painted a second time just after it.
TEST_F(BenchTest, TheFirstPictureIsPaintedOnce) {
    bench::FeuilleP w;
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } panel, box;
    controlsOf(w).Picture4->installEventFilter(&panel);
    controlsOf(w).Text1[0]->installEventFilter(&box);
    w.start();
    EXPECT_EQ(panel.paints, 1);
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < 100)
        QApplication::processEvents();
    EXPECT_EQ(panel.paints, 1);
    EXPECT_EQ(box.paints, 1);
    w.hide();
}

// What waits for the first picture is told of it once, whether or not a hidden tab was painted
// before it.
TEST_F(BenchTest, TheFirstPictureIsToldOnce) {
    for (const bool tabChosenFirst : {false, true}) {
        bench::FeuilleP w;
        QSignalSpy told(&w, &bench::FeuilleP::firstPictureShown);
        if (tabChosenFirst) w.chain().Onglets_MouseUp(250, 8);
        w.start();
        for (int k = 0; k < 50 && told.isEmpty(); ++k)
            QApplication::processEvents();
        EXPECT_EQ(told.count(), 1) << tabChosenFirst;
        expectTintScalesPainted(w);
        w.repaint();
        QApplication::processEvents();
        EXPECT_EQ(told.count(), 1) << tabChosenFirst;
        w.hide();
    }
}

} // namespace
