// SPDX-License-Identifier: GPL-3.0-or-later
// The measured curve's texts: the line under the plot that gives the equivalence found, and
// the curve and that result in words for what is read rather than seen.
#include "drawing/progress_table.h"
#include "families/acidbase/measured_curve.h"
#include "numbers/formats.h"

#include <algorithm>
#include <cmath>

namespace drawing {

namespace {

namespace ab = model::acidbase;

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// The equivalence volume a method finds, as the burette is read: "9,95".
QString burette(double mL) {
    return text(ab::equivalenceVolumeText(mL));
}

// A volume of a measurement: "12,5", "10,05", "0".
QString volume(double mL) {
    return text(numbers::formatGeneral(std::round(mL * 100) / 100));
}

// A reading as its meter shows it: a pH with two decimals, σ with three figures.
QString reading(Reading r, double value) {
    return r == Reading::PH ? text(numbers::formatPattern(value, "0.00"))
                            : text(numbers::formatSignificant(value, 3));
}

QString unit(Reading r) {
    return r == Reading::PH ? QString() : QStringLiteral("\u00A0mS·cm⁻¹");
}

// What a method lacks to give the equivalence.
QString lack(const MeasuredCurveInputs& in, const ab::MethodResult& result) {
    switch (in.method.method) {
    case ab::Method::Derivative:
        return QStringLiteral("Dérivée\u00A0: trois mesures au moins sont nécessaires.");
    case ab::Method::ParallelTangents:
        return result.tangents
                   ? QStringLiteral("Tangentes\u00A0: un point de contact de chaque côté du saut.")
                   : QStringLiteral("Tangentes\u00A0: deux mesures au moins sont nécessaires.");
    case ab::Method::TwoLines:
        return QStringLiteral("Deux droites\u00A0: deux mesures au moins de chaque côté.");
    case ab::Method::None:
        break;
    }
    return {};
}

// The course of the curve in a sentence: from its first value to its last, through the
// lowest or highest one when it turns there.
QString course(const MeasuredCurveInputs& in, const std::vector<ab::Point>& curve) {
    const QString name = in.reading == Reading::PH ? QStringLiteral("le pH")
                         : in.dilutionCorrected    ? QStringLiteral("σ corrigé")
                                                   : QStringLiteral("σ");
    const Reading r = in.reading;
    const ab::Point& first = curve.front();
    const ab::Point& last = curve.back();
    const auto [low, high] =
        std::minmax_element(curve.begin(), curve.end(), [](const ab::Point& a, const ab::Point& b) {
            return a.value < b.value;
        });
    const double span = high->value - low->value;
    auto says = [](double from, double to) {
        return to > from ? QStringLiteral("croît") : QStringLiteral("décroît");
    };
    // A turn: an inner extreme that stands clear of both ends.
    for (const auto* turn : {&*low, &*high}) {
        if (turn == &first || turn == &last) continue;
        if (std::fabs(turn->value - first.value) < span / 10 ||
            std::fabs(turn->value - last.value) < span / 10)
            continue;
        return name + QLatin1Char(' ') + says(first.value, turn->value) + QStringLiteral(" de ") +
               reading(r, first.value) + QStringLiteral(" à ") + reading(r, turn->value) + unit(r) +
               QStringLiteral(" jusqu'à ") + volume(turn->volume) +
               QStringLiteral("\u00A0mL, puis ") + says(turn->value, last.value) +
               QStringLiteral(" jusqu'à ") + reading(r, last.value) + unit(r);
    }
    if (first.value == last.value)
        return name + QStringLiteral(" reste à ") + reading(r, first.value) + unit(r);
    return name + QLatin1Char(' ') + says(first.value, last.value) + QStringLiteral(" de ") +
           reading(r, first.value) + QStringLiteral(" à ") + reading(r, last.value) + unit(r);
}

} // namespace

Runs equivalenceName(std::size_t index, std::size_t count) {
    return {{RunKind::Plain, QStringLiteral("V"), {}, true},
            {RunKind::Subscript,
             count > 1 ? QStringLiteral("E") + QString::number(index + 1) : QStringLiteral("E")}};
}

Runs resultRuns(const MeasuredCurveInputs& in, const ab::MethodResult& result) {
    if (in.method.method == ab::Method::None) return {};
    if (!result.equivalence) return {{RunKind::Plain, lack(in, result)}};
    // Each equivalence found, in order: "V_E1 = 11,20 mL ; V_E2 = 22,40 mL (méthode ...)".
    Runs runs;
    const std::size_t count = result.equivalences.size();
    for (std::size_t k = 0; k < count; ++k) {
        if (k > 0) runs.push_back({RunKind::Plain, QStringLiteral("\u00A0; ")});
        for (Run& run : equivalenceName(k, count))
            runs.push_back(std::move(run));
        runs.push_back({RunKind::Plain, QStringLiteral(" = ") +
                                            burette(result.equivalences[k].volume) +
                                            QStringLiteral("\u00A0mL")});
    }
    runs.push_back({RunKind::Plain,
                    QStringLiteral(" (") + methodName(in.method.method) + QStringLiteral(")")});
    return runs;
}

QString measuredCurveWords(const MeasuredCurveInputs& in) {
    const std::vector<ab::Point> curve = shownPoints(in);
    const Reading r = in.reading;
    const QString title = r == Reading::PH       ? QStringLiteral("pH = f(V)")
                          : in.dilutionCorrected ? QStringLiteral("σ corrigé de la dilution = f(V)")
                                                 : QStringLiteral("σ = f(V)");
    if (curve.empty()) return title + QStringLiteral("\u00A0: aucune mesure pour l'instant.");
    QString words =
        title + QStringLiteral(", ") +
        (curve.size() == 1 ? QStringLiteral("une mesure")
                           : QString::number(curve.size()) + QStringLiteral(" mesures"));
    if (curve.size() == 1)
        return words + QStringLiteral(" à ") + volume(curve.front().volume) +
               QStringLiteral("\u00A0mL\u00A0: ") +
               (r == Reading::PH ? QStringLiteral("pH ") : QStringLiteral("σ = ")) +
               reading(r, curve.front().value) + unit(r) + QLatin1Char('.');
    words += QStringLiteral(" de ") + volume(curve.front().volume) + QStringLiteral(" à ") +
             volume(curve.back().volume) + QStringLiteral("\u00A0mL\u00A0: ") + course(in, curve) +
             QLatin1Char('.');

    const std::vector<ab::Point> slopes = ab::derivativePoints(curve);
    std::size_t k = 0; // where it varies fastest: the jump, when the curve has reached it
    for (std::size_t i = 1; i < slopes.size(); ++i)
        if (std::fabs(slopes[i].value) > std::fabs(slopes[k].value)) k = i;
    if (r == Reading::PH && slopes.size() >= 2 && slopes[k].value != 0) {
        words += QStringLiteral(" Il varie le plus vite entre ") + volume(curve[k].volume) +
                 QStringLiteral(" et ") + volume(curve[k + 1].volume) +
                 QStringLiteral("\u00A0mL, de ") + reading(r, curve[k].value) +
                 QStringLiteral(" à ") + reading(r, curve[k + 1].value) + QLatin1Char('.');
        if (showsDerivative(in))
            words += QStringLiteral(" La dérivée dpH/dV y atteint ") +
                     text(numbers::formatSignificant(slopes[k].value, 3)) +
                     QStringLiteral("\u00A0mL⁻¹.");
    }

    const ab::MethodResult result = ab::applyMethod(curve, in.method);
    if (in.method.method == ab::Method::ParallelTangents && result.tangents)
        words += QStringLiteral(" Tangentes parallèles aux points de contact de ") +
                 volume(result.tangents->first.volume) + QStringLiteral(" et ") +
                 volume(result.tangents->second.volume) + QStringLiteral("\u00A0mL.");
    if (in.method.method == ab::Method::TwoLines)
        words +=
            QStringLiteral(" Droites ajustées sur les mesures de ") +
            volume(std::min(in.method.before.from, in.method.before.to)) + QStringLiteral(" à ") +
            volume(std::max(in.method.before.from, in.method.before.to)) +
            QStringLiteral("\u00A0mL et de ") +
            volume(std::min(in.method.after.from, in.method.after.to)) + QStringLiteral(" à ") +
            volume(std::max(in.method.after.from, in.method.after.to)) +
            QStringLiteral("\u00A0mL.");
    if (result.equivalence) {
        // V_E1, V_E2 when there are several; the derivative's extrema said to be maxima on a
        // rising curve, minima on a falling one.
        const std::size_t count = result.equivalences.size();
        words += (count > 1 ? QStringLiteral(" Équivalences par la ")
                            : QStringLiteral(" Équivalence par la ")) +
                 methodName(in.method.method) + QStringLiteral("\u00A0: ");
        for (std::size_t k = 0; k < count; ++k) {
            const ab::Point& e = result.equivalences[k];
            words += (k > 0 ? QStringLiteral("\u00A0; ") : QString()) + QStringLiteral("VE") +
                     (count > 1 ? QString::number(k + 1) : QString()) + QStringLiteral(" = ") +
                     burette(e.volume) + QStringLiteral("\u00A0mL, ") +
                     (r == Reading::PH ? QStringLiteral("pH ") : QStringLiteral("σ = ")) +
                     reading(r, e.value) + unit(r);
        }
        if (in.method.method == ab::Method::Derivative)
            words +=
                QStringLiteral(" (") +
                (count > 1
                     ? (result.minimum ? QStringLiteral("minimums") : QStringLiteral("maximums"))
                     : (result.minimum ? QStringLiteral("minimum") : QStringLiteral("maximum"))) +
                QStringLiteral(" de dpH/dV)");
        words += QLatin1Char('.');
    } else if (in.method.method != ab::Method::None) {
        words += QLatin1Char(' ') + lack(in, result);
    }
    return words;
}

QString methodName(model::acidbase::Method m) {
    switch (m) {
    case model::acidbase::Method::Derivative:
        return QStringLiteral("méthode de la dérivée");
    case model::acidbase::Method::ParallelTangents:
        return QStringLiteral("méthode des tangentes parallèles");
    case model::acidbase::Method::TwoLines:
        return QStringLiteral("méthode des deux droites");
    case model::acidbase::Method::None:
        break;
    }
    return {};
}

} // namespace drawing
