// SPDX-License-Identifier: GPL-3.0-or-later
// The refresh chain (majtq -> reftq -> niveaubecher) and the paintings of the bench, the
// preparation panel and the side panels: the window gathers its inputs from its controls,
// the drawing procedures paint, and the window moves its controls where they say.
#include "bench/feuillep.h"

#include "bench/widgets.h"
#include "drawing/bench_drawing.h"
#include "drawing/graph.h"
#include "drawing/information.h"
#include "drawing/tabs.h"
#include "drawing/tintscale.h"
#include "drawing/widgets/picturebox.h"
#include "printing/bench_overlay.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
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

bool FeuilleP::held(HeldDrawing step) {
    if (!drawingHeld_) return false;
    heldDrawing_ |= step;
    return true;
}

void FeuilleP::releaseDrawing() {
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

void FeuilleP::majtq() {
    if (held(HeldGraph)) return;
    if (text(0) == designText) return;
    rewriteLabelvol();
    scaleMax_ = family().drawGraph(tabquant->picture());
    graphBuilt_ = true;
    tabquant->refresh();
    courbesStale_ = true;
    reftq();
    updateSituationNames();
}

void FeuilleP::reftq() {
    if (held(HeldAmounts)) return;
    if (family().refreshGraph(tabquant->picture(), scaleMax_, presentAmounts_)) {
        tabquant->refresh();
        updateGraphParts();
        refcourbes();
    } else {
        // Before the first majtq nothing is drawn.
        if (!graphBuilt_) return;
        family().keepAmounts(presentAmounts_);
    }
    niveaubecher();
}

void FeuilleP::refcourbes() {
    if (tabcourbes->isHidden()) return;
    families::Family& shown = family();
    for (const auto& f : families_.all())
        if (f.get() != &shown) f->leaveCourbes();
    shown.drawCourbes(courbesStale_);
}

void FeuilleP::updateCourbesParts() {
    family().describeCourbes();
}

drawing::LevelInputs FeuilleP::levelInputs(qreal ratio) const {
    drawing::LevelInputs in;
    in.initialised = text(4) != designText;
    in.species = species();
    const model::BenchInputs bench = benchInputs();
    in.pouredVolume = bench.pouredVolume;
    in.sampleVolume = bench.sampleVolume;
    in.iodineVolume = bench.iodineVolume;
    in.iodideVolume = bench.iodideVolume;
    in.titrantConcentration = bench.titrantConcentration;
    in.starch = Check1->isChecked();
    in.tintSlider = HScroll1->value();
    in.presentAmounts = presentAmounts_;
    in.tapOpen = Timer1.isActive();
    // The tap as shown, unless the picture is wanted at another density (copies, printing):
    // nothing is drawn again at each tick of the flow.
    in.tapImage = ratio == Image3->picture().devicePixelRatio()
                      ? Image3->picture()
                      : drawing::tapPicture(tapOpen_, ratio);
    in.tapPosition = Image3->pos();
    in.panelVisible = !Picture4->isHidden();
    in.flaskX = flaskX_;
    in.liquidTop = liquidTop_;
    in.content = family().flask();
    return in;
}

void FeuilleP::niveaubecher() {
    if (held(HeldLevels)) return;
    ++levelsDrawn_;
    liquidTop_ = drawing::niveaubecher(picburette->picture(), &Picture4->picture(),
                                       levelInputs(devicePixelRatioF()));
    picburette->refresh();
    Picture4->refresh();
    updateBenchParts();
}

drawing::BenchControls FeuilleP::benchControls() const {
    drawing::BenchControls controls;
    controls.titrantBoxWidth = Text1[1]->width();
    controls.starchBox = Check1->geometry();
    return controls;
}

void FeuilleP::imafond() {
    if (held(HeldBenchBackground)) return;
    drawBenchBackground();
    reftq();
}

void FeuilleP::drawBenchBackground() {
    const drawing::BenchTextLayout layout =
        drawing::imafond(picburette->picture(), species(), benchControls(), family().titrantText());
    Text1[1]->move(layout.titrantBox);
    Labelvol->move(layout.volumeLabel);
    Image3->move(layout.tapImage);
    Check1->setEnabled(layout.starchEnabled);
    Check1->setVisible(family().offersStarch());
    flaskX_ = layout.flaskX;
    liquidTop_ = layout.liquidTop;
    picburette->refresh();
}

void FeuilleP::fond01() {
    if (held(HeldPanelBackground)) return;
    drawing::fond01(Picture4->picture(), picburette->picture().width(),
                    picburette->picture().height());
    Picture4->refresh();
}

void FeuilleP::prepasol() {
    if (held(HeldPanel)) return;
    drawing::PanelInputs in;
    in.species = species();
    in.hideConcentration = sampleHidden_;
    in.sampleBoxWidth = Text1[0]->width();
    in.reagentBoxWidth = Text1[2]->width();
    in.iodideBoxWidth = Text1[3]->width();
    const drawing::PanelLayout layout = drawing::prepasol(Picture4->picture(), in);
    place(ions1, layout.ions1);
    place(Text1[0], layout.sampleBox);
    Command5->move(layout.randomButton.topLeft);
    place(Label1, layout.revealLabel);
    place(Combo1, layout.sampleVolume);
    place(Text1[2], layout.reagentBox);
    place(Text1[3], layout.iodideBox);
    place(Combo2, layout.iodineVolume);
    for (const auto& f : families_.all())
        f->placePanel();
    Picture4->refresh();
    placeListLabels();
    updateFocusChain();
}

void FeuilleP::Frame2_Paint() {
    family().paintScales();
}

void FeuilleP::Onglets_Paint() {
    int& current = currentTab_;
    const drawing::TabStrip strip = drawing::paintTabStrip(Onglets->picture(), current);
    current = strip.currentTab;
    for (std::size_t i = 0; i < tabEdges_.size(); ++i)
        tabEdges_[i] = strip.tabEdges[i];
    Onglets->refresh();
    updateTabParts();
    if (!strip.child) return;
    if (current != 1) paintSideTabs();
    if (current == 1) {
        Frame2->hide();
        tabcourbes->hide();
        if (resizePicture(tabquant, *strip.child)) majtq();
        tabquant->show();
    } else if (current == 2) {
        tabquant->hide();
        tabcourbes->hide();
        if (resizePicture(Frame2, *strip.child)) Frame2_Paint();
        Frame2->show();
    } else if (current == 3) {
        tabquant->hide();
        Frame2->hide();
        if (resizePicture(tabcourbes, *strip.child)) courbesStale_ = true;
        tabcourbes->show();
        // Drawn only while shown: what changed meanwhile is drawn now.
        courbesStale_ = true;
        refcourbes();
    }
}

void FeuilleP::paintSideTabs() {
    if (sideTabsPainted_) return;
    sideTabsPainted_ = true;
    // The three tabs share the place of the quantities' graph.
    const QRect place = tabquant->geometry();
    resizePicture(Frame2, place);
    Frame2_Paint();
    resizePicture(tabcourbes, place);
    courbesStale_ = true;
}

void FeuilleP::Onglets_MouseUp(int x, int y) {
    const std::optional<int> tab = drawing::tabAt(x, y, tabEdges_);
    if (!tab || *tab == currentTab_) return;
    currentTab_ = *tab;
    Onglets_Paint();
}

void FeuilleP::showInformation() {
    supertext_->hide();
    supertext_->clear();
    supertext_->setReadOnly(true);
    supertext_->setDocumentTitle(QString());
    drawing::writeInformation(*supertext_->document());
    supertext_->setTextCursor(QTextCursor(supertext_->document()));
    supertext_->show();
}

QImage FeuilleP::tapPicture(bool open) const {
    return drawing::tapPicture(open, devicePixelRatioF());
}

QImage FeuilleP::dropPicture() const {
    return drawing::dropPicture(devicePixelRatioF());
}

void FeuilleP::drawDrop() {
    drawing::drawDrop(picburette->picture(), dropStep_, liquidTop_, Image1->picture());
    picburette->refresh();
}

void FeuilleP::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawing::paintWindowBackground(painter, supertext_->geometry(), fich_->geometry());
    // The window's first whole picture is being painted: the hidden tabs come right after.
    if (started_ && !firstPictureQueued_) {
        firstPictureQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            paintSideTabs();
            emit firstPictureShown();
        });
    }
}

// Copies and printouts redraw the pictures at the scale they are wanted at, so that a page
// gets the detail of the printer rather than an enlarged screen bitmap. The screen pictures
// are left as they are.
QImage FeuilleP::benchImage(qreal scale, bool withValues) {
    const drawing::Picture& screen = picburette->picture();
    drawing::Picture pic(screen.width(), screen.height(), scale);
    drawing::imafond(pic, species(), benchControls(), family().titrantText());
    drawing::LevelInputs in = levelInputs(scale);
    in.panelVisible = false;
    in.liquidTop = 155;
    drawing::niveaubecher(pic, nullptr, in);
    QImage image = pic.image().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    if (withValues) {
        printing::BenchValues values;
        values.concentration = text(1);
        values.concentrationBox = Text1[1]->geometry();
        values.reading = Labelvol->text();
        values.readingTopLeft = Labelvol->pos();
        printing::drawBenchValues(image, scale, values);
    }
    return image;
}

QImage FeuilleP::courbesImage(qreal scale) {
    return family().courbesImage(scale);
}

std::string FeuilleP::tableText(std::string_view separator, std::string_view lineEnd) {
    return family().tableText(separator, lineEnd);
}

QImage FeuilleP::graphImage(qreal scale) {
    return family().graphImage(scale);
}

} // namespace bench
