// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading/student_unknown.h"

#include "model/bench_limits.h"

#include "french_text.h"
#include "grading/student_name.h"
#include "numbers/decimal.h"
#include "numbers/formats.h"
#include "numbers/reading.h"

#include <cmath>

namespace grading {
namespace {

// A value of n significant digits: d0.d1...d(n-1) × 10^exponent, d0 not 0.
struct Digits {
    std::string digits;
    int exponent = 0;
};

double valueOf(const Digits& d) {
    const int last = d.exponent - static_cast<int>(d.digits.size()) + 1;
    return *numbers::parseNumberText(d.digits + "e" + std::to_string(last));
}

// The first n digits of x written with 15 significant digits (the digits a teacher typed).
Digits truncated(double x, int n) {
    numbers::Decimal d = numbers::decompose(x, 15);
    d.digits.resize(static_cast<std::size_t>(n), '0');
    return {d.digits, d.exponent};
}

void stepUp(Digits& d) {
    int i = static_cast<int>(d.digits.size()) - 1;
    while (i >= 0 && d.digits[i] == '9')
        d.digits[i--] = '0';
    if (i >= 0) {
        ++d.digits[i];
    } else {
        d.digits[0] = '1';
        ++d.exponent;
    }
}

void stepDown(Digits& d) {
    int i = static_cast<int>(d.digits.size()) - 1;
    while (d.digits[i] == '0')
        d.digits[i--] = '9';
    --d.digits[i];
    if (d.digits[0] == '0') {
        d.digits.assign(d.digits.size(), '9');
        --d.exponent;
    }
}

// The values of n digits nearest to a positive x from above and from below (each at most one
// step from the truncation of x's digits).
double smallestAtLeast(double x, int n) {
    Digits d = truncated(x, n);
    while (valueOf(d) < x)
        stepUp(d);
    return valueOf(d);
}

double largestAtMost(double x, int n) {
    Digits d = truncated(x, n);
    while (valueOf(d) > x)
        stepDown(d);
    return valueOf(d);
}

std::string boundProblem(double bound, std::string_view which) {
    const std::string subject = "La concentration la plus " + std::string(which);
    if (!std::isfinite(bound)) return subject + " n'est pas un nombre fini.";
    if (bound <= 0) return subject + " doit être positive.";
    if (bound < model::minConcentration || bound > model::maxConcentration)
        return subject + " doit être comprise entre " +
               numbers::formatGeneral(model::minConcentration) + " et " +
               withUnit(numbers::formatGeneral(model::maxConcentration), "mol/L") +
               ", les concentrations que le banc accepte.";
    return {};
}

std::string molar(double c) {
    return withUnit(numbers::formatGeneral(c), "mol/L");
}

} // namespace

std::string rangeProblem(const ConcentrationRange& range) {
    if (range.digits < minDigits || range.digits > maxDigits)
        return "Le nombre de chiffres significatifs doit être un entier de " +
               std::to_string(minDigits) + " à " + std::to_string(maxDigits) + ".";
    if (std::string problem = boundProblem(range.lowest, "basse"); !problem.empty()) return problem;
    if (std::string problem = boundProblem(range.highest, "haute"); !problem.empty())
        return problem;
    if (range.lowest > range.highest)
        return "La concentration la plus basse (" + molar(range.lowest) +
               ") dépasse la plus haute (" + molar(range.highest) + ").";
    if (smallestAtLeast(range.lowest, range.digits) > range.highest)
        return "Aucune concentration à " + std::to_string(range.digits) +
               (range.digits == 1 ? " chiffre significatif" : " chiffres significatifs") +
               " n'est comprise entre " + numbers::formatGeneral(range.lowest) + " et " +
               molar(range.highest) + ".";
    return {};
}

Outcome<double> drawConcentration(const ExerciseUnknown& unknown, std::string_view name) {
    const ConcentrationRange& range = unknown.range;
    if (std::string problem = rangeProblem(range); !problem.empty())
        return Outcome<double>::failure(std::move(problem));
    if (std::string problem = nameProblem(name); !problem.empty())
        return Outcome<double>::failure(std::move(problem));
    const double fraction = keyedFraction(unknown.key, normaliseName(name));
    const double x = range.lowest + fraction * (range.highest - range.lowest);
    double value = *numbers::parseNumberText(numbers::formatSignificant(x, range.digits));
    if (value < range.lowest) value = smallestAtLeast(range.lowest, range.digits);
    if (value > range.highest) value = largestAtMost(range.highest, range.digits);
    return Outcome<double>::success(value);
}

std::string concentrationText(double concentration, const ConcentrationRange& range) {
    return numbers::formatSignificant(concentration, range.digits);
}

} // namespace grading
