// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/acidbase/indicator_scale.h"

#include "drawing/picture.h"
#include "drawing/utf8.h"
#include "model/acidbase/indicators.h"
#include "numbers/formats.h"
#include "numbers/rounding.h"

#include <QImage>
#include <QPainter>

#include <cstring>

namespace drawing {

namespace {

namespace ab = model::acidbase;

const QColor black(0, 0, 0);
const QColor grey(128, 128, 128);

QString pHText(double pH) {
    return QString::fromStdString(numbers::formatPattern(pH, "0.0"));
}

void heading(Picture& pic, const QString& text) {
    pic.printRun(QStringLiteral(" "));
    pic.bullet();
    pic.printRun(QStringLiteral(" "));
    pic.printLineEnd(text);
}

int columnOf(const QRect& band, double pH) {
    return band.left() + numbers::nearest(pH * (indicatorScaleWidth - 1) / 14.0);
}

void paintBand(Picture& pic, const QRect& band, int indicator) {
    QImage columns(band.width(), band.height(), QImage::Format_RGB32);
    auto* first = reinterpret_cast<QRgb*>(columns.scanLine(0));
    for (int x = 0; x < band.width(); ++x) {
        const auto c = ab::indicatorColour(indicator, indicatorScalePH(x));
        first[x] = c ? qRgb(c->r, c->g, c->b) : qRgb(255, 255, 255);
    }
    for (int y = 1; y < band.height(); ++y)
        std::memcpy(columns.scanLine(y), first, sizeof(QRgb) * band.width());
    pic.drawImage(band.left(), band.top(), columns);
    pic.box(band.left() - 1, band.top() - 1, band.right() + 1, band.bottom() + 1, black);
}

// A tick every unit of pH under the band, with its number.
void drawAxis(Picture& pic, const QRect& band) {
    pic.setFontSize(8);
    for (int pH = 0; pH <= 14; ++pH) {
        const int x = columnOf(band, pH);
        pic.line(x, band.bottom() + 2, x, band.bottom() + 5, black);
        const QString label = QString::number(pH);
        pic.currentX = x - pic.textWidth(label) / 2;
        pic.currentY = band.bottom() + 6;
        pic.printRun(label);
    }
    // The quantity under the last numbers, within the panel.
    pic.currentX = band.right() - pic.textWidth(QStringLiteral("pH"));
    pic.currentY = band.bottom() + 20;
    pic.printRun(QStringLiteral("pH"));
}

// The zone of colour change: its two limits through the band and a bracket over it, named.
void drawZone(Picture& pic, const QRect& band, const ab::IndicatorFacts& facts) {
    const int left = columnOf(band, facts.zoneLow);
    const int right = columnOf(band, facts.zoneHigh);
    const int top = band.top() - 8;
    pic.paint([&](QPainter& p) {
        p.setPen(QPen(black, 1, Qt::DashLine));
        p.drawLine(left, top, left, band.bottom());
        p.drawLine(right, top, right, band.bottom());
    });
    pic.line(left, top, right, top, black);
    const QString name = QStringLiteral("zone de virage");
    pic.currentX = (left + right) / 2.0 - pic.textWidth(name) / 2;
    pic.currentY = top - pic.textHeight(name) - 1;
    pic.printRun(name);
}

} // namespace

QRect indicatorScaleRect(int panelWidth) {
    return QRect((panelWidth - indicatorScaleWidth) / 2, indicatorScaleTop, indicatorScaleWidth,
                 indicatorScaleHeight);
}

double indicatorScalePH(int x) {
    return 14.0 * x / (indicatorScaleWidth - 1);
}

void paintIndicatorScalePanel(Picture& pic, int indicator) {
    pic.restart();
    pic.currentX = 10;
    pic.currentY = 10;
    pic.setBold(true);
    heading(pic, QStringLiteral("Échelle de teintes de l'indicateur coloré"));
    pic.setBold(false);
    pic.currentY += 4;
    pic.currentX = 10;
    const ab::IndicatorFacts& facts = ab::indicatorFacts(indicator);
    if (!ab::isIndicator(indicator)) {
        pic.printLineEnd(QStringLiteral("  Aucun indicateur coloré n'est ajouté\u00A0: la solution "
                                        "reste incolore."));
    } else {
        pic.printLineEnd(QStringLiteral("  ") + utf8(facts.name) + QStringLiteral("\u00A0: ") +
                         utf8(facts.acidColourName) + QStringLiteral(" en milieu acide, ") +
                         utf8(facts.baseColourName) + QStringLiteral(" en milieu basique."));
        pic.currentX = 10;
        pic.printLineEnd(QStringLiteral("  Zone de virage de pH ") + pHText(facts.zoneLow) +
                         QStringLiteral(" à ") + pHText(facts.zoneHigh) + QStringLiteral("."));
        const QRect band = indicatorScaleRect(pic.width());
        paintBand(pic, band, indicator);
        drawAxis(pic, band);
        drawZone(pic, band, facts);
    }
    pic.setBold(true);
    pic.currentX = 10;
    pic.currentY = 210;
    heading(pic, QStringLiteral("Option"));
    pic.setBold(false);
    pic.keepAsBackground();
}

QString describeIndicatorScale(int indicator) {
    if (!ab::isIndicator(indicator)) return QStringLiteral("Aucun indicateur coloré");
    const ab::IndicatorFacts& f = ab::indicatorFacts(indicator);
    QString name = utf8(f.name);
    name[0] = name[0].toUpper();
    return name + QStringLiteral("\u00A0: ") + utf8(f.acidColourName) +
           QStringLiteral(" jusqu'à pH ") + pHText(f.zoneLow) + QStringLiteral(", ") +
           utf8(f.baseColourName) + QStringLiteral(" à partir de pH ") + pHText(f.zoneHigh) +
           QStringLiteral("\u00A0; zone de virage de ") + pHText(f.zoneLow) +
           QStringLiteral(" à ") + pHText(f.zoneHigh) + QStringLiteral(".");
}

} // namespace drawing
