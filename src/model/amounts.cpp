// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/amounts.h"

#include <algorithm>
#include <cmath>

namespace model {

namespace {

using E = Entry;

// The operand types follow the bench's numbers: nS is a double (a typed single times a list
// number), nT a single (two typed singles), entries of the table are singles. A product or a
// quotient of singles by small integers stays single; a mix with a double is double; every
// store into the table rounds to single.

// Species 1, 3, 5, 6: 5 t + 2 MnO4- -> p + 2 Mn2+, where p is 10 CO2 for oxalic acid (R1) and
// 5 of the product otherwise (R2 to R4).
void permanganateFiveTwo(int species, double nS, float nT, PresentAmounts& a) {
    int titrated = E::H2C2O4, product = E::CO2;
    switch (species) {
    case Species::SulfurDioxide:
        titrated = E::SO2, product = E::SO4;
        break;
    case Species::Nitrite:
        titrated = E::NO2, product = E::NO3;
        break;
    case Species::HydrogenPeroxide:
        titrated = E::H2O2, product = E::O2;
        break;
    default:
        break;
    }
    const bool oxalic = species == Species::OxalicAcid;
    if (nS / 5 > nT / 2.0f) {
        a[titrated] = static_cast<float>(nS - 5.0f * nT / 2.0f);
        a[product] = oxalic ? 5.0f * nT : 5.0f * nT / 2.0f;
        a[E::MnO4] = 0;
        a[E::Mn2] = nT;
    } else {
        a[titrated] = 0;
        a[product] = static_cast<float>(oxalic ? 2 * nS : nS);
        a[E::MnO4] = static_cast<float>(nT - 2 * nS / 5);
        a[E::Mn2] = nT - a[E::MnO4];
    }
}

// Species 8: 5 Fe2+ + MnO4- -> 5 Fe3+ + Mn2+.
void iron(double nS, float nT, PresentAmounts& a) {
    if (nS / 5 > nT) {
        a[E::Fe2] = static_cast<float>(nS - 5.0f * nT);
        a[E::Fe3] = 5.0f * nT;
        a[E::MnO4] = 0;
        a[E::Mn2] = nT;
    } else {
        a[E::Fe2] = 0;
        a[E::Fe3] = static_cast<float>(nS);
        a[E::MnO4] = static_cast<float>(nT - nS / 5);
        a[E::Mn2] = nT - a[E::MnO4];
    }
}

// Species 2: diiode titrated by thiosulfate, I2 + 2 S2O3 2- -> 2 I- + S4O6 2-.
void diiodeByThiosulfate(double nS, float nT, PresentAmounts& a) {
    if (nS > nT / 2.0f) {
        a[E::I2] = static_cast<float>(nS - nT / 2.0f);
        a[E::Iodide] = nT;
        a[E::S4O6] = nT / 2.0f;
        a[E::S2O3] = 0;
    } else {
        a[E::I2] = 0;
        a[E::Iodide] = static_cast<float>(2 * nS);
        a[E::S4O6] = static_cast<float>(nS);
        a[E::S2O3] = static_cast<float>(nT - 2 * nS);
    }
}

// Species 9: thiosulfate titrated by diiode, same reaction with the roles exchanged.
void thiosulfateByDiiode(double nS, float nT, PresentAmounts& a) {
    if (nT > nS / 2) {
        a[E::I2] = static_cast<float>(nT - nS / 2);
        a[E::Iodide] = static_cast<float>(nS);
        a[E::S4O6] = static_cast<float>(nS / 2);
        a[E::S2O3] = 0;
    } else {
        a[E::I2] = 0;
        a[E::Iodide] = 2.0f * nT;
        a[E::S4O6] = nT;
        a[E::S2O3] = static_cast<float>(nS - 2.0f * nT);
    }
}

// Species 0: C6H8O6 + I2 -> C6H6O6 + 2 I- with the diiode added, then the diiode left is
// titrated by thiosulfate.
void ascorbicAcid(double nS, float nT, double nX, PresentAmounts& a) {
    if (nS < nX) {
        a[E::C6H6O6] = static_cast<float>(nS);
        a[E::C6H8O6] = 0;
        a[E::I2] = static_cast<float>(nX - nS);
    } else {
        a[E::C6H6O6] = static_cast<float>(nX);
        a[E::C6H8O6] = static_cast<float>(nS - nX);
        a[E::I2] = 0;
    }
    const float left = a[E::I2];
    a[E::I2] = left < nT / 2.0f ? 0.0f : left - nT / 2.0f;
    a[E::Iodide] = static_cast<float>(2 * (nX - a[E::I2]));
    if (nS < nX)
        a[E::S4O6] = nX - nS > nT / 2.0f ? nT / 2.0f : static_cast<float>(nX - nS);
    else
        a[E::S4O6] = 0;
    a[E::S2O3] = nT - 2.0f * a[E::S4O6];
}

// Species 4 (ClO- + 2 I- -> I2 + Cl-) and 7 (2 Cu2+ + 4 I- -> 2 CuI + I2) with the iodide
// added, then the diiode formed is titrated by thiosulfate. nX is a single-precision value.
void iodideFirstStage(int species, double nS, float nT, double nX, PresentAmounts& a) {
    if (species == Species::Hypochlorite) {
        if (nS < nX / 2) {
            a[E::I2] = static_cast<float>(nS);
            a[E::Iodide] = static_cast<float>(nX - 2 * nS);
            a[E::ClO] = 0;
            a[E::Cl] = static_cast<float>(nS);
        } else {
            a[E::I2] = static_cast<float>(nX / 2);
            a[E::Iodide] = 0;
            a[E::ClO] = static_cast<float>(nS - nX / 2);
            a[E::Cl] = static_cast<float>(nX / 2);
        }
    } else {
        if (nS < nX / 2) {
            a[E::I2] = static_cast<float>(nS / 2);
            a[E::Iodide] = static_cast<float>(nX - 2 * nS);
            a[E::Cu2] = 0;
            a[E::CuI] = static_cast<float>(nS);
        } else {
            a[E::I2] = static_cast<float>(nX / 4);
            a[E::Iodide] = 0;
            a[E::Cu2] = static_cast<float>(nS - nX / 2);
            a[E::CuI] = static_cast<float>(nX / 2);
        }
    }
    const float formed = a[E::I2], iodideLeft = a[E::Iodide];
    if (formed < nT / 2.0f) {
        a[E::Iodide] = iodideLeft + 2.0f * formed;
        a[E::S4O6] = formed;
        a[E::S2O3] = nT - 2.0f * formed;
        a[E::I2] = 0;
    } else {
        a[E::I2] = formed - nT / 2.0f;
        a[E::Iodide] = iodideLeft + nT;
        a[E::S4O6] = nT / 2.0f;
        a[E::S2O3] = 0;
    }
}

// The one place where the rounding left at an equivalence is cleared (see negligibleFraction):
// every amount the species' graph shows, present or formed, whose size is below a millionth
// of the larger of nS and nT becomes 0. A remainder may be negative (a difference of rounded
// terms); it is cleared the same way.
void clearRoundingRemainders(int species, double nS, float nT, PresentAmounts& a) {
    const double negligible = negligibleFraction * std::max(nS, static_cast<double>(nT));
    for (const GraphColumn& column : graphColumns(species)) {
        float& amount = a[column.presentEntry];
        if (std::fabs(amount) < negligible) amount = 0;
    }
}

} // namespace

Introduced introducedAmounts(int species, const BenchInputs& in) {
    Introduced n;
    if (!isSpecies(species)) return n;
    n.nS = static_cast<double>(in.sampleConcentration) * in.sampleVolume;
    n.nT = in.pouredVolume * in.titrantConcentration; // single precision
    switch (reagentVolumeInput(species)) {
    case ReagentVolumeInput::IodineVolume:
        n.hasReagent = true;
        n.nX = static_cast<double>(in.reagentConcentration) * in.iodineVolume;
        break;
    case ReagentVolumeInput::IodideVolume:
        n.hasReagent = true;
        n.nX = in.reagentConcentration * in.iodideVolume; // single precision
        break;
    case ReagentVolumeInput::None:
        break;
    }
    return n;
}

double introducedBarAmount(IntroducedBar bar, const Introduced& introduced) {
    switch (bar) {
    case IntroducedBar::Titrated:
        return introduced.nS;
    case IntroducedBar::Titrant:
        return introduced.nT;
    case IntroducedBar::Reagent:
        return introduced.nX;
    case IntroducedBar::None:
        break;
    }
    return 0;
}

double scaleCandidateAmount(const ScaleCandidate& candidate, const Introduced& introduced,
                            const BenchInputs& in) {
    switch (candidate.amount) {
    case ScaleAmount::Titrated:
        return candidate.factor * introduced.nS;
    case ScaleAmount::Reagent:
        return candidate.factor * introduced.nX;
    case ScaleAmount::FullBurette:
        return candidate.factor * (buretteCapacity * double(in.titrantConcentration));
    }
    return 0;
}

void computeAmounts(int species, const BenchInputs& in, PresentAmounts& present) {
    // Entries C6H6O6 to NO3- start again from 0; the later ones keep what an earlier species
    // left there, which the current one never reads.
    for (int i = 0; i <= E::NO3; ++i)
        present[i] = 0;
    if (!isSpecies(species)) return;
    const Introduced n = introducedAmounts(species, in);
    const float nT = static_cast<float>(n.nT); // exact: nT is a single-precision product
    switch (species) {
    case Species::AscorbicAcid:
        ascorbicAcid(n.nS, nT, n.nX, present);
        break;
    case Species::OxalicAcid:
    case Species::SulfurDioxide:
    case Species::Nitrite:
    case Species::HydrogenPeroxide:
        permanganateFiveTwo(species, n.nS, nT, present);
        break;
    case Species::Diiode:
        diiodeByThiosulfate(n.nS, nT, present);
        break;
    case Species::Hypochlorite:
    case Species::CopperSulfate:
        iodideFirstStage(species, n.nS, nT, n.nX, present);
        break;
    case Species::IronSulfate:
        iron(n.nS, nT, present);
        break;
    case Species::Thiosulfate:
        thiosulfateByDiiode(n.nS, nT, present);
        break;
    default:
        break;
    }
    clearRoundingRemainders(species, n.nS, nT, present);
}

bool reagentSufficient(int species, const BenchInputs& in) {
    const Introduced n = introducedAmounts(species, in);
    if (!n.hasReagent) return true;
    const float nX = static_cast<float>(n.nX);
    // One diiode per ascorbic acid (R7); two iodide ions per hypochlorite (R8) or per
    // copper(II) ion (R9).
    if (excessReagent(species) == ExcessReagent::Diiode) return nX > static_cast<float>(n.nS);
    return nX > static_cast<float>(2 * n.nS);
}

} // namespace model
