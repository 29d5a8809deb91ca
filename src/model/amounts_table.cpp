// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/amounts_table.h"

#include "model/catalogue.h"
#include "model/progress.h"
#include "numbers/formats.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace model {

namespace {

// Two volumes closer than this are one row (the bench writes volumes to 0,01 mL at most).
constexpr double sameVolume = 1e-6;

} // namespace

std::string amountColumnHeader(std::string_view formula, bool introduced) {
    std::string text = "n(";
    text += formula;
    text += introduced ? ") introduite (mol)" : ") présente (mol)";
    return text;
}

std::vector<double> tableVolumes(double pouredVolume, std::span<const double> drops) {
    std::vector<double> volumes;
    if (!(pouredVolume >= 0)) return volumes;
    // k / 10 rather than k times 0.1: the volume the bench writes "4,1" for.
    for (int k = 0; k / 10.0 <= pouredVolume + sameVolume; ++k)
        volumes.push_back(k / 10.0);
    for (double drop : drops)
        if (drop >= 0 && drop <= pouredVolume + sameVolume) volumes.push_back(drop);
    volumes.push_back(pouredVolume);
    std::sort(volumes.begin(), volumes.end());
    volumes.erase(std::unique(volumes.begin(), volumes.end(),
                              [](double a, double b) { return b - a < sameVolume; }),
                  volumes.end());
    return volumes;
}

AmountsTable amountsTable(int species, const BenchInputs& in, std::span<const double> volumes,
                          bool hideSample) {
    AmountsTable table;
    const auto graph = graphColumns(species);
    for (const GraphColumn& column : graph) {
        const bool sample = column.introduced == IntroducedBar::Titrated;
        if (column.introduced != IntroducedBar::None)
            table.columns.push_back({column.presentEntry, true, sample});
        table.columns.push_back({column.presentEntry, false, false});
    }
    table.volumes.assign(volumes.begin(), volumes.end());

    BenchInputs at = in;
    PresentAmounts present{};
    for (double volume : volumes) {
        at.pouredVolume = static_cast<float>(volume);
        computeAmounts(species, at, present);
        const Introduced introduced = introducedAmounts(species, at);
        std::array<SampleAffine, Entry::count> forms{};
        if (hideSample) forms = progressTable(species, at).present;
        std::vector<std::optional<double>> row;
        std::size_t j = 0;
        for (const GraphColumn& column : graph) {
            // Millimoles to moles, from the single-precision amount the bars show.
            auto add = [&](double millimoles, bool followsFromSample) {
                if (hideSample && followsFromSample)
                    row.emplace_back();
                else
                    row.emplace_back(millimoles / 1000);
                ++j;
            };
            if (column.introduced != IntroducedBar::None)
                add(introducedBarAmount(column.introduced, introduced), table.columns[j].sample);
            add(present[column.presentEntry], forms[column.presentEntry].dependsOnSample());
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::string amountsTableText(const AmountsTable& table, std::string_view separator,
                             std::string_view lineEnd) {
    std::string text = "V (mL)";
    for (const AmountsColumn& column : table.columns) {
        text += separator;
        text += amountColumnHeader(entryUnicodeFormula(column.entry), column.introduced);
    }
    text += lineEnd;
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        text += numbers::formatPattern(table.volumes[i], "0.0#");
        for (const std::optional<double>& amount : table.rows[i]) {
            text += separator;
            if (amount) text += numbers::formatPattern(*amount, "0.000E+00");
        }
        text += lineEnd;
    }
    return text;
}

} // namespace model
