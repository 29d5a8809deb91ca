// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/meters.h"

#include "numbers/formats.h"
#include "numbers/reading.h"

#include <algorithm>
#include <cmath>

namespace model::acidbase {

namespace {

bool brought(std::span<const Share> shares, int particle) {
    return std::any_of(shares.begin(), shares.end(),
                       [particle](const Share& s) { return s.particle == particle; });
}

// x with three significant digits, read back: what the display shows of it.
double threeDigits(double x) {
    return numbers::parseBenchDouble(numbers::formatSignificant(x, 3));
}

} // namespace

double reading(const Mixture& mixture, Probe probe) {
    return probe == Probe::Conductimeter ? conductivity(mixture) : mixture.pH;
}

std::vector<Point> readings(const Preparation& preparation, std::span<const double> volumes,
                            Probe probe) {
    std::vector<Point> points;
    points.reserve(volumes.size());
    for (double v : volumes)
        points.push_back({v, reading(mixtureAt(preparation, v), probe)});
    return points;
}

MeterDisplay pHDisplay(double pH) {
    return {numbers::formatPattern(pH, "0.00"), {}};
}

MeterDisplay conductivityDisplay(double conductivity) {
    if (!(conductivity > 0) || !std::isfinite(conductivity)) return {"0,00", "µS·cm⁻¹"};
    // The unit follows the rounded value: 0,9996 mS·cm⁻¹ is shown as 1,00 mS·cm⁻¹.
    if (threeDigits(conductivity) >= 1)
        return {numbers::formatSignificant(conductivity, 3), "mS·cm⁻¹"};
    return {numbers::formatSignificant(conductivity * 1000, 3), "µS·cm⁻¹"};
}

MeterDisplay meterDisplay(const Mixture& mixture, Probe probe) {
    switch (probe) {
    case Probe::PHMeter:
        return pHDisplay(mixture.pH);
    case Probe::Conductimeter:
        return conductivityDisplay(conductivity(mixture));
    case Probe::None:
        break;
    }
    return {};
}

bool revealsSample(int titration, int particle, bool introduced) {
    if (brought(sampleShares(titration), particle)) return true;
    if (introduced) return false;
    // Present: only the titrant's spectator ions are left as they were poured.
    const Titrant t = titrant(titration);
    if (!brought(titrantShares(t), particle) || particle == titrantIon(t)) return true;
    if (particle == Particle::H3O || particle == Particle::HO) return true;
    const auto forms = model::acidbase::forms(titration);
    return std::find(forms.begin(), forms.end(), particle) != forms.end();
}

void blankSampleColumns(CurveTable& table, int titration) {
    for (CurveColumn& column : table.columns)
        column.blank = revealsSample(titration, column.particle, column.introduced);
}

} // namespace model::acidbase
