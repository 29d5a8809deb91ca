// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/curve_table.h"

#include "model/amounts_table.h"
#include "numbers/formats.h"

#include <algorithm>

namespace model::acidbase {

namespace {

bool brought(std::span<const Share> shares, int particle) {
    return std::any_of(shares.begin(), shares.end(),
                       [particle](const Share& s) { return s.particle == particle; });
}

} // namespace

CurveTable curveTable(const Preparation& preparation, std::span<const double> volumes,
                      int indicator) {
    CurveTable table;
    table.indicator = isIndicator(indicator) ? indicator : -1;
    for (int particle : columns(preparation.titration)) {
        if (brought(sampleShares(preparation.titration), particle) ||
            brought(titrantShares(titrant(preparation.titration)), particle))
            table.columns.push_back({particle, true});
        table.columns.push_back({particle, false});
    }
    for (double volume : volumes) {
        const Mixture m = mixtureAt(preparation, volume);
        table.volumes.push_back(volume);
        table.pH.push_back(m.pH);
        table.conductivity.push_back(conductivity(m));
        std::vector<double> row;
        for (const CurveColumn& column : table.columns) {
            const double millimoles = column.introduced
                                          ? introducedAmount(preparation, volume, column.particle)
                                          : m.amount(column.particle);
            row.push_back(millimoles / 1000);
        }
        table.amounts.push_back(std::move(row));
        if (table.indicator >= 0) table.colours.push_back(indicatorColourWord(indicator, m.pH));
    }
    return table;
}

std::string curveTableText(const CurveTable& table, std::string_view separator,
                           std::string_view lineEnd) {
    std::string text = "V (mL)";
    text += separator;
    text += "pH";
    text += separator;
    text += "σ (mS/cm)";
    for (const CurveColumn& column : table.columns) {
        text += separator;
        text += amountColumnHeader(formula(column.particle), column.introduced);
    }
    if (table.indicator >= 0) {
        text += separator;
        text += "couleur (";
        text += indicatorFacts(table.indicator).name;
        text += ')';
    }
    text += lineEnd;
    for (std::size_t i = 0; i < table.volumes.size(); ++i) {
        text += numbers::formatPattern(table.volumes[i], "0.0#");
        text += separator;
        text += numbers::formatPattern(table.pH[i], "0.00");
        text += separator;
        text += numbers::formatSignificant(table.conductivity[i], 3);
        for (std::size_t j = 0; j < table.amounts[i].size(); ++j) {
            text += separator;
            if (!table.columns[j].blank)
                text += numbers::formatPattern(table.amounts[i][j], "0.000E+00");
        }
        if (table.indicator >= 0) {
            text += separator;
            text += colourName(table.colours[i]);
        }
        text += lineEnd;
    }
    return text;
}

} // namespace model::acidbase
