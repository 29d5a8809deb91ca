// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The course of a titration as a table of numbers for the lab report: a row per volume
// poured, the amounts introduced and present of every species of the quantities graph, in
// mol, and its text as a spreadsheet reads it (decimal comma, UTF-8).

#include "model/amounts.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace model {

// The step of the table's rows, mL: that of the tap.
inline constexpr double tableStep = 0.1;

// The volumes of the rows: every 0,1 mL from 0 to the poured volume, the volumes at which
// drops landed (those not beyond the poured volume) and the poured volume itself, in
// increasing order, each once.
std::vector<double> tableVolumes(double pouredVolume, std::span<const double> drops);

struct AmountsColumn {
    int entry;       // the species, by its entry
    bool introduced; // the amount introduced (else the amount present)
    bool sample;     // the sample introduced: n0 itself
};

struct AmountsTable {
    std::vector<AmountsColumn> columns; // for each graph column: introduced (if shown), present
    std::vector<double> volumes;        // mL
    // rows[i][j]: the amount of column j at volumes[i], mol; none for an amount left out.
    std::vector<std::vector<std::optional<double>>> rows;
};

// The table of the species at the given poured volumes, every other input as in `in`: the
// amounts of computeAmounts and introducedAmounts. hideSample leaves out every amount that
// depends on the sample's amount n0 at its volume (the sample introduced, what is left of it,
// what was made of it), so that no cell gives n0 away while the concentration is hidden.
AmountsTable amountsTable(int species, const BenchInputs& in, std::span<const double> volumes,
                          bool hideSample);

// The header of a column of amounts: "n(MnO₄⁻) introduite (mol)", "n(MnO₄⁻) présente (mol)".
std::string amountColumnHeader(std::string_view formula, bool introduced);

// The table as text: a header row ("V (mL)", then "n(MnO₄⁻) introduite (mol)",
// "n(MnO₄⁻) présente (mol)", ...), then one line per row; volumes as "4,05", amounts as
// "5,000E-05", an amount left out as an empty cell. Cells are separated by `separator` and
// every line ends with `lineEnd`.
std::string amountsTableText(const AmountsTable& table, std::string_view separator,
                             std::string_view lineEnd);

} // namespace model
