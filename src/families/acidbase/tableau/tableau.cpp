// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/acidbase/tableau/tableau.h"

#include "tableau_request.h"

#include "model/acidbase/curve_table.h"
#include "model/amounts.h"
#include "model/amounts_table.h"
#include "model/catalogue.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace app {

namespace {

constexpr std::string_view separator = ";";
constexpr std::string_view lineEnd = "\n";

// 0, step, 2·step, ... up to the last volume, and the last volume itself.
std::vector<double> rowVolumes(double last, double step) {
    std::vector<double> volumes;
    for (int k = 0;; ++k) {
        // To the microlitre, so that 3 × 0,1 is written and computed as 0,3.
        const double v = std::round(k * step * 1e6) / 1e6;
        if (v > last + 1e-9) break;
        volumes.push_back(v);
    }
    if (volumes.back() < last - 1e-9) volumes.push_back(last);
    return volumes;
}

std::string acidBaseTable(const TableauRequest& r, const std::vector<double>& volumes) {
    model::acidbase::Preparation preparation;
    preparation.titration = r.species;
    preparation.sampleConcentration = r.concentration;
    preparation.sampleVolume = r.sampleVolume;
    preparation.waterVolume = r.water;
    preparation.titrantConcentration = r.titrant;
    return model::acidbase::curveTableText(
        model::acidbase::curveTable(preparation, volumes, r.indicator), separator, lineEnd);
}

// The bench's inputs of a redox titration: typed numbers are single-precision numbers, the
// pipettes' volumes list numbers.
model::BenchInputs benchInputs(const TableauRequest& r) {
    model::BenchInputs in;
    in.sampleConcentration = static_cast<float>(r.concentration);
    in.sampleVolume = r.sampleVolume;
    in.titrantConcentration = static_cast<float>(r.titrant);
    in.reagentConcentration = static_cast<float>(r.reagent);
    if (model::reagentVolumeInput(r.species) == model::ReagentVolumeInput::IodineVolume)
        in.iodineVolume = r.reagentVolume;
    else
        in.iodideVolume = static_cast<float>(r.reagentVolume);
    return in;
}

// The warning the bench gives before such a titration, on the standard error.
std::string reagentWarning(const TableauRequest& r, const model::BenchInputs& in) {
    if (model::reagentSufficient(r.species, in)) return {};
    const std::string_view name = model::reagentName(r.species);
    return "titrage\u00A0: attention, la quantité de matière " +
           std::string(name.starts_with("d'") ? "" : "de ") + std::string(name) +
           " ajoutée est insuffisante (" + quoted("--volume-reactif") + ", " + quoted("--reactif") +
           ").\n";
}

} // namespace

bool asksForTable(std::span<const std::string_view> arguments) {
    for (std::string_view a : arguments)
        if (a == "--tableau") return true;
    return false;
}

bool asksForTable(int argc, char* argv[]) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return asksForTable(arguments);
}

TableauOutcome tableau(std::span<const std::string_view> arguments) {
    const ReadRequest read = readTableauRequest(arguments);
    if (!read.request) return {2, {}, read.error};
    const TableauRequest& r = *read.request;
    if (r.help) return {0, tableauHelp(), {}};
    const std::vector<double> volumes = rowVolumes(r.lastVolume, r.step);
    if (r.family == Family::AcidBase) return {0, acidBaseTable(r, volumes), {}};
    const model::BenchInputs in = benchInputs(r);
    const model::AmountsTable table = model::amountsTable(r.species, in, volumes, false);
    return {0, model::amountsTableText(table, separator, lineEnd), reagentWarning(r, in)};
}

int printTableau(int argc, char* argv[]) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const TableauOutcome outcome = tableau(arguments);
    std::fwrite(outcome.out.data(), 1, outcome.out.size(), stdout);
    std::fwrite(outcome.err.data(), 1, outcome.err.size(), stderr);
    return std::fflush(stdout) == 0 ? outcome.status : 1;
}

} // namespace app
