// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ten situations of the bench: for each, the six texts of the bench boxes and the
// list positions. Shared by the bench (which copies to and from it) and the configuration
// files (which store it).

#include <array>
#include <cstdint>
#include <string>

namespace files {

inline constexpr int situationCount = 10;

struct SituationTable {
    // texts[s][k]: the text of box Text1(k) for situation s, as typed (UTF-8, decimal comma).
    std::array<std::array<std::string, 6>, situationCount> texts;
    // choices[s][1]: position in ions1, [2]: Combo1, [3]: Combo2, [4]: 1 when Check1 is
    // ticked; [0] unused.
    std::array<std::array<std::int16_t, 5>, situationCount> choices{};
    // The situation shown on the bench (0..9), or -1 inside a load.
    std::int16_t current = 0;

    // Every situation at its start values, current = 0.
    void reset() {
        for (auto& t : texts)
            t = {"0,01", "0,005", "0,05", "10", "20,0", "0,0"};
        for (auto& c : choices)
            c = {0, 0, 2, 1, 0};
        current = 0;
    }
    SituationTable() { reset(); }
};

} // namespace files
