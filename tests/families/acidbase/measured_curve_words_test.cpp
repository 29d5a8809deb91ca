// SPDX-License-Identifier: GPL-3.0-or-later
// The measured curve and the method's result in words, as a screen reader says them.
#include "families/acidbase/measured_curve.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

namespace ab = model::acidbase;
using drawing::MeasuredCurveInputs;
using drawing::Reading;

MeasuredCurveInputs curve(Reading r, std::vector<ab::Point> points, double poured = 25) {
    MeasuredCurveInputs in;
    in.reading = r;
    in.points = std::move(points);
    in.pouredVolume = poured;
    return in;
}

// A jump by hand: 4 + 0,1·V up to 9 mL, 7 at 10 mL, 10,1 at 11 mL, 10,5 at 15 mL. Its
// steepest segment runs from 10 to 11 mL (3,1 per mL).
const std::vector<ab::Point> jump{{0, 4}, {5, 4.5}, {9, 4.9}, {10, 7}, {11, 10.1}, {15, 10.5}};
// Two jumps by hand, each steepest (2 per mL) between 0,6 per mL on each side: the summits of
// the derivative at 5,5 and 12,5 mL, where the curve reads 5,00 and 8,60.
const std::vector<ab::Point> twoJumps{{0, 3},  {4, 3.4},  {5, 4},    {6, 6},     {7, 6.6},
                                      {11, 7}, {12, 7.6}, {13, 9.6}, {14, 10.2}, {18, 10.6}};
// A falling jump: 11 − 0,1·V, −0,6 and −2 per mL around 5,5 mL, where it reads 9,00.
const std::vector<ab::Point> falling{{0, 11}, {4, 10.6}, {5, 10}, {6, 8}, {7, 7.4}, {11, 7}};
// A conductimetric V: down to 1,74 at 2 mL, then up.
const std::vector<ab::Point> vee{{0, 4.26}, {1, 3.0}, {2, 1.74}, {3, 2.5}, {4, 3.3}};

TEST(MeasuredCurveWords, CurveAndResultSaid) {
    MeasuredCurveInputs derivative = curve(Reading::PH, jump);
    derivative.derivative = true;
    MeasuredCurveInputs tangents = curve(Reading::PH, jump);
    tangents.method.method = ab::Method::ParallelTangents;
    tangents.method.firstContact = 5;
    tangents.method.secondContact = 15;
    MeasuredCurveInputs lines = curve(Reading::Conductivity, vee);
    lines.method.method = ab::Method::TwoLines;
    lines.method.before = {0, 1};
    lines.method.after = {4, 3};
    MeasuredCurveInputs both = curve(Reading::PH, twoJumps);
    both.method.method = ab::Method::Derivative;
    MeasuredCurveInputs down = curve(Reading::PH, falling);
    down.method.method = ab::Method::Derivative;
    MeasuredCurveInputs lacking = curve(Reading::PH, {{0, 3}, {1, 3.5}});
    lacking.method.method = ab::Method::Derivative;
    struct Row {
        const char* name;
        MeasuredCurveInputs in;
        QString words;
    };
    const Row rows[] = {
        {"nothing measured", curve(Reading::PH, {}),
         "pH = f(V)\u00A0: aucune mesure pour l'instant."},
        {"one pH", curve(Reading::PH, {{0, 2.876}}),
         "pH = f(V), une mesure à 0\u00A0mL\u00A0: pH 2,88."},
        {"one conductivity", curve(Reading::Conductivity, {{1.5, 1.234}}),
         "σ = f(V), une mesure à 1,5\u00A0mL\u00A0: σ = 1,23\u00A0mS·cm⁻¹."},
        {"a rising pH and its jump", curve(Reading::PH, jump),
         "pH = f(V), 6 mesures de 0 à 15\u00A0mL\u00A0: le pH croît de 4,00 à 10,50. Il varie le "
         "plus vite entre 10 et 11\u00A0mL, de 7,00 à 10,10."},
        {"with the derivative", derivative,
         "pH = f(V), 6 mesures de 0 à 15\u00A0mL\u00A0: le pH croît de 4,00 à 10,50. Il varie le "
         "plus vite entre 10 et 11\u00A0mL, de 7,00 à 10,10. La dérivée dpH/dV y atteint "
         "3,10\u00A0mL⁻¹."},
        // Tangents of slope 0,1 through (5, 4,5) and (15, 10,5); the parallel halfway, 6,5 +
        // 0,1·V, meets the curve at 10 + 1/6 mL, pH 7,52.
        {"parallel tangents", tangents,
         "pH = f(V), 6 mesures de 0 à 15\u00A0mL\u00A0: le pH croît de 4,00 à 10,50. Il varie le "
         "plus vite entre 10 et 11\u00A0mL, de 7,00 à 10,10. Tangentes parallèles aux points de "
         "contact de 5 et 15\u00A0mL. Équivalence par la méthode des tangentes parallèles\u00A0: "
         "VE = 10,17\u00A0mL, pH 7,52."},
        // 4,26 − 1,26·V and 0,1 + 0,8·V cross at 4,16/2,06 = 2,019 mL, σ = 1,716.
        {"the two lines of a V", lines,
         "σ = f(V), 5 mesures de 0 à 4\u00A0mL\u00A0: σ décroît de 4,26 à 1,74\u00A0mS·cm⁻¹ "
         "jusqu'à 2\u00A0mL, puis croît jusqu'à 3,30\u00A0mS·cm⁻¹. Droites ajustées sur les "
         "mesures de 0 à 1\u00A0mL et de 3 à 4\u00A0mL. Équivalence par la méthode des deux "
         "droites\u00A0: VE = 2,02\u00A0mL, σ = 1,72\u00A0mS·cm⁻¹."},
        {"every jump of the derivative", both,
         "pH = f(V), 10 mesures de 0 à 18\u00A0mL\u00A0: le pH croît de 3,00 à 10,60. Il varie "
         "le plus vite entre 5 et 6\u00A0mL, de 4,00 à 6,00. La dérivée dpH/dV y atteint "
         "2,00\u00A0mL⁻¹. Équivalences par la méthode de la dérivée\u00A0: VE1 = 5,50\u00A0mL, "
         "pH 5,00\u00A0; VE2 = 12,50\u00A0mL, pH 8,60 (maximums de dpH/dV)."},
        {"a falling curve: a minimum", down,
         "pH = f(V), 6 mesures de 0 à 11\u00A0mL\u00A0: le pH décroît de 11,00 à 7,00. Il varie "
         "le plus vite entre 5 et 6\u00A0mL, de 10,00 à 8,00. La dérivée dpH/dV y atteint "
         "-2,00\u00A0mL⁻¹. Équivalence par la méthode de la dérivée\u00A0: VE = 5,50\u00A0mL, "
         "pH 9,00 (minimum de dpH/dV)."},
        {"a method that lacks readings", lacking,
         "pH = f(V), 2 mesures de 0 à 1\u00A0mL\u00A0: le pH croît de 3,00 à 3,50. "
         "Dérivée\u00A0: trois mesures au moins sont nécessaires."},
        {"past the volume poured, nothing", curve(Reading::PH, jump, 10.5),
         "pH = f(V), 4 mesures de 0 à 10\u00A0mL\u00A0: le pH croît de 4,00 à 7,00. Il varie le "
         "plus vite entre 9 et 10\u00A0mL, de 4,90 à 7,00."},
        {"a level curve", curve(Reading::PH, {{0, 7}, {1, 7}, {2, 7}}),
         "pH = f(V), 3 mesures de 0 à 2\u00A0mL\u00A0: le pH reste à 7,00."},
    };
    for (const Row& row : rows)
        EXPECT_EQ(drawing::measuredCurveWords(row.in).toStdString(), row.words.toStdString())
            << row.name;
}

} // namespace
