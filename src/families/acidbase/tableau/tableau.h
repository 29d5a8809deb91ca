// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `titrage --tableau ...`: the table of the "Courbes" tab of a titration, written as CSV on
// the standard output without opening a window (no display is needed), for teachers who
// prepare worksheets. Every species of both families: for an acid-base titration the pH, the
// conductivity and the amounts (model/acidbase/curve_table.h), for a redox one the amounts
// table of the bench (model/amounts_table.h). Cells are separated by ";" with the decimal
// comma, lines end with "\n", UTF-8 without byte order mark.
//
// Options (numbers with the decimal comma or point): --espece, --concentration,
// --prelevement, --titrant, then --eau, --indicateur (acid-base), --reactif, --volume-reactif
// (indirect redox titrations; the bench's defaults 0,05 mol/L and 0 mL), --jusqua (25 mL),
// --pas (0,5 mL), -h/--help; "--option=value" works too. tableauHelp() lists them in French.
// An unknown option, species or indicator, an unreadable number or a value out of the bench's
// limits gives a French message naming it on the standard error, nothing on the standard
// output and the exit status 2.

#include <span>
#include <string>
#include <string_view>

namespace app {

// Whether the arguments (argv[1] on) ask for the table: one of them is "--tableau".
bool asksForTable(std::span<const std::string_view> arguments);
bool asksForTable(int argc, char* argv[]);

struct TableauOutcome {
    int status = 0;  // 0, or 2 for a wrong command line
    std::string out; // the table (or the help); empty when status is 2
    std::string err; // messages, one per line; a warning may come with status 0
};

// The whole answer to the arguments (argv[1] on, "--tableau" among them), written nowhere.
TableauOutcome tableau(std::span<const std::string_view> arguments);

// The French help of the table's options.
std::string tableauHelp();

// The paragraph of the program's own help (titrage --help) that says what it simulates, the
// titrations of both families and how each is followed; lines end with "\n".
std::string_view titrationsSummary();

// For main: the answer written on the standard output and error; returns the exit status.
int printTableau(int argc, char* argv[]);

} // namespace app
