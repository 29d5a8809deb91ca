// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The course of an acid-base titration as a table of numbers for the lab report, as the
// "Courbes" tab gives it and the command line prints it: a row per poured volume with the pH,
// the conductivity, the amounts introduced and present of every particle of the mixture in
// mol and, with an indicator, the colour of the solution; and its text as a spreadsheet reads
// it (decimal comma, UTF-8).

#include "model/acidbase/indicators.h"
#include "model/acidbase/mixture.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace model::acidbase {

struct CurveColumn {
    int particle;
    bool introduced;    // the amount introduced (else the amount present)
    bool blank = false; // written as empty cells (an amount kept from the student)
};

struct CurveTable {
    std::vector<CurveColumn> columns; // per particle of columns(): introduced (if any), present
    int indicator = -1;               // the indicator whose colour is given; -1: none
    std::vector<double> volumes;      // mL
    std::vector<double> pH;
    std::vector<double> conductivity;         // mS·cm⁻¹
    std::vector<std::vector<double>> amounts; // amounts[i][j]: column j at volumes[i], mol
    std::vector<ColourWord> colours;          // with an indicator, at volumes[i]
};

// The table at the given poured volumes. A particle has an introduced column when the sample
// or the titrant brings it.
CurveTable curveTable(const Preparation& preparation, std::span<const double> volumes,
                      int indicator = -1);

// The table as text: a header row "V (mL)", "pH", "σ (mS/cm)", then "n(CH₃COOH) introduite
// (mol)", "n(CH₃COOH) présente (mol)", ..., and with an indicator "couleur (hélianthine)"; then
// one line per row: the volume as "4,05", the pH with two decimals ("2,88"), σ with three
// significant digits ("1,23"), the amounts as "5,000E-05" (a blank column's cells empty), the
// colour as said ("orangé").
// Cells are separated by `separator` and every line ends with `lineEnd`.
std::string curveTableText(const CurveTable& table, std::string_view separator,
                           std::string_view lineEnd);

} // namespace model::acidbase
