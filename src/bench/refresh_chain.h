// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The refresh chain (majtq -> reftq -> niveaubecher) and the paintings of the bench, the
// preparation panel, the tab strip and the side panels: the chain gathers its inputs from the
// controls, the drawing procedures and the family of the titration paint, and the controls move
// where they say. While the window is built the chain is held and draws once, in order. The
// pictures for printing and the copies are drawn afresh at their scale.

#include "bench/bench_state.h"
#include "bench/controls.h"
#include "bench/parts.h"
#include "drawing/bench_drawing.h"
#include "drawing/courbes.h"
#include "drawing/graph.h"
#include "exercises/exercise_area.h"
#include "families/family.h"
#include "files/ui/situation_bench.h"
#include "files/unknown_sample.h"
#include "model/amounts.h"
#include "model/colour_words.h"
#include "model/measurements.h"
#include "printing/bench_pictures.h"
#include <QEvent>
#include <QSize>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTextEdit;
class QToolButton;

namespace drawing {
class PictureBox;
}
namespace exercises {
class ExerciseMenu;
class FormatBar;
} // namespace exercises

namespace bench {

class RefreshChain {
public:
    explicit RefreshChain(Parts& parts) : p_(parts), c_(parts.c) {}

    void Onglets_MouseUp(int x, int y);

    // ---- Refresh chain and paintings ----
    void majtq();

    void reftq();

    void niveaubecher();

    void imafond();

    void fond01();

    void prepasol();

    void Frame2_Paint();

    void Onglets_Paint();

    void paintSideTabs(); // once: the tint scales painted, the curves' tab placed

    // The "Courbes" tab: refcourbes draws the curves and the progress table at the poured
    // volume, and first their static part when the inputs changed since; it does nothing
    // while the tab is not shown.
    void refcourbes();

    int flaskX() const { return flaskX_; }

    // The tab of the side panel: 1 the graph, 2 the tint scales, 3 the curves.
    int currentTab() const { return currentTab_; }

    void showInformation();

    // printing::BenchPictures: printing and the clipboard copies.
    QImage benchImage(qreal scale, bool withValues);

    QImage graphImage(qreal scale);

    QImage courbesImage(qreal scale);

    std::string tableText(std::string_view separator, std::string_view lineEnd);

    printing::ReportFacts reportFacts();

    void markCourbesStale() { courbesStale_ = true; }

    void paintScales() { Frame2_Paint(); }

    // The inputs of the liquids' painting, gathered from the controls; ratio is the device
    // pixel ratio of the picture they are painted into.
    drawing::LevelInputs levelInputs(qreal ratio) const;

    drawing::BenchControls benchControls() const;

    int currentTab_ = 1;

    bool courbesStale_ = true; // the static part of the curves must be drawn again

    bool graphBuilt_ = false; // majtq has run

    int flaskX_ = 50;

    int liquidTop_ = 155;

    std::array<std::int16_t, 6> tabEdges_{}; // boundaries of the tabs, from the tab strip

    bool sideTabsPainted_ = false; // paintSideTabs has run

    // While the window is built and started, the refresh chain is held: each of its steps
    // notes what it would draw, and releaseDrawing() draws it once, in the order the pictures
    // are laid (backgrounds, panel, graph, then the levels over the bench and the panel).
    enum HeldDrawing : unsigned {
        HeldPanelBackground = 1u, // fond01
        HeldBenchBackground = 2u, // imafond
        HeldPanel = 4u,           // prepasol
        HeldGraph = 8u,           // majtq
        HeldAmounts = 16u,        // reftq
        HeldLevels = 32u,         // niveaubecher
    };

    // True, and the drawing noted, while the chain is held.
    bool held(HeldDrawing step);

    void holdDrawing() { drawingHeld_ = true; }

    void releaseDrawing();

    void drawBenchBackground(); // imafond without its refresh of the amounts

    bool drawingHeld_ = false;

    unsigned heldDrawing_ = 0;

    int levelsDrawn_ = 0; // niveaubecher's drawings, for releaseDrawing

    Parts& p_;
    Controls& c_;
};

} // namespace bench
