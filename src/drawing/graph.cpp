// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/graph.h"

#include "drawing/graphlabels.h"
#include "drawing/picture.h"
#include "drawing/progress_table.h"
#include "drawing/shading.h"
#include "model/catalogue.h"
#include "model/progress.h"
#include "numbers/formats.h"
#include "numbers/reading.h"
#include "numbers/rounding.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace drawing {

namespace {

const QColor black(0, 0, 0);
const QColor lightGrey(192, 192, 192); // palette colour 7
const QColor darkGrey(128, 128, 128);  // palette colour 8

// The legend: two shaded swatches of 16 columns and their texts, along y = 255..270.
void drawLegend(Picture& pic) {
    const double step = 100.0 / 15;
    pic.paint([&](QPainter& p) {
        paintShadedBox(p, shadeStrip(Shade::Introduced, 16, step, 16), 50, 255, 270, darkGrey);
        paintShadedBox(p, shadeStrip(Shade::Present, 16, step, 16), 250, 255, 270, darkGrey);
    });
    pic.currentX = 70;
    pic.currentY = 255;
    pic.printRun(QStringLiteral("quantité de matière introduite"));
    pic.currentX = 270;
    pic.currentY = 255;
    pic.printRun(QStringLiteral("quantité de matière présente"));
}

void drawScale(Picture& pic, int right, float max) {
    const double halfDigit = pic.textHeight(QStringLiteral("8")) / 2;
    for (int i = 0; i <= 10; ++i) {
        const int y = graphTop + 20 * i;
        pic.line(graphLeft, y, right, y, lightGrey);
        const QString label = scaleLabel(max, i);
        pic.currentX = 69 - pic.textWidth(label);
        pic.currentY = y - halfDigit;
        pic.printRun(label);
    }
}

// An amount in mol as the scale writes it: three significant figures at most.
QString molText(double amount) {
    const double rounded = numbers::parseBenchDouble(numbers::formatPattern(amount, "0.00E+00"));
    return QString::fromStdString(numbers::formatGeneral(rounded));
}

} // namespace

int columnCount(int species) {
    // With no species the frame keeps the four columns of a direct titration.
    const auto columns = model::graphColumns(species);
    return columns.empty() ? 4 : int(columns.size());
}

int columnWidth(int columnCount) {
    return numbers::nearest(360.0 / columnCount);
}

float scaleMax(int species, const model::BenchInputs& in, GraphSecret secret) {
    const model::Introduced n = model::introducedAmounts(species, in);
    float max = 0;
    for (const model::ScaleCandidate& candidate : model::scaleCandidates(species)) {
        if (secret == GraphSecret::Exercise && candidate.amount == model::ScaleAmount::Titrated)
            continue;
        // A candidate that a single cannot hold (an absurd value read from a file) is left
        // out: the others give the scale.
        const double c = model::scaleCandidateAmount(candidate, n, in);
        if (std::isfinite(c) && c <= std::numeric_limits<float>::max() && c > max) max = float(c);
    }
    return float(numbers::parseBenchDouble(numbers::formatPattern(max, "0.0E+00")));
}

QString scaleLabel(float scaleMax, int i) {
    return molText(double(scaleMax) * 0.001 * (10 - i) / 10);
}

int barTop(double amount, float scaleMax) {
    return numbers::nearest(graphZero - graphHeight * amount / scaleMax);
}

float majtq(Picture& pic, int species, const model::BenchInputs& in, GraphSecret secret) {
    const int count = columnCount(species);
    const int w = columnWidth(count);
    const float max = scaleMax(species, in, secret);
    graphFrame(pic, count, max);

    const auto columns = model::graphColumns(species);
    for (int c = 0; c < int(columns.size()); ++c)
        printGraphLabel(pic, model::entryFormula(columns[c].presentEntry),
                        graphLeft + (c + 0.5) * w, graphLabelTop);
    pic.setFontSize(8);

    pic.keepAsBackground();
    return max;
}

QStringList describeColumns(int species, const model::BenchInputs& in,
                            const model::PresentAmounts& present, bool hidden) {
    const model::Introduced introduced = model::introducedAmounts(species, in);
    const model::ProgressTable table = model::progressTable(species, in);
    // An amount written with n0 when it depends on it, else as the scale writes it.
    auto amount = [&](double millimoles, const model::SampleAffine& form) {
        if (hidden && form.dependsOnSample()) {
            const QString text = runsText(progressAmountRuns(form, table.sampleAmount, true));
            // "n₀" alone is an amount; "n₀ − 5,00·10⁻⁵" mixes it with a number of mol.
            return std::fabs(form.constant) > 0 ? text + QStringLiteral(" mol") : text;
        }
        return molText(millimoles * 0.001) + QStringLiteral(" mol");
    };
    QStringList texts;
    for (const model::GraphColumn& column : model::graphColumns(species)) {
        const bool sample = column.introduced == model::IntroducedBar::Titrated;
        const QString introducedText =
            amount(model::introducedBarAmount(column.introduced, introduced),
                   model::SampleAffine{0, sample ? 1.0 : 0.0});
        const QString presentText =
            amount(present[column.presentEntry], table.present[column.presentEntry]);
        texts << graphLabelText(model::entryFormula(column.presentEntry)) +
                     QStringLiteral("\u00A0: introduite ") + introducedText +
                     QStringLiteral(", présente ") + presentText;
    }
    return texts;
}

bool reftq(Picture& pic, int species, const model::BenchInputs& in, float max,
           model::PresentAmounts& present, GraphSecret secret) {
    if (max == 0) return false;
    pic.clear();
    model::computeAmounts(species, in, present);
    const auto columns = model::graphColumns(species);
    if (columns.empty()) return true;

    const model::Introduced introduced = model::introducedAmounts(species, in);
    const int w = columnWidth(columnCount(species));
    const int barWidth = w / 2 - 11;
    const double step = 100.0 / barWidth;
    const QImage introducedShade = shadeStrip(Shade::Introduced, barWidth, step, graphZero + 1);
    const QImage presentShade = shadeStrip(Shade::Present, barWidth, step, graphZero + 1);

    std::array<bool, model::Entry::count> kept{};
    if (secret == GraphSecret::Exercise) kept = model::followsFromSample(species, in);
    // All the bars with one painter: this runs at every tick of the flow.
    pic.paint([&](QPainter& p) {
        auto bar = [&](int left, double amount, const QImage& shade) {
            const int top = std::clamp(barTop(amount, max), 0, graphZero);
            paintShadedBox(p, shade, left, top, graphZero, darkGrey);
        };
        for (int c = 0; c < int(columns.size()); ++c) {
            const int x0 = graphLeft + c * w;
            if (secret == GraphSecret::None ||
                columns[c].introduced != model::IntroducedBar::Titrated)
                bar(x0 + 8, model::introducedBarAmount(columns[c].introduced, introduced),
                    introducedShade);
            if (secret == GraphSecret::None || !kept[columns[c].presentEntry])
                bar(x0 + w / 2 + 4, present[columns[c].presentEntry], presentShade);
        }
    });
    return true;
}

void graphFrame(Picture& pic, int count, float max) {
    pic.restart();
    const int w = columnWidth(count);
    const int right = graphLeft + count * w;
    for (int i = 0; i <= count; ++i)
        pic.line(graphLeft + i * w, graphTop, graphLeft + i * w, graphZero, black);
    pic.line(graphLeft, 10, graphLeft, graphZero, black);
    pic.line(69, 16, graphLeft, 10, black);
    pic.line(75, 16, graphLeft, 10, black);
    pic.currentX = 80;
    pic.currentY = 5;
    pic.setItalic(true);
    pic.printRun(QStringLiteral("n"));
    pic.setItalic(false);
    pic.printRun(QStringLiteral(" (mol)"));
    drawLegend(pic);
    drawScale(pic, right, max);
}

} // namespace drawing
