// SPDX-License-Identifier: GPL-3.0-or-later
// The dynamic layer of the bench: the titrant left in the burette, the liquid in the flask,
// the flask drawn over it, the stream while the tap is open, and the falling drop.

#include "drawing/bench_drawing.h"
#include "model/catalogue.h"
#include "model/colour.h"
#include "numbers/rounding.h"

#include <algorithm>
#include <cmath>

namespace drawing {

using numbers::nearest;

namespace {

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);

QColor toQColor(const model::Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

// The burette's titrant: a column down to the tap, then the tip narrowing two rows at a time.
// Drawn in mask-pen so that the glass shading shows through the tint.
void buretteLiquid(Picture& bench, int x0, float vb, const QColor& tint) {
    bench.setPenMode(PenMode::Mask);
    // A volume read from a file may lie beyond the scale: the column stays inside the tube.
    const int top = std::clamp<int>(nearest(26 + 10.0 * vb), 26, 294);
    bench.fillBox(x0 + 26, top, x0 + 39, 294, tint);
    bench.fillBox(x0 + 26, 302, x0 + 39, 309, tint);
    for (int k = 0; k < 5; ++k)
        bench.box(x0 + 27 + k, 310 + 2 * k, x0 + 38 - k, 311 + 2 * k, tint);
    bench.box(x0 + 32, 320, x0 + 33, 349, tint);
    bench.setPenMode(PenMode::Copy);
}

// The meniscus: its lowest point lies on the mark of the volume poured.
void meniscus(Picture& bench, int x0, float vb) {
    const int y = nearest(10.0 * vb);
    bench.line(x0 + 28, y + 27, x0 + 37, y + 27, paletteColour(7));
    bench.line(x0 + 25, y + 26, x0 + 40, y + 26, paletteColour(8));
    bench.arc(x0 + 32, y + 23, 7, 3.34, 6.08, black);
}

void flaskOutline(Picture& pic, int x0) {
    pic.setPenMode(PenMode::Copy);
    pic.box(x0 + 23, 370, x0 + 43, 390, black);
    pic.line(x0 + 23, 390, x0 - 7, 450, black);
    pic.line(x0 + 43, 390, x0 + 73, 450, black);
    pic.line(x0 - 7, 450, x0 - 7, 460, black);
    pic.line(x0 + 73, 450, x0 + 73, 460, black);
    pic.line(x0 - 6, 460, x0 + 73, 460, black);
    const QColor dark = paletteColour(8);
    pic.line(x0 + 42, 371, x0 + 42, 390, dark);
    pic.line(x0 + 42, 390, x0 + 72, 450, dark);
    pic.line(x0 + 72, 450, x0 + 72, 460, dark);
    pic.line(x0 - 6, 459, x0 + 73, 459, dark);
    pic.line(x0 + 24, 371, x0 + 43, 371, white);
    pic.line(x0 + 26, 371, x0 + 26, 390, white);
    pic.line(x0 + 24, 390, x0 + 43, 390, white);
    pic.line(x0 + 26, 390, x0 - 4, 450, white);
    pic.line(x0 - 4, 450, x0 - 4, 459, white);
}

// The colour of the flask's liquid: the one its family gives when it fills the flask its own
// way, else the tint of the catalogue's coloured species present; none for a colourless liquid.
std::optional<QColor> liquidColour(const LevelInputs& in, double volume) {
    if (in.content.shown) {
        if (!in.content.tint) return std::nullopt;
        return toQColor(*in.content.tint);
    }
    if (const auto tint = model::beakerTint(in.presentAmounts, volume, in.starch))
        return toQColor(model::tintColour(tint->tint, tint->concentration, in.tintSlider));
    return std::nullopt;
}

void surface(Picture& pic, int x0, int liquidTop) {
    pic.setPenMode(PenMode::Copy);
    const auto [left, right] = flaskRow(x0, liquidTop);
    pic.line(left, liquidTop, right, liquidTop, black);
}

} // namespace

double flaskVolume(const LevelInputs& in) {
    double v = in.sampleVolume;
    switch (model::reagentVolumeInput(in.species)) {
    case model::ReagentVolumeInput::IodineVolume:
        v += in.iodineVolume;
        break;
    case model::ReagentVolumeInput::IodideVolume:
        v += in.iodideVolume;
        break;
    case model::ReagentVolumeInput::None:
        break;
    }
    v += in.content.addedVolume;
    v += in.pouredVolume;
    return std::max(0.0, v);
}

int liquidSurface(double volume) {
    // The bench holds at most 50 mL (row 400); a volume read from a file may be anything, and
    // the liquid then fills the flask up to the top of its neck, never the bench above it.
    constexpr int neckTop = 370;
    return std::max<int>(neckTop, nearest(459 - std::pow(std::max(0.0, volume), 1.5) / 6));
}

std::pair<int, int> flaskRow(int flaskX, int y) {
    if (y >= 451) return {flaskX - 6, flaskX + 73};
    const int w = nearest((y - 390) / 2.0 + 10);
    return {flaskX + 33 - w, flaskX + 33 + w};
}

int niveaubecher(Picture& bench, Picture* panel, const LevelInputs& in) {
    if (!in.initialised) return in.liquidTop;
    const int x0 = in.flaskX;
    bench.setScaleLeft(0);
    bench.setLineWidth(1);
    bench.setPenMode(PenMode::Copy);
    bench.clear();

    // The panel leaves a strip of the bench visible at the bottom left: repaint its gradient.
    if (panel && in.panelVisible) {
        const int h = bench.height();
        for (int i = 365; i <= h; ++i)
            bench.line(0, bench.height() - h + i, 35, bench.height() - h + i,
                       benchGradientColour(i, h));
    }

    const double volume = flaskVolume(in);
    const float vb = in.pouredVolume;
    const int liquidTop = liquidSurface(volume);

    if (const auto tint = model::buretteTint(in.species, in.titrantConcentration))
        buretteLiquid(bench, x0, vb,
                      toQColor(model::tintColour(tint->tint, tint->concentration, in.tintSlider)));
    meniscus(bench, x0, vb);

    if (const std::optional<QColor> c = liquidColour(in, volume)) {
        for (int y = 460; y >= liquidTop; --y) {
            const auto [left, right] = flaskRow(x0, y);
            bench.line(left, y, right, y, *c);
        }
    }

    surface(bench, x0, liquidTop);
    if (panel) {
        // The panel keeps its text and glassware; only its flask is redrawn, so that a
        // change of volume while it is shown leaves no old surface behind.
        panel->setScaleLeft(0);
        panel->clear(QRect(QPoint(x0 - 7, 370), QPoint(x0 + 73, 460)));
        surface(*panel, x0, liquidTop);
        flaskOutline(*panel, x0);
    }
    if (in.content.shown && in.content.paintInside) in.content.paintInside(bench, x0);
    flaskOutline(bench, x0);

    if (in.tapOpen) {
        const QColor stream = paletteColour(8);
        bench.fillBox(x0 + 32, 351, x0 + 33, 369, stream);
        bench.fillBox(x0 + 32, 372, x0 + 33, 389, stream);
        bench.fillBox(x0 + 32, 391, x0 + 33, liquidTop, stream);
    }

    if (!in.tapImage.isNull()) bench.drawImage(in.tapPosition.x(), in.tapPosition.y(), in.tapImage);
    return liquidTop;
}

std::optional<QPoint> dropPosition(int dropStep, int liquidTop) {
    switch (dropStep) {
    case 1:
        return QPoint(75, 348);
    case 2:
        return QPoint(75, nearest(348 + (liquidTop - 364) / 5.0));
    case 3:
        return QPoint(75, nearest((liquidTop + 332) / 2.0));
    case 4:
        return QPoint(75, liquidTop - 16);
    default:
        return std::nullopt;
    }
}

void drawDrop(Picture& bench, int dropStep, int liquidTop, const QImage& drop) {
    const auto at = dropPosition(dropStep, liquidTop);
    if (!at || drop.isNull()) return;
    bench.setPenMode(PenMode::Copy);
    bench.drawImage(at->x(), at->y(), drop);
}

} // namespace drawing
