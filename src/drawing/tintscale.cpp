// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/tintscale.h"

#include "drawing/picture.h"

#include <QImage>

#include <cmath>
#include <cstring>

namespace drawing {

namespace {

const QColor black(0, 0, 0);

// The decade marks and labels above one swatch: "10" with the raised exponent -5 .. -1.
// The bullet of a heading, with a space on each side.
void heading(Picture& pic, const QString& text) {
    pic.printRun(QStringLiteral(" "));
    pic.bullet();
    pic.printRun(QStringLiteral(" "));
    pic.printLineEnd(text);
}

void drawDecades(Picture& pic, const QRect& swatch) {
    for (int k = 0; k <= 4; ++k) {
        const int x = swatch.left() + 100 * k;
        pic.line(x, swatch.top() - 5, x, swatch.top() + swatch.height() + 5, black);
        pic.currentX = x - pic.textWidth(QStringLiteral("10")) / 2;
        pic.currentY = swatch.top() - 5 - pic.textHeight(QStringLiteral("W"));
        pic.printRun(QStringLiteral("10"));
        pic.currentY -= 5;
        pic.printLineEnd(QStringLiteral("%1 ").arg(k - 5));
    }
}

} // namespace

TintScaleLayout tintScaleLayout(int panelWidth) {
    const int sliderLeft = (panelWidth - tintSliderWidth) / 2;
    const int swatchLeft = (panelWidth - swatchWidth) / 2;
    return {QRect(sliderLeft, tintSliderTop, tintSliderWidth, tintSliderHeight),
            QRect(swatchLeft, permanganateSwatchTop, swatchWidth, swatchHeight),
            QRect(swatchLeft, diiodeSwatchTop, swatchWidth, swatchHeight)};
}

double swatchConcentration(int x) {
    const int i = 400 - x;
    return std::pow(10.0, -(1 + i / 100.0));
}

void paintSwatch(Picture& swatch, model::Tint tint, int h) {
    const int width = std::min(swatch.width(), swatchWidth);
    const int height = swatch.height();
    if (width <= 0 || height <= 0) return;
    QImage columns(width, height, QImage::Format_RGB32);
    auto* first = reinterpret_cast<QRgb*>(columns.scanLine(0));
    for (int x = 0; x < width; ++x) {
        const model::Rgb c = model::tintColour(tint, swatchConcentration(x), h);
        first[x] = qRgb(c.r, c.g, c.b);
    }
    for (int y = 1; y < height; ++y)
        std::memcpy(columns.scanLine(y), first, sizeof(QRgb) * width);
    swatch.drawImage(0, 0, columns);
}

TintScaleLayout paintTintScalePanel(Picture& pic) {
    pic.restart();

    pic.currentX = 10;
    pic.currentY = 10;
    pic.setBold(true);
    heading(pic, QStringLiteral("Échelles de teintes"));

    pic.setBold(false);
    pic.currentY += 4;
    pic.currentX = 10;
    pic.printRun(QStringLiteral("  Vous pouvez ajuster la teinte de la solution en fonction de "
                                "la concentration (mol · L"));
    pic.superscript(QStringLiteral("-1"), ScriptSet::Note);
    pic.printLineEnd(QStringLiteral(")."));

    const TintScaleLayout layout = tintScaleLayout(pic.width());
    pic.setBold(true);
    pic.currentX = layout.slider.left() - pic.textWidth(QStringLiteral("Clair "));
    pic.currentY = layout.slider.top() + 2;
    pic.printLineEnd(QStringLiteral("Clair"));
    pic.currentX = layout.slider.left() + layout.slider.width();
    pic.currentY = layout.slider.top() + 2;
    pic.printLineEnd(QStringLiteral(" Foncé"));
    pic.setBold(false);

    drawDecades(pic, layout.permanganate);
    drawDecades(pic, layout.diiode);

    pic.setBold(true);
    pic.currentX = 10;
    pic.currentY = 210;
    heading(pic, QStringLiteral("Option"));
    pic.setBold(false);
    return layout;
}

} // namespace drawing
