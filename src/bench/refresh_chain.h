// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The refresh chain (majtq -> reftq -> niveaubecher) and the paintings of the bench, the
// preparation panel (fond01, prepasol), the tab strip and the side panels: the chain gathers its
// inputs from the controls, the drawing procedures and the family of the titration paint, and
// the controls move where they say. While the window is built and started the chain is held:
// each step notes what it would draw, and releaseDrawing() draws it once, in the order the
// pictures are laid. The pictures for printing and the copies are drawn afresh at their scale.

#include "bench/controls.h"
#include "bench/parts.h"
#include "drawing/bench_drawing.h"
#include "printing/report_facts.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace bench {

class RefreshChain {
public:
    explicit RefreshChain(Parts& parts) : p_(parts), c_(parts.c) {}

    // ---- The chain ----
    // The graph's fixed part, then reftq.
    void majtq();
    // The graph's bars at the poured volume, then niveaubecher.
    void reftq();
    // The liquids, the flask and the stream over the bench and the panel.
    void niveaubecher();
    // The fixed bench (stand, burette, stirrer, the titrant's text), then reftq.
    void imafond();
    // The panel's gradient, and the panel with its controls placed.
    void fond01();
    void prepasol();
    // The "Courbes" tab at the poured volume, and first its static part when the inputs changed
    // since; nothing while the tab is not shown.
    void refcourbes();
    void markCourbesStale() { courbesStale_ = true; }

    // ---- The side panel ----
    // The tab strip, and the tab chosen: 1 the graph, 2 the scales ("Affichage"), 3 the curves.
    void Onglets_Paint();
    void Onglets_MouseUp(int x, int y);
    void showTab(int tab);
    int currentTab() const { return currentTab_; }
    const std::array<std::int16_t, 6>& tabEdges() const { return tabEdges_; }
    // The scale panel.
    void Frame2_Paint();
    void paintScales() { Frame2_Paint(); }
    // Once: the scales painted, the curves' tab placed (the first tab hides them).
    void paintSideTabs();
    // The text area's welcome.
    void showInformation();

    // ---- Holding the chain while the window is built ----
    void holdDrawing() { drawingHeld_ = true; }
    void releaseDrawing();

    // The inputs of the liquids' painting, gathered from the controls; ratio is the device
    // pixel ratio of the picture they are painted into.
    drawing::LevelInputs levelInputs(qreal ratio) const;
    int flaskX() const { return flaskX_; }
    // The falling drop at its place for an animation step (1 to 4).
    void drawDrop(int step);

    // ---- Printing and the copies ----
    QImage benchImage(qreal scale, bool withValues);
    QImage graphImage(qreal scale);
    QImage courbesImage(qreal scale);
    std::string tableText(std::string_view separator, std::string_view lineEnd);
    printing::ReportFacts reportFacts();

private:
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
    void drawBenchBackground(); // imafond without its refresh of the amounts
    drawing::BenchControls benchControls() const;

    Parts& p_;
    Controls& c_;
    int currentTab_ = 1;
    bool courbesStale_ = true; // the static part of the curves must be drawn again
    bool graphBuilt_ = false;  // majtq has run
    int flaskX_ = 50;
    int liquidTop_ = 155;
    std::array<std::int16_t, 6> tabEdges_{}; // boundaries of the tabs, from the tab strip
    bool sideTabsPainted_ = false;           // paintSideTabs has run
    bool drawingHeld_ = false;
    unsigned heldDrawing_ = 0;
    int levelsDrawn_ = 0; // niveaubecher's drawings, for releaseDrawing
};

} // namespace bench
