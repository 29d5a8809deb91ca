// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading/uncertainty.h"

#include "french_text.h"
#include "model/amounts.h"
#include "numbers/decimal.h"
#include "numbers/formats.h"
#include "numbers/reading.h"

#include <cmath>

namespace grading {
namespace {

using BudgetOutcome = Outcome<UncertaintyBudget>;

constexpr int maxStoichiometricNumber = 99;

std::string general(double x) {
    return numbers::formatGeneral(x);
}

std::string three(double x) {
    return numbers::formatSignificant(x, 3);
}

std::string percent(double fraction) {
    return withUnit(three(100 * fraction), "%");
}

std::string millilitres(std::string_view number) {
    return withUnit(number, "mL");
}

std::string molar(std::string_view number) {
    return withUnit(number, "mol/L");
}

// "c2 = 5 × c1 × VE / (2 × V2) = 5 × 0,02 mol/L × 12,45 mL / (2 × 10 mL) = 0,1245 mol/L"
std::string concentrationLine(const TitrationReadings& r, double c2) {
    const std::string a = r.titratedNumber == 1 ? "" : std::to_string(r.titratedNumber) + " × ";
    const bool b = r.titrantNumber != 1;
    const std::string bText = std::to_string(r.titrantNumber) + " × ";
    const std::string formula = a + "c1 × VE / " + (b ? "(" + bText + "V2)" : std::string("V2"));
    const std::string values = a + molar(general(r.titrantConcentration)) + " × " +
                               millilitres(general(r.equivalenceVolume)) + " / " +
                               (b ? "(" + bText + millilitres(general(r.sampleVolume)) + ")"
                                  : millilitres(general(r.sampleVolume)));
    return "c2 = " + formula + " = " + values + " = " + molar(numbers::formatSignificant(c2, 4));
}

std::string titrantLine(const TitrationReadings& r, const UncertaintyBudget& b) {
    if (!r.titrantUncertainty)
        return "u(c1)/c1 = " + withUnit(general(100 * defaultTitrantRelativeUncertainty), "%") +
               " (valeur retenue quand l'énoncé ne donne pas l'incertitude sur c1)";
    return "u(c1) = " + molar(general(b.titrantUncertainty)) +
           ", donc u(c1)/c1 = " + general(b.titrantUncertainty) + " / " +
           general(r.titrantConcentration) + " = " + percent(b.titrantRelative);
}

std::string pipetteLine(const TitrationReadings& r, double tolerance, const UncertaintyBudget& b) {
    return "Pipette jaugée de " + millilitres(general(r.sampleVolume)) + " (classe A, tolérance ±" +
           std::string(nbsp) + millilitres(general(tolerance)) + ")" + std::string(nbsp) +
           ": u(V2) = " + general(tolerance) +
           " / √3 = " + millilitres(three(b.sampleUncertainty)) +
           ", donc u(V2)/V2 = " + three(b.sampleUncertainty) + " / " + general(r.sampleVolume) +
           " = " + percent(b.sampleRelative);
}

std::string buretteLine(const TitrationReadings& r, const UncertaintyBudget& b) {
    return "Burette de " + millilitres(general(model::buretteCapacity)) +
           " (classe A, tolérance ±" + std::string(nbsp) + millilitres(general(buretteTolerance)) +
           ", graduée tous les " + millilitres(general(buretteGraduation)) +
           ", lue au zéro et à l'équivalence)" + std::string(nbsp) + ": u(VE) = √((" +
           general(buretteTolerance) + " / √3)² + 2 × (" + general(buretteGraduation) +
           " / √12)²) = " + millilitres(three(b.equivalenceUncertainty)) +
           ", donc u(VE)/VE = " + three(b.equivalenceUncertainty) + " / " +
           general(r.equivalenceVolume) + " = " + percent(b.equivalenceRelative);
}

std::string compositionLine(const UncertaintyBudget& b) {
    return "u(c2)/c2 = √((u(c1)/c1)² + (u(V2)/V2)² + (u(VE)/VE)²) = √(" +
           three(100 * b.titrantRelative) + "² + " + three(100 * b.sampleRelative) + "² + " +
           three(100 * b.equivalenceRelative) + "²)" + std::string(nbsp) +
           "% = " + percent(b.relative);
}

std::string uncertaintyLine(const UncertaintyBudget& b) {
    return "u(c2) = c2 × u(c2)/c2 = " + molar(numbers::formatSignificant(b.concentration, 4)) +
           " × " + percent(b.relative) + " = " + molar(three(b.uncertainty));
}

} // namespace

std::optional<double> pipetteTolerance(double volume) {
    for (const PipetteTolerance& pipette : classAPipettes)
        if (pipette.volume == volume) return pipette.tolerance;
    return {};
}

Outcome<UncertaintyBudget> concentrationUncertainty(const TitrationReadings& r) {
    if (r.titratedNumber < 1 || r.titratedNumber > maxStoichiometricNumber || r.titrantNumber < 1 ||
        r.titrantNumber > maxStoichiometricNumber)
        return BudgetOutcome::failure(
            "Les nombres stœchiométriques doivent être des entiers de 1 à 99.");
    if (!std::isfinite(r.titrantConcentration) || r.titrantConcentration <= 0)
        return BudgetOutcome::failure(
            "La concentration c1 de la solution titrante doit être un nombre positif.");
    if (r.titrantUncertainty &&
        !(std::isfinite(*r.titrantUncertainty) && *r.titrantUncertainty >= 0))
        return BudgetOutcome::failure(
            "L'incertitude-type u(c1) doit être un nombre positif ou nul.");
    const std::optional<double> tolerance = pipetteTolerance(r.sampleVolume);
    if (!tolerance)
        return BudgetOutcome::failure("Le volume prélevé V2 doit être celui d'une pipette "
                                      "jaugée du banc" +
                                      std::string(nbsp) + ": 1, 2, 5, 10 ou " + millilitres("20") +
                                      ".");
    if (!std::isfinite(r.equivalenceVolume) || r.equivalenceVolume <= 0 ||
        r.equivalenceVolume > model::buretteCapacity)
        return BudgetOutcome::failure("Le volume à l'équivalence VE doit être compris entre 0 "
                                      "et " +
                                      millilitres(general(model::buretteCapacity)) +
                                      ", la contenance de la burette.");

    UncertaintyBudget b;
    b.concentration = r.titratedNumber * r.titrantConcentration * r.equivalenceVolume /
                      (r.titrantNumber * r.sampleVolume);
    b.titrantUncertainty =
        r.titrantUncertainty.value_or(defaultTitrantRelativeUncertainty * r.titrantConcentration);
    b.titrantRelative = r.titrantUncertainty ? b.titrantUncertainty / r.titrantConcentration
                                             : defaultTitrantRelativeUncertainty;
    b.sampleUncertainty = *tolerance / std::sqrt(3.0);
    b.sampleRelative = b.sampleUncertainty / r.sampleVolume;
    const double buretteType = buretteTolerance / std::sqrt(3.0);
    const double reading = buretteGraduation / std::sqrt(12.0);
    b.equivalenceUncertainty = std::sqrt(buretteType * buretteType + 2 * reading * reading);
    b.equivalenceRelative = b.equivalenceUncertainty / r.equivalenceVolume;
    b.relative =
        std::sqrt(b.titrantRelative * b.titrantRelative + b.sampleRelative * b.sampleRelative +
                  b.equivalenceRelative * b.equivalenceRelative);
    b.uncertainty = b.concentration * b.relative;

    b.lines = {concentrationLine(r, b.concentration),
               titrantLine(r, b),
               pipetteLine(r, *tolerance, b),
               buretteLine(r, b),
               compositionLine(b),
               uncertaintyLine(b),
               "Résultat" + std::string(nbsp) + ": " +
                   resultWithUncertainty(b.concentration, b.uncertainty)};
    return BudgetOutcome::success(std::move(b));
}

std::string resultWithUncertainty(double concentration, double uncertainty) {
    const std::string uText = numbers::formatSignificant(uncertainty, 2);
    const double rounded = numbers::parseNumberText(uText).value_or(0);
    // The last digit of u(c2), two places after its first.
    const int lastPlace = numbers::decompose(rounded, 2).exponent - 1;
    const int decimals = std::max(0, -lastPlace);
    const std::string pattern = decimals > 0 ? "0." + std::string(decimals, '0') : "0";
    return "c2 = " + molar(numbers::formatPattern(concentration, pattern)) +
           " avec u(c2) = " + molar(numbers::formatPattern(rounded, pattern));
}

} // namespace grading
