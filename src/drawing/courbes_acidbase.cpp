// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/courbes_acidbase.h"

#include "drawing/courbes.h"
#include "drawing/graph_acidbase.h"
#include "drawing/picture.h"
#include "drawing/progress_table.h"
#include "model/acidbase/equivalence.h"
#include "model/acidbase/meters.h"
#include "model/acidbase/progress.h"
#include "numbers/formats.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace drawing {

namespace {

namespace ab = model::acidbase;

const QColor darkGrey(128, 128, 128);

constexpr int plotRight = courbesLeft + 25 * courbesPixelsPerMl;
// The curves are drawn through the mixture every this many mL, at the equivalences and at the
// volume poured.
constexpr double curveStep = 0.5;

QRect plotArea() {
    return QRect(QPoint(courbesLeft - 4, courbesTop - 6), QPoint(plotRight + 8, courbesZero + 4));
}

QColor curveColour(int column) {
    return column < 6 ? courbeColour(column) : QColor(100, 100, 100);
}

Runs plain(const QString& text) {
    return {{RunKind::Plain, text}};
}

void append(Runs& runs, const Runs& more) {
    runs.insert(runs.end(), more.begin(), more.end());
}

Runs particleRuns(int particle) {
    return unicodeFormulaRuns(ab::formula(particle));
}

std::array<ab::Term, 4> termsOf(const ab::Reaction& r) {
    return {r.reactants[0], r.reactants[1], r.products[0], r.products[1]};
}

QString reactionLabel(std::size_t r, std::size_t count) {
    return count == 1 ? QStringLiteral("Titrage") : QStringLiteral("Réaction %1").arg(r + 1);
}

ProgressRowTexts rowTexts(const ab::ReactionState& state, bool reached, double n0, bool hidden) {
    ProgressRowTexts row;
    row.progress = progressAmountRuns(reached ? state.progress : model::SampleAffine{}, n0, hidden);
    const std::array<ab::Term, 4> terms = termsOf(state.reaction);
    for (std::size_t i = 0; i < terms.size(); ++i) {
        if (terms[i].coefficient == 0) continue;
        row.amounts[i] =
            ab::isSolvent(terms[i])
                ? plain(QStringLiteral("excès"))
                : progressAmountRuns(reached ? state.reached[i] : state.initial[i], n0, hidden);
    }
    return row;
}

ReactionTexts reactionTexts(const ab::ReactionState& state, double n0, bool hidden, double poured) {
    ReactionTexts texts;
    texts.initial = rowTexts(state, false, n0, hidden);
    texts.reached = rowTexts(state, true, n0, hidden);
    const auto& reactants = state.reaction.reactants;
    if (state.limiting[0] && state.limiting[1]) {
        texts.limiting = plain(QStringLiteral("Équivalence\u00A0: "));
        append(texts.limiting, particleRuns(reactants[0].particle));
        append(texts.limiting, plain(QStringLiteral(" et ")));
        append(texts.limiting, particleRuns(reactants[1].particle));
        append(texts.limiting, plain(QStringLiteral(" épuisés")));
    } else {
        texts.limiting = plain(QStringLiteral("Réactif limitant\u00A0: "));
        append(texts.limiting, particleRuns(reactants[state.limiting[0] ? 0 : 1].particle));
    }
    append(texts.limiting, plain(QStringLiteral(" (V = ") +
                                 QString::fromStdString(numbers::formatPattern(poured, "0.0#")) +
                                 QStringLiteral(" mL)")));
    return texts;
}

void drawLegend(Picture& pic, std::span<const int> particles) {
    for (int c = 0; c < int(particles.size()); ++c) {
        const int top = courbesTop + 15 * c;
        pic.fillBox(courbesLegendLeft, top + 6, courbesLegendLeft + 13, top + 7, curveColour(c));
        pic.currentX = courbesLegendLeft + 18;
        pic.currentY = top;
        printRuns(pic, particleRuns(particles[c]), ScriptSet::Small);
    }
}

} // namespace

void majcourbesAcidBase(Picture& pic, const AcidBaseCourbesInputs& in) {
    // The redox frame with no species: the axes and the scale alone.
    CourbesInputs frame;
    frame.scaleMax = in.scaleMax;
    majcourbes(pic, frame);
    drawLegend(pic, ab::columns(in.preparation.titration));
    const ab::ProgressState state = ab::progressState(in.preparation, 0);
    for (std::size_t r = 0; r < state.reactions.size(); ++r) {
        std::array<Runs, 4> terms;
        const std::array<ab::Term, 4> t = termsOf(state.reactions[r].reaction);
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (t[i].coefficient == 0) continue;
            if (t[i].coefficient != 1) terms[i] = plain(QString::number(t[i].coefficient) + ' ');
            append(terms[i], particleRuns(t[i].particle));
        }
        drawTermsFrame(pic, reactionLabel(r, state.reactions.size()), terms,
                       QStringLiteral("État actuel"),
                       courbesTableTop + progressBlockHeight * int(r));
    }
    pic.setFontSize(8);
    pic.keepAsBackground();
}

bool refcourbesAcidBase(Picture& pic, const AcidBaseCourbesInputs& in) {
    if (in.scaleMax == 0) return false;
    const std::span<const int> particles = ab::columns(in.preparation.titration);
    if (particles.empty()) return false;
    pic.clear(plotArea());

    const double poured = std::clamp(in.pouredVolume, 0.0, double(model::buretteCapacity));
    // The amounts bend sharply at the equivalences only: the grid and these points draw them.
    std::vector<double> volumes;
    for (int k = 0; k * curveStep < poured; ++k)
        volumes.push_back(k * curveStep);
    for (double v : ab::equivalenceVolumes(in.preparation))
        if (v > 0 && v < poured) volumes.push_back(v);
    std::sort(volumes.begin(), volumes.end());
    volumes.push_back(poured);
    std::vector<QPolygonF> curves(particles.size());
    for (double v : volumes) {
        const ab::Mixture m = ab::mixtureAt(in.preparation, v);
        const double x = courbesLeft + courbesPixelsPerMl * v + 0.5;
        for (std::size_t c = 0; c < particles.size(); ++c)
            curves[c] << QPointF(
                x, courbesZero - (courbesZero - courbesTop) * m.amount(particles[c]) / in.scaleMax +
                       0.5);
    }
    pic.paint([&](QPainter& p) {
        p.setClipRect(plotArea());
        const double markerX = curves[0].back().x();
        p.setPen(QPen(darkGrey, 1, Qt::DashLine));
        p.drawLine(QPointF(markerX, courbesTop), QPointF(markerX, courbesZero));
        for (std::size_t c = 0; c < particles.size(); ++c) {
            if (in.hidden && ab::revealsSample(in.preparation.titration, particles[c], false))
                continue;
            const QColor colour = curveColour(int(c));
            p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            p.drawPolyline(curves[c]);
            const QPointF end = curves[c].back();
            p.fillRect(QRectF(std::floor(end.x()) - 2, std::floor(end.y()) - 2, 5, 5), colour);
        }
    });

    const ab::ProgressState state = ab::progressState(in.preparation, poured);
    for (std::size_t r = 0; r < state.reactions.size(); ++r) {
        const int top = courbesTableTop + progressBlockHeight * int(r);
        pic.clear(reactionRowsArea(pic.width(), top));
        drawReactionRows(
            pic, reactionTexts(state.reactions[r], state.sampleAmount, in.hidden, in.pouredVolume),
            top);
    }
    pic.setFontSize(8);
    return true;
}

} // namespace drawing
