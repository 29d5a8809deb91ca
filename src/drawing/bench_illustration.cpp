// SPDX-License-Identifier: GPL-3.0-or-later
// The static layer of the bench: gradient, stand and clamp, burette with its scale and tap,
// magnetic stirrer, and the text that describes the solution in the burette.

#include "drawing/bench_drawing.h"
#include "drawing/utf8.h"
#include "model/catalogue.h"
#include "numbers/rounding.h"

#include <QPainter>

#include <array>
#include <string_view>

namespace drawing {

using numbers::nearest;

QColor paletteColour(int n) {
    static constexpr std::array<QRgb, 16> palette = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    return QColor(palette[std::size_t(n) & 15]);
}

QColor benchGradientColour(int i, int h) {
    const double t = h > 0 ? double(i) / h : 0.0;
    return QColor(255, nearest(t * 55 + 200), nearest(t * 100 + 155));
}

namespace {

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor lightGrey = paletteColour(7);
const QColor darkGrey = paletteColour(8);

constexpr int xs = 20; // the stand's rod

void gradient(Picture& pic, int shift) {
    const int h = pic.height();
    for (int i = 0; i <= h; ++i)
        pic.line(0, pic.height() - h + i + shift, pic.width() - 1, pic.height() - h + i + shift,
                 benchGradientColour(i, h));
}

void stand(Picture& pic, int x0) {
    pic.fillBox(xs - 4, 70, xs, 480, lightGrey);
    pic.box(xs - 4, 70, xs, 480, black);
    pic.line(xs - 3, 71, xs - 3, 480, white);
    pic.line(xs - 1, 71, xs - 1, 480, darkGrey);
    pic.fillBox(xs - 16, 480, xs + 12, 482, black);
    pic.fillBox(xs - 16, 483, xs - 12, 484, black);
    pic.fillBox(xs + 8, 483, xs + 12, 484, black);
    // The clamp: arm, jaw and screw.
    pic.fillBox(xs - 15, 150, x0 + 34, 154, lightGrey);
    pic.box(xs - 15, 150, x0 + 34, 154, black);
    pic.line(xs - 14, 151, x0 + 33, 151, white);
    pic.line(xs - 14, 153, x0 + 33, 153, darkGrey);
    pic.fillBox(x0 + 23, 147, x0 + 42, 157, lightGrey);
    pic.box(x0 + 23, 147, x0 + 42, 157, black);
    pic.box(x0 + 25, 147, x0 + 40, 157, QColor(150, 150, 150));
    pic.line(x0 + 24, 148, x0 + 24, 157, white);
    pic.line(x0 + 41, 148, x0 + 41, 157, white);
    pic.circle(xs - 2, 152, 5, black, &lightGrey);
}

void buretteBody(Picture& pic, int x0) {
    // Flared top.
    pic.line(x0 + 38, 15, x0 + 45, 8, lightGrey);
    pic.line(x0 + 39, 15, x0 + 46, 8, darkGrey);
    pic.line(x0 + 18, 8, x0 + 48, 8, black);
    pic.line(x0 + 19, 9, x0 + 47, 9, white);
    pic.line(x0 + 25, 15, x0 + 40, 15, lightGrey);
    pic.line(x0 + 18, 8, x0 + 25, 15, black);
    pic.line(x0 + 20, 9, x0 + 27, 15, white);
    pic.line(x0 + 40, 15, x0 + 47, 8, black);
    // Tube walls with their shading.
    pic.line(x0 + 25, 15, x0 + 25, 310, black);
    pic.line(x0 + 40, 15, x0 + 40, 310, black);
    pic.line(x0 + 39, 15, x0 + 39, 310, darkGrey);
    pic.line(x0 + 38, 15, x0 + 38, 310, lightGrey);
    // Tip and the cone above it.
    pic.box(x0 + 31, 320, x0 + 34, 350, black);
    pic.line(x0 + 32, 321, x0 + 32, 349, white);
    pic.line(x0 + 33, 321, x0 + 33, 349, darkGrey);
    pic.line(x0 + 27, 310, x0 + 32, 320, white);
    pic.line(x0 + 26, 310, x0 + 31, 320, black);
    pic.line(x0 + 37, 310, x0 + 32, 320, lightGrey);
    pic.line(x0 + 38, 310, x0 + 33, 320, darkGrey);
    pic.line(x0 + 39, 310, x0 + 34, 320, black);
}

// 10 pixels per mL, the mark of v mL at y = 30 + 10 v.
void buretteScale(Picture& pic, int x0) {
    for (int k = 0; k <= 250; k += 2)
        if (k % 10 != 0) pic.line(x0 + 30, 30 + k, x0 + 36, 30 + k, darkGrey);
    pic.setFontName(QStringLiteral("Arial"));
    pic.setFontSize(5);
    pic.setForeColor(black);
    for (int v = 0; v <= 25; ++v) {
        const int y = 30 + 10 * v;
        if (v % 5 != 0) {
            pic.line(x0 + 25, y, x0 + 40, y, darkGrey);
            continue;
        }
        pic.line(x0 + 25, y, x0 + 30, y, darkGrey);
        pic.line(x0 + 35, y, x0 + 40, y, darkGrey);
        const QString number = QString::number(v);
        pic.currentX = x0 + 33 - pic.textWidth(number) / 2;
        pic.currentY = y - pic.textHeight(number) / 2;
        pic.printRun(number);
    }
    pic.line(x0 + 27, 15, x0 + 27, 310, white);
}

void tapBody(Picture& pic, int x0, int yt) {
    pic.fillBox(x0 + 20, yt + 50, x0 + 45, yt + 56, white);
    pic.line(x0 + 20, yt + 55, x0 + 45, yt + 55, darkGrey);
    pic.line(x0 + 20, yt + 54, x0 + 45, yt + 54, lightGrey);
    pic.box(x0 + 20, yt + 50, x0 + 45, yt + 56, black);
}

void stirrer(Picture& pic, int x0) {
    pic.fillBox(x0 - 12, 461, x0 + 78, 484, QColor(0, 100, 200));
    pic.box(x0 - 12, 461, x0 + 78, 484, black);
    pic.circle(x0 + 3, 473, 8, white);
    pic.circle(x0 + 3, 473, 5, white, &black);
    const QColor pilot = paletteColour(12);
    pic.circle(x0 + 72, 467, 2, white, &pilot);
}

void titrantDescription(Picture& pic, model::TitrantFamily titrant) {
    constexpr auto set = ScriptSet::Small;
    switch (titrant) {
    case model::TitrantFamily::Thiosulfate:
        pic.printLineEnd(QStringLiteral("Solution aqueuse de thiosulfate de"));
        pic.currentX = 8;
        pic.currentY += 2;
        pic.printRun(QStringLiteral("sodium ( 2Na"));
        pic.superscript(QStringLiteral("+"), set);
        pic.printRun(QStringLiteral(" + S"));
        pic.subscript(QStringLiteral("2"), set);
        pic.printRun(QStringLiteral("O"));
        pic.stackedScripts(QStringLiteral("3"), QStringLiteral("2-"), set);
        pic.printLineEnd(QStringLiteral(" )."));
        break;
    case model::TitrantFamily::Diiode:
        pic.printRun(QStringLiteral("Solution aqueuse de diiode ( I"));
        pic.subscript(QStringLiteral("2"), set);
        pic.printLineEnd(QStringLiteral(" )."));
        break;
    case model::TitrantFamily::Permanganate:
        pic.printLineEnd(QStringLiteral("Solution aqueuse de permanganate"));
        pic.currentX = 8;
        pic.currentY += 2;
        pic.printRun(QStringLiteral("de potassium ( K"));
        pic.superscript(QStringLiteral("+"), set);
        pic.printRun(QStringLiteral(" + MnO"));
        pic.stackedScripts(QStringLiteral("4"), QStringLiteral("-"), set);
        pic.printLineEnd(QStringLiteral(" )."));
        break;
    case model::TitrantFamily::None:
        break;
    }
}

// An italic quantity symbol with its index, as on the bench: "c" and "1" 6 pixels lower.
void quantity(Picture& pic, const QString& symbol, const QString& index) {
    pic.setFontSize(10);
    pic.setItalic(true);
    pic.printRun(symbol);
    pic.setItalic(false);
    pic.subscript(index, ScriptSet::Large);
    pic.printRun(QStringLiteral(" = "));
}

// The text block beside the burette; returns the places of the box and the read-out.
void textBlock(Picture& pic, int species, const BenchControls& controls, BenchTextLayout& out,
               const TitrantText& titrantText) {
    pic.setScaleLeft(-110);
    pic.setForeColor(black);
    pic.setFontName(QStringLiteral("Arial"));
    pic.setFontSize(10);
    pic.setBold(true);
    pic.setItalic(false);
    pic.currentX = 0;
    pic.currentY = 18;
    pic.printLineEnd(QStringLiteral("Dans la burette"));

    pic.setFontSize(8);
    pic.setBold(false);
    pic.currentX = 8;
    pic.currentY += 4;
    if (titrantText)
        titrantText(pic);
    else
        titrantDescription(pic, model::titrantFamily(species));

    pic.currentX = 8;
    pic.currentY += 9;
    pic.bullet();
    pic.printLineEnd(QStringLiteral(" Concentration en soluté apporté\u00A0:"));
    pic.currentX = 17;
    pic.currentY += 6;
    quantity(pic, QStringLiteral("c"), QStringLiteral("1"));
    out.titrantBox = QPoint(nearest(pic.currentX - pic.scaleLeft()), nearest(pic.currentY - 3));
    pic.currentX += controls.titrantBoxWidth;
    pic.printRun(QStringLiteral(" mol \u00B7 L"));
    pic.superscript(QStringLiteral("-1"), ScriptSet::Large);

    pic.setFontSize(8);
    pic.currentX = 8;
    pic.currentY += 27;
    pic.bullet();
    pic.printLineEnd(QStringLiteral(" Volume de solution versée\u00A0: "));
    pic.currentX = 17;
    pic.currentY += 6;
    quantity(pic, QStringLiteral("V"), QStringLiteral("1"));
    out.volumeLabel = QPoint(nearest(pic.currentX - pic.scaleLeft()), nearest(pic.currentY));
    pic.lineEnd();
    pic.lineEnd();

    pic.setFontSize(8);
    pic.setBold(true);
    for (const std::string_view line : model::titrantNote(species)) {
        pic.currentX = 0;
        pic.printLineEnd(utf8(line));
    }
    pic.setScaleLeft(0);

    // The starch box's own label, grey while starch has no use; none for a family that
    // describes its own titrant, where no titration uses starch.
    out.starchEnabled = model::involvesDiiode(species);
    pic.setBold(false);
    if (titrantText) return;
    pic.setForeColor(out.starchEnabled ? black : lightGrey);
    pic.currentX = controls.starchBox.left() + controls.starchBox.width();
    pic.currentY = controls.starchBox.top();
    pic.printLineEnd(QStringLiteral(" Ajouter du thiodène\u00AE"));
    pic.setForeColor(black);
}

} // namespace

BenchTextLayout imafond(Picture& pic, int species, const BenchControls& controls,
                        const TitrantText& titrantText) {
    BenchTextLayout out;
    const int x0 = out.flaskX;
    pic.restart();
    gradient(pic, 0);
    stand(pic, x0);
    buretteBody(pic, x0);
    buretteScale(pic, x0);
    constexpr int yt = 245;
    tapBody(pic, x0, yt);
    out.tapImage = QPoint(x0 + 46, yt + 38);
    out.liquidTop = initialLiquidTop;
    stirrer(pic, x0);
    textBlock(pic, species, controls, out, titrantText);
    pic.keepAsBackground();
    return out;
}

void fond01(Picture& panel, int width, int height) {
    if (panel.width() != width || panel.height() != height) panel.resize(width, height);
    panel.restart();
    gradient(panel, -2);
    panel.keepAsBackground();
}

void paintWindowBackground(QPainter& painter, QRect supertextRect, QRect fichRect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i <= 600; ++i) {
        const int c = nearest(255 - 55.0 * i / 600);
        painter.fillRect(QRect(0, i, 801, 1), QColor(c, c, nearest(255 - 75.0 * i / 600)));
    }
    painter.fillRect(QRect(QPoint(supertextRect.left() + 3, fichRect.top() + 3),
                           QPoint(supertextRect.left() + supertextRect.width() + 3,
                                  supertextRect.top() + supertextRect.height() + 3)),
                     paletteColour(8));
    painter.restore();
}

} // namespace drawing
