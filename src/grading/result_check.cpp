// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading/result_check.h"

#include "french_text.h"
#include "numbers/formats.h"
#include "numbers/reading.h"

#include <cmath>

namespace grading {
namespace {

using CheckOutcome = Outcome<ResultCheck>;

// Two decimals below 1000 as shown: 999,996 would be shown "1000,00".
std::string zShown(double z) {
    std::string text = numbers::formatPattern(z, "0.00");
    if (*numbers::parseNumberText(text) >= 1000) text = numbers::formatSignificant(z, 3);
    return text;
}

} // namespace

Outcome<ResultCheck> checkResult(double concentration, double uncertainty, double expected) {
    if (!std::isfinite(concentration))
        return CheckOutcome::failure("La concentration trouvée n'est pas un nombre fini.");
    if (concentration <= 0)
        return CheckOutcome::failure("La concentration trouvée doit être positive.");
    if (!std::isfinite(uncertainty))
        return CheckOutcome::failure("L'incertitude-type u(c2) n'est pas un nombre fini.");
    if (uncertainty <= 0)
        return CheckOutcome::failure("L'incertitude-type u(c2) doit être strictement positive.");
    if (!std::isfinite(expected) || expected <= 0)
        return CheckOutcome::failure(
            "Aucune concentration n'est cachée" + std::string(nbsp) +
            ": il n'y a pas de valeur attendue à laquelle comparer le résultat.");
    ResultCheck check;
    check.concentration = concentration;
    check.uncertainty = uncertainty;
    check.z = std::fabs(concentration - expected) / uncertainty;
    if (!std::isfinite(check.z))
        return CheckOutcome::failure("L'incertitude-type u(c2) est trop petite devant l'écart "
                                     "pour calculer l'écart normalisé.");
    check.zText = zShown(check.z);
    check.compatible = *numbers::parseNumberText(check.zText) <= compatibilityLimit;
    return CheckOutcome::success(std::move(check));
}

Outcome<ResultCheck> checkTypedResult(std::string_view concentrationText,
                                      std::string_view uncertaintyText, double expected) {
    const std::optional<double> c = numbers::parseNumberText(concentrationText);
    if (!c)
        return CheckOutcome::failure("La concentration " + quoted(concentrationText) +
                                     " n'est pas un nombre.");
    const std::optional<double> u = numbers::parseNumberText(uncertaintyText);
    if (!u)
        return CheckOutcome::failure("L'incertitude-type " + quoted(uncertaintyText) +
                                     " n'est pas un nombre.");
    return checkResult(*c, *u, expected);
}

std::string checkLine(const ResultCheck& check) {
    const std::string separator = std::string(nbsp) + "; ";
    return "c2 = " + withUnit(numbers::formatGeneral(check.concentration), "mol/L") + separator +
           "u(c2) = " + withUnit(numbers::formatGeneral(check.uncertainty), "mol/L") + separator +
           "z = " + check.zText + ". " + std::string(check.verdict()) + ".";
}

} // namespace grading
