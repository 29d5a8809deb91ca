// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/refresh_chain.h"

#include "bench/feuillep.h"

#include "bench/widgets.h"
#include "drawing/bench_drawing.h"
#include "drawing/graph.h"
#include "drawing/information.h"
#include "drawing/tabs.h"
#include "drawing/tintscale.h"
#include "drawing/utf8.h"
#include "drawing/widgets/picturebox.h"
#include "files/unknown_sample.h"
#include "model/catalogue.h"
#include "numbers/formats.h"
#include "numbers/reading.h"
#include "printing/bench_overlay.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <utility>

namespace bench {

namespace {

const QString designText = QStringLiteral("Text1");

void place(QWidget* w, const drawing::ControlPlace& p) {
    w->move(p.topLeft);
    w->setVisible(p.visible);
}

// Gives a picture box a new size; true when it changed (its drawing is then lost).
bool resizePicture(drawing::PictureBox* box, const QRect& r) {
    box->move(r.topLeft());
    if (box->picture().width() == r.width() && box->picture().height() == r.height()) return false;
    box->setPictureSize(r.width(), r.height());
    return true;
}

} // namespace

namespace {

// The start value of the concentration to find, which takes the student's place when the
// exercise ends.
const QString startSample = QStringLiteral("0,01");

using drawing::utf8;

} // namespace

bool RefreshChain::held(HeldDrawing step) {
    if (!drawingHeld_) return false;
    heldDrawing_ |= step;
    return true;
}

void RefreshChain::releaseDrawing() {
    if (!drawingHeld_) return;
    drawingHeld_ = false;
    unsigned pending = std::exchange(heldDrawing_, 0u);
    const int levels = levelsDrawn_;
    if (pending & HeldPanelBackground) fond01();
    if (pending & HeldBenchBackground) {
        drawBenchBackground();
        pending |= HeldAmounts;
    }
    if (pending & HeldPanel) prepasol();
    if (pending & HeldGraph)
        majtq();
    else if (pending & HeldAmounts)
        reftq();
    if ((pending & HeldLevels) && levelsDrawn_ == levels) niveaubecher();
}

void RefreshChain::majtq() {
    if (held(HeldGraph)) return;
    if (p_.setUp.text(0) == designText) return;
    p_.setUp.rewriteLabelvol();
    p_.state.scaleMax = p_.window.family().drawGraph(c_.tabquant->picture());
    graphBuilt_ = true;
    c_.tabquant->refresh();
    courbesStale_ = true;
    reftq();
    p_.speech.updateSituationNames();
}

void RefreshChain::reftq() {
    if (held(HeldAmounts)) return;
    if (p_.window.family().refreshGraph(c_.tabquant->picture(), p_.state.scaleMax,
                                        p_.state.presentAmounts)) {
        c_.tabquant->refresh();
        p_.speech.updateGraphParts();
        refcourbes();
    } else {
        // Before the first majtq nothing is drawn.
        if (!graphBuilt_) return;
        p_.window.family().keepAmounts(p_.state.presentAmounts);
    }
    niveaubecher();
}

void RefreshChain::refcourbes() {
    if (c_.tabcourbes->isHidden()) return;
    families::Family& shown = p_.window.family();
    for (const auto& f : p_.window.families().all())
        if (f.get() != &shown) f->leaveCourbes();
    shown.drawCourbes(courbesStale_);
}

drawing::LevelInputs RefreshChain::levelInputs(qreal ratio) const {
    drawing::LevelInputs in;
    in.initialised = p_.setUp.text(4) != designText;
    in.species = p_.setUp.species();
    const model::BenchInputs bench = p_.setUp.benchInputs();
    in.pouredVolume = bench.pouredVolume;
    in.sampleVolume = bench.sampleVolume;
    in.iodineVolume = bench.iodineVolume;
    in.iodideVolume = bench.iodideVolume;
    in.titrantConcentration = bench.titrantConcentration;
    in.starch = c_.Check1->isChecked();
    in.tintSlider = c_.HScroll1->value();
    in.presentAmounts = p_.state.presentAmounts;
    in.tapOpen = c_.Timer1.isActive();
    // The tap as shown, unless the picture is wanted at another density (copies, printing):
    // nothing is drawn again at each tick of the flow.
    in.tapImage = ratio == c_.Image3->picture().devicePixelRatio()
                      ? c_.Image3->picture()
                      : drawing::tapPicture(p_.run.tapOpen(), ratio);
    in.tapPosition = c_.Image3->pos();
    in.panelVisible = !c_.Picture4->isHidden();
    in.flaskX = flaskX_;
    in.liquidTop = liquidTop_;
    in.content = p_.window.family().flask();
    return in;
}

void RefreshChain::niveaubecher() {
    if (held(HeldLevels)) return;
    ++levelsDrawn_;
    liquidTop_ = drawing::niveaubecher(c_.picburette->picture(), &c_.Picture4->picture(),
                                       levelInputs(p_.window.devicePixelRatioF()));
    c_.picburette->refresh();
    c_.Picture4->refresh();
    p_.speech.updateBenchParts();
}

drawing::BenchControls RefreshChain::benchControls() const {
    drawing::BenchControls controls;
    controls.titrantBoxWidth = c_.Text1[1]->width();
    controls.starchBox = c_.Check1->geometry();
    return controls;
}

void RefreshChain::imafond() {
    if (held(HeldBenchBackground)) return;
    drawBenchBackground();
    reftq();
}

void RefreshChain::drawBenchBackground() {
    const drawing::BenchTextLayout layout =
        drawing::imafond(c_.picburette->picture(), p_.setUp.species(), benchControls(),
                         p_.window.family().titrantText());
    c_.Text1[1]->move(layout.titrantBox);
    c_.Labelvol->move(layout.volumeLabel);
    c_.Image3->move(layout.tapImage);
    c_.Check1->setEnabled(layout.starchEnabled);
    c_.Check1->setVisible(p_.window.family().offersStarch());
    flaskX_ = layout.flaskX;
    liquidTop_ = layout.liquidTop;
    c_.picburette->refresh();
}

void RefreshChain::fond01() {
    if (held(HeldPanelBackground)) return;
    drawing::fond01(c_.Picture4->picture(), c_.picburette->picture().width(),
                    c_.picburette->picture().height());
    c_.Picture4->refresh();
}

void RefreshChain::prepasol() {
    if (held(HeldPanel)) return;
    drawing::PanelInputs in;
    in.species = p_.setUp.species();
    in.hideConcentration = p_.state.sampleHidden;
    in.sampleBoxWidth = c_.Text1[0]->width();
    in.reagentBoxWidth = c_.Text1[2]->width();
    in.iodideBoxWidth = c_.Text1[3]->width();
    const drawing::PanelLayout layout = drawing::prepasol(c_.Picture4->picture(), in);
    place(c_.ions1, layout.ions1);
    place(c_.Text1[0], layout.sampleBox);
    c_.Command5->move(layout.randomButton.topLeft);
    place(c_.Label1, layout.revealLabel);
    place(c_.Combo1, layout.sampleVolume);
    place(c_.Text1[2], layout.reagentBox);
    place(c_.Text1[3], layout.iodideBox);
    place(c_.Combo2, layout.iodineVolume);
    for (const auto& f : p_.window.families().all())
        f->placePanel();
    c_.Picture4->refresh();
    p_.window.placeListLabels();
    p_.window.updateFocusChain();
}

void RefreshChain::Frame2_Paint() {
    p_.window.family().paintScales();
}

void RefreshChain::Onglets_Paint() {
    int& current = currentTab_;
    const drawing::TabStrip strip = drawing::paintTabStrip(c_.Onglets->picture(), current);
    current = strip.currentTab;
    for (std::size_t i = 0; i < tabEdges_.size(); ++i)
        tabEdges_[i] = strip.tabEdges[i];
    c_.Onglets->refresh();
    p_.speech.updateTabParts();
    if (!strip.child) return;
    if (current != 1) paintSideTabs();
    if (current == 1) {
        c_.Frame2->hide();
        c_.tabcourbes->hide();
        if (resizePicture(c_.tabquant, *strip.child)) majtq();
        c_.tabquant->show();
    } else if (current == 2) {
        c_.tabquant->hide();
        c_.tabcourbes->hide();
        if (resizePicture(c_.Frame2, *strip.child)) Frame2_Paint();
        c_.Frame2->show();
    } else if (current == 3) {
        c_.tabquant->hide();
        c_.Frame2->hide();
        if (resizePicture(c_.tabcourbes, *strip.child)) courbesStale_ = true;
        c_.tabcourbes->show();
        // Drawn only while shown: what changed meanwhile is drawn now.
        courbesStale_ = true;
        refcourbes();
    }
}

void RefreshChain::paintSideTabs() {
    if (sideTabsPainted_) return;
    sideTabsPainted_ = true;
    // The three tabs share the place of the quantities' graph.
    const QRect place = c_.tabquant->geometry();
    resizePicture(c_.Frame2, place);
    Frame2_Paint();
    resizePicture(c_.tabcourbes, place);
    courbesStale_ = true;
}

void RefreshChain::Onglets_MouseUp(int x, int y) {
    const std::optional<int> tab = drawing::tabAt(x, y, tabEdges_);
    if (!tab || *tab == currentTab_) return;
    showTab(*tab);
}

void RefreshChain::showTab(int tab) {
    currentTab_ = tab;
    Onglets_Paint();
}

void RefreshChain::showInformation() {
    c_.supertext_->hide();
    c_.supertext_->clear();
    c_.supertext_->setReadOnly(true);
    c_.supertext_->setDocumentTitle(QString());
    drawing::writeInformation(*c_.supertext_->document());
    c_.supertext_->setTextCursor(QTextCursor(c_.supertext_->document()));
    c_.supertext_->show();
}

// Copies and printouts redraw the pictures at the scale they are wanted at, so that a page
// gets the detail of the printer rather than an enlarged screen bitmap. The screen pictures
// are left as they are.
QImage RefreshChain::benchImage(qreal scale, bool withValues) {
    const drawing::Picture& screen = c_.picburette->picture();
    drawing::Picture pic(screen.width(), screen.height(), scale);
    drawing::imafond(pic, p_.setUp.species(), benchControls(), p_.window.family().titrantText());
    drawing::LevelInputs in = levelInputs(scale);
    in.panelVisible = false;
    in.liquidTop = 155;
    drawing::niveaubecher(pic, nullptr, in);
    QImage image = pic.image().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    if (withValues) {
        printing::BenchValues values;
        values.concentration = p_.setUp.text(1);
        values.concentrationBox = c_.Text1[1]->geometry();
        values.reading = c_.Labelvol->text();
        values.readingTopLeft = c_.Labelvol->pos();
        printing::drawBenchValues(image, scale, values);
    }
    return image;
}

QImage RefreshChain::courbesImage(qreal scale) {
    return p_.window.family().courbesImage(scale);
}

std::string RefreshChain::tableText(std::string_view separator, std::string_view lineEnd) {
    return p_.window.family().tableText(separator, lineEnd);
}

QImage RefreshChain::graphImage(qreal scale) {
    return p_.window.family().graphImage(scale);
}

printing::ReportFacts RefreshChain::reportFacts() {
    printing::ReportFacts facts;
    p_.window.family().report(facts);

    if (const auto& work = p_.state.exercise.work) {
        facts.student = work->name;
        facts.exerciseTitle = work->title;
        facts.equivalenceVolume = work->equivalenceVolume;
        // Every check, refused ones too; the last one made proposes the result.
        const grading::ResultCheck* lastMade = nullptr;
        for (const grading::ResultCheck& check : work->checks) {
            facts.checks << QString::fromStdString(grading::checkLine(check));
            if (check.made())
                lastMade = &check;
            else
                ++facts.refusedChecks;
        }
        if (lastMade) {
            facts.concentration =
                QString::fromStdString(numbers::formatGeneral(lastMade->concentration));
            facts.uncertainty =
                QString::fromStdString(numbers::formatGeneral(lastMade->uncertainty));
        }
    }
    return facts;
}

void RefreshChain::drawDrop(int step) {
    drawing::drawDrop(c_.picburette->picture(), step, liquidTop_, c_.Image1->picture());
    c_.picburette->refresh();
}

} // namespace bench
