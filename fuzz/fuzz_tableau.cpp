// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of `titrage --tableau` on any arguments (the input's lines, one argument
// each). Beyond not crashing, the answer must be one a teacher can rely on:
//  1. the exit status is 0 or 2;
//  2. with 2, nothing on the standard output and one French message on the standard error,
//     "titrage : ... ." (a no-break space before the colon);
//  3. with 0, the standard error is empty or holds the bench's warning, and the output is the
//     help or a table whose rows all have as many cells as its header; for an acid-base
//     titration every pH lies within 0 to 14 and every σ is a positive number.

#include "families/acidbase/tableau/tableau.h"
#include "fuzz_check.h"
#include "numbers/reading.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> cells(const std::string& line) {
    std::vector<std::string> out(1);
    for (char c : line) {
        if (c == ';')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

double number(const std::string& cell) {
    const numbers::NumberPrefix read = numbers::readNumber(cell, {",", true});
    FUZZ_CHECK(read.length == cell.size() && read.length > 0);
    return read.value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines{"--tableau"};
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    const std::vector<std::string_view> arguments(lines.begin(), lines.end());

    const app::TableauOutcome o = app::tableau(arguments);
    FUZZ_CHECK(o.status == 0 || o.status == 2);
    if (o.status == 2) {
        FUZZ_CHECK(o.out.empty());
        FUZZ_CHECK(o.err.starts_with("titrage\u00A0: "));
        FUZZ_CHECK(o.err.ends_with(".\n"));
        return 0;
    }
    FUZZ_CHECK(o.err.empty() || o.err.starts_with("titrage\u00A0: attention, "));
    FUZZ_CHECK(!o.out.empty());
    if (o.out.starts_with("Utilisation")) return 0;
    std::istringstream table(o.out);
    std::string header;
    std::getline(table, header);
    const std::size_t width = cells(header).size();
    const bool acidBase = header.starts_with("V (mL);pH;σ (mS/cm);");
    int rows = 0;
    for (std::string row; std::getline(table, row); ++rows) {
        const std::vector<std::string> c = cells(row);
        FUZZ_CHECK(c.size() == width);
        if (!acidBase) continue;
        const double pH = number(c[1]);
        FUZZ_CHECK(pH >= 0 && pH <= 14);
        FUZZ_CHECK(number(c[2]) > 0);
    }
    FUZZ_CHECK(rows >= 1);
    return 0;
}
