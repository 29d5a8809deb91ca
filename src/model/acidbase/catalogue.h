// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue of the acid-base titrations: the one place that says, titration by titration,
// the text of the list, the titrant, what the sample brings into the beaker, the acid-base
// couples with their pKa, the reactions of the titration with their stoichiometric numbers and
// the columns of the quantities graph; and, particle by particle, its formula in Unicode, its
// charge and its molar ionic conductivity. Every lookup is total: an index outside the table
// means "no titration" or "no particle".

#include <span>
#include <string>
#include <string_view>

namespace model::acidbase {

// The solutions to titrate, by their position in the list of the acid-base bench.
struct Titration {
    enum : int {
        HydrochloricAcid,
        EthanoicAcid,
        MethanoicAcid,
        BenzoicAcid,
        LacticAcid,
        PhosphoricAcid,
        CitricAcid,
        AmmoniumChloride,
        SodiumHydroxide,
        Ammonia,
        SodiumCarbonate,
        count
    };
};
inline constexpr int titrationCount = Titration::count;

// Every particle the mixtures hold, and water.
struct Particle {
    enum : int {
        H3O,
        HO,
        Na,
        Cl,
        NH4,
        NH3,
        CH3COOH,
        CH3COO,
        HCOOH,
        HCOO,
        C6H5COOH,
        C6H5COO,
        LacticAcid, // CH₃CH(OH)COOH
        Lactate,
        H3PO4,
        H2PO4,
        HPO4,
        PO4,
        CitricAcid, // C₆H₈O₇
        H2Citrate,  // C₆H₇O₇⁻
        HCitrate,   // C₆H₆O₇²⁻
        Citrate,    // C₆H₅O₇³⁻
        CO2,        // CO₂,H₂O
        HCO3,
        CO3,
        H2O,
        count
    };
};
inline constexpr int particleCount = Particle::count;

// The formula in Unicode ("CH₃COO⁻", "HPO₄²⁻", "CO₂,H₂O"), UTF-8; "" for no particle.
std::string_view formula(int particle);
// The charge in elementary charges; 0 for no particle.
int charge(int particle);
// The molar ionic conductivity at infinite dilution and 25 °C, mS·m²·mol⁻¹; 0 for a
// molecule, water and no particle.
double molarConductivity(int particle);

enum class Titrant { SodiumHydroxide, HydrochloricAcid };

// "solution d'hydroxyde de sodium", "acide chlorhydrique".
std::string_view titrantName(Titrant titrant);
// The solution's ions as the class writes them: "Na⁺ + HO⁻", "H₃O⁺ + Cl⁻".
std::string_view titrantFormula(Titrant titrant);
// The ion that reacts: HO⁻ or H₃O⁺.
int titrantIon(Titrant titrant);

// A particle and how many of it one unit of a solute brings: Na₂CO₃ brings two Na⁺ and one
// CO₃²⁻.
struct Share {
    int particle;
    int count;
};
// The ions of the titrant: one Na⁺ and one HO⁻, or one H₃O⁺ and one Cl⁻.
std::span<const Share> titrantShares(Titrant titrant);

// A term of a reaction: its stoichiometric number and its particle.
struct Term {
    int coefficient;
    int particle;
};
// A reaction of a titration as the class writes it, water included: two reactants, two
// products.
struct Reaction {
    Term reactants[2];
    Term products[2];
};

// The equation in Unicode: "CH₃COOH + HO⁻ → CH₃COO⁻ + H₂O", a number of 1 left out.
std::string reactionEquation(const Reaction& reaction);

bool isTitration(int titration);
std::string_view listText(int titration); // "acide éthanoïque"; "" for no titration
Titrant titrant(int titration);
// What one unit of the sample's solute brings: CH₃COOH; Na⁺ and HO⁻; two Na⁺ and CO₃²⁻.
std::span<const Share> sampleShares(int titration);
// The forms of the sample's acid-base couples, from the most acid one ("H₃PO₄", "H₂PO₄⁻",
// "HPO₄²⁻", "PO₄³⁻"); each form has one proton less than the one before. Empty for a strong
// acid or a strong base, whose ions all stay as they are.
std::span<const int> forms(int titration);
// The pKa of the couples between consecutive forms, from the most acid one.
std::span<const double> pKa(int titration);
// The reactions of the titration in the order they happen; the equivalences of the set-up
// follow from them (see equivalence.h). Empty for no titration.
std::span<const Reaction> reactions(int titration);
// The particles of the mixture in the order of the quantities graph and the table of the
// curves: the sample's forms, the titrant's ion and the other ion of water, the spectator ions.
std::span<const int> columns(int titration);

// The most water the bench adds to the sample, mL (the other limits: model/bench_limits.h).
inline constexpr double maxWaterVolume = 200;

} // namespace model::acidbase
