// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the command line asks for, read and checked against the bench's limits.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace app {

enum class Family { AcidBase, Redox };

struct TableauRequest {
    bool help = false;
    Family family = Family::AcidBase;
    int species = -1; // in its family's catalogue
    double concentration = 0;
    double sampleVolume = 0;
    double titrant = 0;
    double water = 0;
    int indicator = -1;
    double reagent = 0.05;    // the bench's default reagent concentration, mol/L
    double reagentVolume = 0; // the bench's default reagent volume, mL
    double lastVolume = 25;   // mL
    double step = 0.5;        // mL
};

// The request, or the French message of the first fault found (with its line end).
struct ReadRequest {
    std::optional<TableauRequest> request;
    std::string error;
};
ReadRequest readTableauRequest(std::span<const std::string_view> arguments);

// « text », with the no-break spaces of French typography.
std::string quoted(std::string_view text);

} // namespace app
