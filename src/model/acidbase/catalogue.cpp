// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/catalogue.h"

#include <array>

namespace model::acidbase {

namespace {

using P = Particle;

struct ParticleFacts {
    std::string_view formula;
    int charge;
    double conductivity; // mS·m²·mol⁻¹
};

// Molar ionic conductivities at infinite dilution, 25 °C, in mS·m²·mol⁻¹, from the table
// "Ionic Conductivity and Diffusion at Infinite Dilution" (P. Vanýsek) of the CRC Handbook of
// Chemistry and Physics, whose values per unit charge (10⁻⁴ m²·S·mol⁻¹) are multiplied by the
// charge (½ CO₃²⁻ 69,3 gives CO₃²⁻ 13,86). H₃O⁺, HO⁻ and NH₄⁺ are given as the French classes
// quote them (34,98; 19,86; 7,34; the table has 34,965; 19,8; 7,35). The table gives no value
// for C₆H₆O₇²⁻: its value per unit charge is taken halfway between those of C₆H₇O₇⁻ (30) and
// ⅓ C₆H₅O₇³⁻ (70,2).
constexpr std::array<ParticleFacts, particleCount> particles{{
    {"H₃O⁺", 1, 34.98},      {"HO⁻", -1, 19.86},
    {"Na⁺", 1, 5.01},        {"Cl⁻", -1, 7.63},
    {"NH₄⁺", 1, 7.34},       {"NH₃", 0, 0},
    {"CH₃COOH", 0, 0},       {"CH₃COO⁻", -1, 4.09},
    {"HCOOH", 0, 0},         {"HCOO⁻", -1, 5.46},
    {"C₆H₅COOH", 0, 0},      {"C₆H₅COO⁻", -1, 3.23},
    {"CH₃CH(OH)COOH", 0, 0}, {"CH₃CH(OH)COO⁻", -1, 3.88},
    {"H₃PO₄", 0, 0},         {"H₂PO₄⁻", -1, 3.60},
    {"HPO₄²⁻", -2, 11.40},   {"PO₄³⁻", -3, 27.84},
    {"C₆H₈O₇", 0, 0},        {"C₆H₇O₇⁻", -1, 3.00},
    {"C₆H₆O₇²⁻", -2, 10.02}, {"C₆H₅O₇³⁻", -3, 21.06},
    {"CO₂,H₂O", 0, 0},       {"HCO₃⁻", -1, 4.45},
    {"CO₃²⁻", -2, 13.86},    {"H₂O", 0, 0},
}};

constexpr std::array<Share, 2> sodiumHydroxide{{{P::Na, 1}, {P::HO, 1}}};
constexpr std::array<Share, 2> hydrochloricAcid{{{P::H3O, 1}, {P::Cl, 1}}};

struct Facts {
    std::string_view listText;
    Titrant titrant;
    std::span<const Share> sample;
    std::span<const int> forms;
    std::span<const double> pKa;
    std::span<const Reaction> reactions;
    std::span<const int> columns;
};

// A monoacid HA titrated by the hydroxide ion: its sample, forms, reaction and columns.
struct WeakAcid {
    std::array<Share, 1> sample;
    std::array<int, 2> forms;
    std::array<double, 1> pKa;
    std::array<Reaction, 1> reactions;
    std::array<int, 5> columns;
};
constexpr WeakAcid weakAcid(int acid, int base, double pKa) {
    return {{{{acid, 1}}},
            {acid, base},
            {pKa},
            {{{{{1, acid}, {1, P::HO}}, {{1, base}, {1, P::H2O}}}}},
            {acid, base, P::HO, P::H3O, P::Na}};
}
constexpr WeakAcid ethanoic = weakAcid(P::CH3COOH, P::CH3COO, 4.76);
constexpr WeakAcid methanoic = weakAcid(P::HCOOH, P::HCOO, 3.75);
constexpr WeakAcid benzoic = weakAcid(P::C6H5COOH, P::C6H5COO, 4.20);
constexpr WeakAcid lactic = weakAcid(P::LacticAcid, P::Lactate, 3.86);

// Hydrochloric acid and sodium hydroxide: strong, their ions stay as they are.
constexpr std::array<Reaction, 1> neutralisationByHydroxide{
    {{{{1, P::H3O}, {1, P::HO}}, {{2, P::H2O}, {0, P::H2O}}}}};
constexpr std::array<int, 4> hydrochloricColumns{P::H3O, P::HO, P::Cl, P::Na};
constexpr std::array<Reaction, 1> neutralisationByOxonium{
    {{{{1, P::HO}, {1, P::H3O}}, {{2, P::H2O}, {0, P::H2O}}}}};
constexpr std::array<int, 4> hydroxideColumns{P::HO, P::H3O, P::Na, P::Cl};

// Phosphoric acid: the third acidity (pKa 12,35) gives no jump; two reactions, two
// equivalences.
constexpr std::array<Share, 1> phosphoricSample{{{P::H3PO4, 1}}};
constexpr std::array<int, 4> phosphoricForms{P::H3PO4, P::H2PO4, P::HPO4, P::PO4};
constexpr std::array<double, 3> phosphoricPKa{2.15, 7.20, 12.35};
constexpr std::array<Reaction, 2> phosphoricReactions{{
    {{{1, P::H3PO4}, {1, P::HO}}, {{1, P::H2PO4}, {1, P::H2O}}},
    {{{1, P::H2PO4}, {1, P::HO}}, {{1, P::HPO4}, {1, P::H2O}}},
}};
constexpr std::array<int, 7> phosphoricColumns{P::H3PO4, P::H2PO4, P::HPO4, P::PO4,
                                               P::HO,    P::H3O,   P::Na};

// Citric acid: three acidities too close to give a jump each; the three together give one.
constexpr std::array<Share, 1> citricSample{{{P::CitricAcid, 1}}};
constexpr std::array<int, 4> citricForms{P::CitricAcid, P::H2Citrate, P::HCitrate, P::Citrate};
constexpr std::array<double, 3> citricPKa{3.13, 4.76, 6.40};
constexpr std::array<Reaction, 1> citricReactions{
    {{{{1, P::CitricAcid}, {3, P::HO}}, {{1, P::Citrate}, {3, P::H2O}}}}};
constexpr std::array<int, 7> citricColumns{P::CitricAcid, P::H2Citrate, P::HCitrate, P::Citrate,
                                           P::HO,         P::H3O,       P::Na};

// The ammonium/ammonia couple, from either side.
constexpr std::array<int, 2> ammoniumForms{P::NH4, P::NH3};
constexpr std::array<double, 1> ammoniumPKa{9.25};
constexpr std::array<Share, 2> ammoniumChlorideSample{{{P::NH4, 1}, {P::Cl, 1}}};
constexpr std::array<Reaction, 1> ammoniumReactions{
    {{{{1, P::NH4}, {1, P::HO}}, {{1, P::NH3}, {1, P::H2O}}}}};
constexpr std::array<int, 6> ammoniumColumns{P::NH4, P::NH3, P::HO, P::H3O, P::Na, P::Cl};
constexpr std::array<Share, 1> ammoniaSample{{{P::NH3, 1}}};
constexpr std::array<Reaction, 1> ammoniaReactions{
    {{{{1, P::NH3}, {1, P::H3O}}, {{1, P::NH4}, {1, P::H2O}}}}};
constexpr std::array<int, 5> ammoniaColumns{P::NH3, P::NH4, P::H3O, P::HO, P::Cl};

// Sodium carbonate: a dibase, two reactions and two equivalences.
constexpr std::array<Share, 2> carbonateSample{{{P::Na, 2}, {P::CO3, 1}}};
constexpr std::array<int, 3> carbonateForms{P::CO2, P::HCO3, P::CO3};
constexpr std::array<double, 2> carbonatePKa{6.35, 10.33};
constexpr std::array<Reaction, 2> carbonateReactions{{
    {{{1, P::CO3}, {1, P::H3O}}, {{1, P::HCO3}, {1, P::H2O}}},
    {{{1, P::HCO3}, {1, P::H3O}}, {{1, P::CO2}, {1, P::H2O}}},
}};
constexpr std::array<int, 7> carbonateColumns{P::CO3, P::HCO3, P::CO2, P::H3O, P::HO, P::Na, P::Cl};

using T = Titrant;

const std::array<Facts, titrationCount> table{{
    {"acide chlorhydrique",
     T::SodiumHydroxide,
     hydrochloricAcid,
     {},
     {},
     neutralisationByHydroxide,
     hydrochloricColumns},
    {"acide éthanoïque", T::SodiumHydroxide, ethanoic.sample, ethanoic.forms, ethanoic.pKa,
     ethanoic.reactions, ethanoic.columns},
    {"acide méthanoïque", T::SodiumHydroxide, methanoic.sample, methanoic.forms, methanoic.pKa,
     methanoic.reactions, methanoic.columns},
    {"acide benzoïque", T::SodiumHydroxide, benzoic.sample, benzoic.forms, benzoic.pKa,
     benzoic.reactions, benzoic.columns},
    {"acide lactique", T::SodiumHydroxide, lactic.sample, lactic.forms, lactic.pKa,
     lactic.reactions, lactic.columns},
    {"acide phosphorique", T::SodiumHydroxide, phosphoricSample, phosphoricForms, phosphoricPKa,
     phosphoricReactions, phosphoricColumns},
    {"acide citrique", T::SodiumHydroxide, citricSample, citricForms, citricPKa, citricReactions,
     citricColumns},
    {"chlorure d'ammonium", T::SodiumHydroxide, ammoniumChlorideSample, ammoniumForms, ammoniumPKa,
     ammoniumReactions, ammoniumColumns},
    {"hydroxyde de sodium",
     T::HydrochloricAcid,
     sodiumHydroxide,
     {},
     {},
     neutralisationByOxonium,
     hydroxideColumns},
    {"ammoniac", T::HydrochloricAcid, ammoniaSample, ammoniumForms, ammoniumPKa, ammoniaReactions,
     ammoniaColumns},
    {"carbonate de sodium", T::HydrochloricAcid, carbonateSample, carbonateForms, carbonatePKa,
     carbonateReactions, carbonateColumns},
}};

bool isParticle(int particle) {
    return particle >= 0 && particle < particleCount;
}

void appendSide(std::string& text, const Term (&terms)[2]) {
    bool first = true;
    for (const Term& term : terms) {
        if (term.coefficient == 0) continue;
        if (!first) text += " + ";
        first = false;
        if (term.coefficient != 1) {
            text += std::to_string(term.coefficient);
            text += ' ';
        }
        text += formula(term.particle);
    }
}

} // namespace

std::string_view formula(int particle) {
    return isParticle(particle) ? particles[particle].formula : std::string_view{};
}

int charge(int particle) {
    return isParticle(particle) ? particles[particle].charge : 0;
}

double molarConductivity(int particle) {
    return isParticle(particle) ? particles[particle].conductivity : 0;
}

std::string_view titrantName(Titrant titrant) {
    return titrant == Titrant::SodiumHydroxide ? "solution d'hydroxyde de sodium"
                                               : "acide chlorhydrique";
}

std::string_view titrantFormula(Titrant titrant) {
    return titrant == Titrant::SodiumHydroxide ? "Na⁺ + HO⁻" : "H₃O⁺ + Cl⁻";
}

int titrantIon(Titrant titrant) {
    return titrant == Titrant::SodiumHydroxide ? Particle::HO : Particle::H3O;
}

std::span<const Share> titrantShares(Titrant titrant) {
    if (titrant == Titrant::SodiumHydroxide) return sodiumHydroxide;
    return hydrochloricAcid;
}

std::string reactionEquation(const Reaction& reaction) {
    std::string text;
    appendSide(text, reaction.reactants);
    text += " → ";
    appendSide(text, reaction.products);
    return text;
}

bool isTitration(int titration) {
    return titration >= 0 && titration < titrationCount;
}

std::string_view listText(int titration) {
    return isTitration(titration) ? table[titration].listText : std::string_view{};
}

Titrant titrant(int titration) {
    return isTitration(titration) ? table[titration].titrant : Titrant::SodiumHydroxide;
}

std::span<const Share> sampleShares(int titration) {
    return isTitration(titration) ? table[titration].sample : std::span<const Share>{};
}

std::span<const int> forms(int titration) {
    return isTitration(titration) ? table[titration].forms : std::span<const int>{};
}

std::span<const double> pKa(int titration) {
    return isTitration(titration) ? table[titration].pKa : std::span<const double>{};
}

std::span<const Reaction> reactions(int titration) {
    return isTitration(titration) ? table[titration].reactions : std::span<const Reaction>{};
}

std::span<const int> columns(int titration) {
    return isTitration(titration) ? table[titration].columns : std::span<const int>{};
}

} // namespace model::acidbase
