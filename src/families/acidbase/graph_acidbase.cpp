// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/acidbase/graph_acidbase.h"

#include "drawing/graph.h"
#include "drawing/picture.h"
#include "drawing/shading.h"
#include "drawing/utf8.h"
#include "model/acidbase/meters.h"
#include "numbers/formats.h"
#include "numbers/reading.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace drawing {

namespace {

namespace ab = model::acidbase;

const QColor darkGrey(128, 128, 128); // palette colour 8

// What a Unicode character of a formula is in the typesetting: its plain character, and
// whether it is an index or a charge.
enum class Script { None, Index, Charge };
struct Glyph {
    QChar plain;
    Script script;
};

Glyph glyph(QChar c) {
    const char16_t u = c.unicode();
    if (u >= 0x2080 && u <= 0x2089) return {QChar(u'0' + (u - 0x2080)), Script::Index};
    switch (u) {
    case 0x2070:
        return {u'0', Script::Charge};
    case 0x00B9:
        return {u'1', Script::Charge};
    case 0x00B2:
        return {u'2', Script::Charge};
    case 0x00B3:
        return {u'3', Script::Charge};
    case 0x207A:
        return {u'+', Script::Charge};
    case 0x207B:
        return {u'-', Script::Charge};
    default:
        break;
    }
    if (u >= 0x2074 && u <= 0x2079) return {QChar(u'4' + (u - 0x2074)), Script::Charge};
    return {c, Script::None};
}

bool brought(std::span<const ab::Share> shares, int particle) {
    return std::any_of(shares.begin(), shares.end(),
                       [particle](const ab::Share& s) { return s.particle == particle; });
}

// The labels under the columns, in the graph's size when they all fit their column, else
// smaller, and on two staggered rows when some are still too wide.
void printLabels(Picture& pic, std::span<const int> particles, int w) {
    std::vector<Runs> labels;
    for (int particle : particles)
        labels.push_back(unicodeFormulaRuns(ab::formula(particle)));
    pic.setBold(false);
    pic.setItalic(false);
    auto fits = [&](ScriptSet set) {
        return std::all_of(labels.begin(), labels.end(),
                           [&](const Runs& runs) { return runsWidth(pic, runs, set) <= w - 4; });
    };
    ScriptSet set = ScriptSet::GraphLabel;
    bool staggered = false;
    if (!fits(set)) {
        set = ScriptSet::Small;
        staggered = !fits(set);
    }
    pic.setFontSize(scriptMetrics(set).baseSize);
    for (std::size_t c = 0; c < labels.size(); ++c) {
        pic.currentX = graphLeft + (c + 0.5) * w - runsWidth(pic, labels[c], set) / 2;
        pic.currentY = graphLabelTop - (staggered ? 2 : 0) + (staggered && c % 2 ? 10 : 0);
        printRuns(pic, labels[c], set);
    }
    pic.setFontSize(8);
}

} // namespace

Runs unicodeFormulaRuns(std::string_view formula) {
    Runs runs;
    Script open = Script::None; // the kind of the run being filled
    QString text;
    auto close = [&] {
        if (text.isEmpty()) return;
        if (open == Script::None) {
            runs.push_back({RunKind::Plain, text});
        } else if (open == Script::Index) {
            runs.push_back({RunKind::Subscript, text});
        } else if (!runs.empty() && runs.back().kind == RunKind::Subscript) {
            runs.back() = Run(RunKind::Stacked, runs.back().text, text);
        } else {
            runs.push_back({RunKind::Superscript, text});
        }
        text.clear();
    };
    for (QChar c : utf8(formula)) {
        const Glyph g = glyph(c);
        if (g.script != open) {
            close();
            open = g.script;
        }
        text += g.plain;
    }
    close();
    return runs;
}

float acidBaseScaleMax(const ab::Preparation& p, bool hidden) {
    if (!ab::isTitration(p.titration)) return 0;
    double max = 0;
    for (const ab::Share& share : ab::titrantShares(ab::titrant(p.titration)))
        max = std::max(max, share.count * p.titrantConcentration * model::buretteCapacity);
    if (!hidden)
        for (const ab::Share& share : ab::sampleShares(p.titration))
            max = std::max(max, share.count * p.sampleConcentration * p.sampleVolume);
    if (!std::isfinite(max) || max > std::numeric_limits<float>::max()) return 0;
    return float(numbers::parseBenchDouble(numbers::formatPattern(max, "0.0E+00")));
}

float drawAcidBaseGraphBackground(Picture& pic, const ab::Preparation& p, bool hidden) {
    const std::span<const int> particles = ab::columns(p.titration);
    const int count = particles.empty() ? 4 : int(particles.size());
    const float max = acidBaseScaleMax(p, hidden);
    graphFrame(pic, count, max);
    printLabels(pic, particles, columnWidth(count));
    pic.keepAsBackground();
    return max;
}

bool drawAcidBaseGraphBars(Picture& pic, const ab::Preparation& p, double pouredVolume,
                           const ab::Mixture& mixture, float max, bool hidden) {
    if (max == 0) return false;
    pic.clear();
    const std::span<const int> particles = ab::columns(p.titration);
    if (particles.empty()) return true;
    const int w = columnWidth(int(particles.size()));
    const int barWidth = w / 2 - 11;
    const double step = 100.0 / barWidth;
    const QImage introducedShade = shadeStrip(Shade::Introduced, barWidth, step, graphZero + 1);
    const QImage presentShade = shadeStrip(Shade::Present, barWidth, step, graphZero + 1);
    pic.paint([&](QPainter& painter) {
        auto bar = [&](int left, double amount, const QImage& shade) {
            const int top = std::clamp(barTop(amount, max), 0, graphZero);
            paintShadedBox(painter, shade, left, top, graphZero, darkGrey);
        };
        for (std::size_t c = 0; c < particles.size(); ++c) {
            const int x0 = graphLeft + int(c) * w;
            if (!hidden || !ab::revealsSample(p.titration, particles[c], true))
                bar(x0 + 8, ab::introducedAmount(p, pouredVolume, particles[c]), introducedShade);
            if (!hidden || !ab::revealsSample(p.titration, particles[c], false))
                bar(x0 + w / 2 + 4, mixture.amount(particles[c]), presentShade);
        }
    });
    return true;
}

QStringList describeAcidBaseColumns(const ab::Preparation& p, double pouredVolume,
                                    const ab::Mixture& mixture, bool hidden) {
    QStringList texts;
    const ab::Titrant titrant = ab::titrant(p.titration);
    for (int particle : ab::columns(p.titration)) {
        const QString name = utf8(ab::formula(particle));
        const bool introducedShown = !hidden || !ab::revealsSample(p.titration, particle, true);
        const bool presentShown = !hidden || !ab::revealsSample(p.titration, particle, false);
        if (!introducedShown && !presentShown) {
            texts << name + QStringLiteral("\u00A0: quantités de matière masquées");
            continue;
        }
        const bool introducedAny = brought(ab::sampleShares(p.titration), particle) ||
                                   brought(ab::titrantShares(titrant), particle);
        QString text = name + QStringLiteral("\u00A0: introduite ");
        text +=
            introducedShown
                ? molText(introducedAny ? ab::introducedAmount(p, pouredVolume, particle) * 0.001
                                        : 0) +
                      QStringLiteral(" mol")
                : QStringLiteral("masquée");
        text += QStringLiteral(", présente ");
        text += presentShown ? molText(mixture.amount(particle) * 0.001) + QStringLiteral(" mol")
                             : QStringLiteral("masquée");
        texts << text;
    }
    return texts;
}

} // namespace drawing
