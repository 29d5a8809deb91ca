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

// The positions of the species list: the ten redox species first (0 to 9), then a heading
// that cannot be chosen, then the acid-base titrations in the order of their catalogue.
inline constexpr int acidBaseHeadingPosition = 10;
inline constexpr int acidBaseListStart = 11;
inline bool isAcidBasePosition(int position) {
    return position >= acidBaseListStart;
}

// What an acid-base titration needs beyond the six texts and the lists: the volume of water
// added (the text of its box, as typed), the position of the indicator list (0: none) and
// that of the probe list (0: pH meter, 1: conductimeter, 2: none).
struct AcidBaseChoices {
    std::string water = "0";
    std::int16_t indicator = 0;
    std::int16_t probe = 0;
    friend bool operator==(const AcidBaseChoices&, const AcidBaseChoices&) = default;
};

struct SituationTable {
    // texts[s][k]: the text of box Text1(k) for situation s, as typed (UTF-8, decimal comma).
    std::array<std::array<std::string, 6>, situationCount> texts;
    // choices[s][1]: position in ions1, [2]: Combo1, [3]: Combo2, [4]: 1 when Check1 is
    // ticked; [0] unused.
    std::array<std::array<std::int16_t, 5>, situationCount> choices{};
    // The situation shown on the bench (0..9), or -1 inside a load.
    std::int16_t current = 0;
    // acidBase[s]: the acid-base inputs of situation s.
    std::array<AcidBaseChoices, situationCount> acidBase{};

    // Whether a situation holds an acid-base titration.
    bool holdsAcidBase() const {
        for (const auto& c : choices)
            if (isAcidBasePosition(c[1])) return true;
        return false;
    }

    // Every situation at its start values, current = 0.
    void reset() {
        for (auto& t : texts)
            t = {"0,01", "0,005", "0,05", "10", "20,0", "0,0"};
        for (auto& c : choices)
            c = {0, 0, 2, 1, 0};
        acidBase.fill({});
        current = 0;
    }
    SituationTable() { reset(); }
};

} // namespace files
