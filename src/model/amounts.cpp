// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/amounts.h"

#include <algorithm>
#include <cmath>

namespace model {

namespace {

// The operand types follow the bench's numbers: nS is a double (a typed single times a list
// number), nT a single (two typed singles), entries of the table are singles. A product or a
// quotient of singles by small integers stays single; a mix with a double is double; every
// store into the table rounds to single.

// Species 1, 3, 5, 6: 5 t + 2 MnO4- -> p + 2 Mn2+ (10 CO2 for oxalic acid, 5 p otherwise).
void permanganateFiveTwo(int species, double nS, float nT, PresentAmounts& a) {
    int titrated = 7, product = 6;
    switch (species) {
    case 3:
        titrated = 11, product = 10;
        break;
    case 5:
        titrated = 15, product = 14;
        break;
    case 6:
        titrated = 17, product = 16;
        break;
    default:
        break;
    }
    const bool oxalic = species == 1;
    if (nS / 5 > nT / 2.0f) {
        a[titrated] = static_cast<float>(nS - 5.0f * nT / 2.0f);
        a[product] = oxalic ? 5.0f * nT : 5.0f * nT / 2.0f;
        a[8] = 0;
        a[9] = nT;
    } else {
        a[titrated] = 0;
        a[product] = static_cast<float>(oxalic ? 2 * nS : nS);
        a[8] = static_cast<float>(nT - 2 * nS / 5);
        a[9] = nT - a[8];
    }
}

// Species 8: 5 Fe2+ + MnO4- -> 5 Fe3+ + Mn2+.
void iron(double nS, float nT, PresentAmounts& a) {
    if (nS / 5 > nT) {
        a[21] = static_cast<float>(nS - 5.0f * nT);
        a[20] = 5.0f * nT;
        a[8] = 0;
        a[9] = nT;
    } else {
        a[21] = 0;
        a[20] = static_cast<float>(nS);
        a[8] = static_cast<float>(nT - nS / 5);
        a[9] = nT - a[8];
    }
}

// Species 2: diiode titrated by thiosulfate, I2 + 2 S2O3 2- -> 2 I- + S4O6 2-.
void diiodeByThiosulfate(double nS, float nT, PresentAmounts& a) {
    if (nS > nT / 2.0f) {
        a[2] = static_cast<float>(nS - nT / 2.0f);
        a[3] = nT;
        a[4] = nT / 2.0f;
        a[5] = 0;
    } else {
        a[2] = 0;
        a[3] = static_cast<float>(2 * nS);
        a[4] = static_cast<float>(nS);
        a[5] = static_cast<float>(nT - 2 * nS);
    }
}

// Species 9: thiosulfate titrated by diiode, same reaction with the roles exchanged.
void thiosulfateByDiiode(double nS, float nT, PresentAmounts& a) {
    if (nT > nS / 2) {
        a[2] = static_cast<float>(nT - nS / 2);
        a[3] = static_cast<float>(nS);
        a[4] = static_cast<float>(nS / 2);
        a[5] = 0;
    } else {
        a[2] = 0;
        a[3] = 2.0f * nT;
        a[4] = nT;
        a[5] = static_cast<float>(nS - 2.0f * nT);
    }
}

// Species 0: C6H8O6 + I2 -> C6H6O6 + 2 I- with the diiode added, then the diiode left is
// titrated by thiosulfate.
void ascorbicAcid(double nS, float nT, double nX, PresentAmounts& a) {
    if (nS < nX) {
        a[0] = static_cast<float>(nS);
        a[1] = 0;
        a[2] = static_cast<float>(nX - nS);
    } else {
        a[0] = static_cast<float>(nX);
        a[1] = static_cast<float>(nS - nX);
        a[2] = 0;
    }
    const float left = a[2];
    a[2] = left < nT / 2.0f ? 0.0f : left - nT / 2.0f;
    a[3] = static_cast<float>(2 * (nX - a[2]));
    if (nS < nX)
        a[4] = nX - nS > nT / 2.0f ? nT / 2.0f : static_cast<float>(nX - nS);
    else
        a[4] = 0;
    a[5] = nT - 2.0f * a[4];
}

// Species 4 (ClO- + 2 I- -> I2 + Cl-) and 7 (2 Cu2+ + 4 I- -> 2 CuI + I2) with the iodide
// added, then the diiode formed is titrated by thiosulfate. nX is a single-precision value.
void iodideFirstStage(int species, double nS, float nT, double nX, PresentAmounts& a) {
    if (species == 4) {
        if (nS < nX / 2) {
            a[2] = static_cast<float>(nS);
            a[3] = static_cast<float>(nX - 2 * nS);
            a[12] = 0;
            a[13] = static_cast<float>(nS);
        } else {
            a[2] = static_cast<float>(nX / 2);
            a[3] = 0;
            a[12] = static_cast<float>(nS - nX / 2);
            a[13] = static_cast<float>(nX / 2);
        }
    } else {
        if (nS < nX / 2) {
            a[2] = static_cast<float>(nS / 2);
            a[3] = static_cast<float>(nX - 2 * nS);
            a[18] = 0;
            a[19] = static_cast<float>(nS);
        } else {
            a[2] = static_cast<float>(nX / 4);
            a[3] = 0;
            a[18] = static_cast<float>(nS - nX / 2);
            a[19] = static_cast<float>(nX / 2);
        }
    }
    const float formed = a[2], iodideLeft = a[3];
    if (formed < nT / 2.0f) {
        a[3] = iodideLeft + 2.0f * formed;
        a[4] = formed;
        a[5] = nT - 2.0f * formed;
        a[2] = 0;
    } else {
        a[2] = formed - nT / 2.0f;
        a[3] = iodideLeft + nT;
        a[4] = nT / 2.0f;
        a[5] = 0;
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

void computeAmounts(int species, const BenchInputs& in, PresentAmounts& present) {
    for (int i = 0; i <= 14; ++i)
        present[i] = 0;
    if (!isSpecies(species)) return;
    const Introduced n = introducedAmounts(species, in);
    const float nT = static_cast<float>(n.nT); // exact: nT is a single-precision product
    switch (species) {
    case 0:
        ascorbicAcid(n.nS, nT, n.nX, present);
        break;
    case 1:
    case 3:
    case 5:
    case 6:
        permanganateFiveTwo(species, n.nS, nT, present);
        break;
    case 2:
        diiodeByThiosulfate(n.nS, nT, present);
        break;
    case 4:
    case 7:
        iodideFirstStage(species, n.nS, nT, n.nX, present);
        break;
    case 8:
        iron(n.nS, nT, present);
        break;
    case 9:
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
    if (species == 0) return nX > static_cast<float>(n.nS);
    return nX > static_cast<float>(2 * n.nS);
}

} // namespace model
