// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading/result_check.h"

#include "french_text.h"
#include "numbers/formats.h"
#include "numbers/reading.h"

#include <cmath>

namespace grading {
namespace {

// x to 12 significant digits: the value a computation by hand finds, without the binary tail
// that a subtraction of close values leaves in the last digits of a double
// (|0,00977 − 0,01037| / 0,0002 gives 3,0000000000000053).
double decimal(double x) {
    return numbers::parseNumberText(numbers::formatSignificant(x, 12)).value_or(x);
}

std::string percent(double fraction) {
    return withUnit(numbers::formatGeneral(100 * fraction), "%");
}

std::string trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

// Why c2 and u(c2) cannot be checked against expected; else fills in the numbers, z and the
// verdict, and gives nothing (a refused check is left as it was).
std::string judge(ResultCheck& check, double c, double u, double expected) {
    if (!std::isfinite(c)) return "La concentration trouvée n'est pas un nombre fini.";
    if (c <= 0) return "La concentration trouvée doit être positive.";
    if (!std::isfinite(u)) return "L'incertitude-type u(c2) n'est pas un nombre fini.";
    if (u == 0)
        return "L'incertitude-type u(c2) est nulle" + std::string(nbsp) +
               ": aucune mesure n'est exacte. Calculer u(c2) à la manière de la classe.";
    if (u < 0) return "L'incertitude-type u(c2) doit être strictement positive.";
    const double relative = decimal(u / c);
    if (relative < lowestRelativeUncertainty)
        return "L'incertitude-type u(c2) est inférieure à " + percent(lowestRelativeUncertainty) +
               " de c2" + std::string(nbsp) +
               ": aucun titrage de la classe n'est aussi précis. Calculer u(c2) à la manière de "
               "la classe.";
    if (relative > highestRelativeUncertainty)
        return std::string(inconclusiveAnswer) + std::string(nbsp) + ": u(c2) dépasse " +
               percent(highestRelativeUncertainty) + " de c2.";
    if (!std::isfinite(expected) || expected <= 0)
        return "Aucune concentration n'est cachée" + std::string(nbsp) +
               ": il n'y a pas de valeur attendue à laquelle comparer le résultat.";
    check.concentration = c;
    check.uncertainty = u;
    // Within the bounds z is a number, unless u(c2) is too small for a double's full
    // precision (1E-320): beyond the doubles is beyond 3 all the same.
    const double z = std::fabs(c - expected) / u;
    if (!std::isfinite(z) || decimal(z) > zShownLimit) {
        check.zText.clear();
        check.compatible = false;
    } else {
        // Rounded as by hand: |0,0104 − 0,01037| / 0,0002 is 0,15 and shown 0,2.
        check.zText = numbers::formatPattern(decimal(z), "0.0");
        check.compatible = *numbers::parseNumberText(check.zText) <= compatibilityLimit;
    }
    return {};
}

} // namespace

Outcome<ResultCheck> checkResult(double concentration, double uncertainty, double expected) {
    ResultCheck check;
    std::string refusal = judge(check, concentration, uncertainty, expected);
    if (!refusal.empty()) return Outcome<ResultCheck>::failure(std::move(refusal));
    check.concentrationText = numbers::formatGeneral(concentration);
    check.uncertaintyText = numbers::formatGeneral(uncertainty);
    return Outcome<ResultCheck>::success(std::move(check));
}

ResultCheck checkTypedResult(std::string_view concentrationText, std::string_view uncertaintyText,
                             double expected) {
    ResultCheck check;
    check.concentrationText = trimmed(concentrationText);
    check.uncertaintyText = trimmed(uncertaintyText);
    const std::optional<double> c = numbers::parseNumberText(check.concentrationText);
    const std::optional<double> u = numbers::parseNumberText(check.uncertaintyText);
    if (check.concentrationText.empty())
        check.refusal = "Taper la concentration c2 trouvée.";
    else if (!c)
        check.refusal =
            "La concentration " + quoted(check.concentrationText) + " n'est pas un nombre.";
    else if (check.uncertaintyText.empty())
        check.refusal = "Taper l'incertitude-type u(c2)" + std::string(nbsp) +
                        ": sans elle, le résultat ne peut pas être comparé à la valeur attendue.";
    else if (!u)
        check.refusal =
            "L'incertitude-type " + quoted(check.uncertaintyText) + " n'est pas un nombre.";
    else
        check.refusal = judge(check, *c, *u, expected);
    return check;
}

std::string zStatement(const ResultCheck& check) {
    if (!check.made()) return {};
    const std::string space(nbsp);
    if (check.zText.empty()) return "z" + space + ">" + space + numbers::formatGeneral(zShownLimit);
    return "z" + space + "=" + space + check.zText;
}

std::string checkLine(const ResultCheck& check) {
    const std::string separator = std::string(nbsp) + "; ";
    if (!check.made())
        return "c2 = " + quoted(check.concentrationText) + separator +
               "u(c2) = " + quoted(check.uncertaintyText) + separator + "vérification refusée. " +
               check.refusal;
    return "c2 = " + withUnit(numbers::formatGeneral(check.concentration), "mol/L") + separator +
           "u(c2) = " + withUnit(numbers::formatGeneral(check.uncertainty), "mol/L") + separator +
           zStatement(check) + ". " + std::string(check.verdict()) + ".";
}

} // namespace grading
