// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The beaker of an acid-base titration at any poured volume: the exact pH of the model of
// ideal solutions at 25 °C, the concentration and amount of every particle, the amounts
// introduced, and the conductivity by Kohlrausch's law.
//
// The pH comes from the charge balance, written with every form of every couple:
//   [H₃O⁺] − Ke/[H₃O⁺] + Σ z·[spectator ions] + C·Σⱼ zⱼ·αⱼ([H₃O⁺]) = 0,
// where C is the total concentration of the couples' forms and αⱼ the fraction of form j.
// Sample, water added and titrant poured all dilute the mixture. The left side grows with
// [H₃O⁺], so it has one root, which lies between two bounds read from the extreme charges of
// the forms; it is found on log[H₃O⁺] by Brent's method to 1e-10 in pH. No approximation of
// the class ("weak acid barely dissociated", "the strong acid alone sets the pH") is made.
//
// Amounts are millimoles (mol/L × mL), as everywhere in the model; volumes are mL.
// Cost: one mixtureAt is about a microsecond (see perf/perf_acidbase.cpp): the bench may call
// it at every tick of the tap.

#include "model/acidbase/catalogue.h"

#include <array>

namespace model::acidbase {

// The ionic product of water at 25 °C.
inline constexpr double waterProduct = 1.0e-14;

// The set-up of a titration, in the bench's plain numbers.
struct Preparation {
    int titration = -1;              // index in the catalogue; -1: nothing to titrate
    double sampleConcentration = 0;  // c, mol/L
    double sampleVolume = 0;         // V₀, mL
    double waterVolume = 0;          // water added to the sample, mL
    double titrantConcentration = 0; // c_T, mol/L
    bool operator==(const Preparation&) const = default;
};

// The beaker's content at one poured volume.
struct Mixture {
    double volume = 0;                                  // mL: sample, water and titrant
    double pH = 7;                                      // −log[H₃O⁺]
    std::array<double, particleCount> concentrations{}; // mol/L, water left at 0

    double concentration(int particle) const;
    // The amount present, mmol.
    double amount(int particle) const;
};

// The beaker once poured volume mL of titrant have been added. An empty beaker (no volume
// at all) is pure water: pH 7, nothing in it.
Mixture mixtureAt(const Preparation& preparation, double pouredVolume);

// The amount of a particle brought by the sample and by the titrant poured, mmol: for
// ethanoic acid at 5 mL of 0,1 mol/L sodium hydroxide, HO⁻ 0,5 and Na⁺ 0,5, CH₃COOH c·V₀,
// CH₃COO⁻ 0 (formed only). The hydroxide ions of a sample of sodium hydroxide count too.
double introducedAmount(const Preparation& preparation, double pouredVolume, int particle);

// The fractions of the forms of the titration's couples at the pH, in the order of forms();
// the unused places are 0. No form (a strong acid or base): all 0.
std::array<double, 4> formFractions(int titration, double pH);

// σ = Σ λᵢ·[Xᵢ] over the ions of the mixture, in mS·cm⁻¹.
double conductivity(const Mixture& mixture);

} // namespace model::acidbase
