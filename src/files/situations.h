// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ten situations of the bench: for each, the six texts of the bench boxes and the
// list positions (model/titration_id.h says which titration a position of the species list
// names). Shared by the bench (which copies to and from it) and the configuration files
// (which store it).

#include <array>
#include <cstdint>
#include <string>

namespace files {

inline constexpr int situationCount = 10;

// What the titrations of some families need beyond the six texts and the lists, three
// records per situation (model::keepsFamilyChoices says which families): the volume of water
// added (the text of its box, as typed), the position of the indicator list (0: none) and
// that of the probe list (0: pH meter, 1: conductimeter, 2: none).
struct FamilyChoices {
    std::string water = "0";
    std::int16_t indicator = 0;
    std::int16_t probe = 0;
    friend bool operator==(const FamilyChoices&, const FamilyChoices&) = default;
};

struct SituationTable {
    // texts[s][k]: the text of box Text1(k) for situation s, as typed (UTF-8, decimal comma).
    std::array<std::array<std::string, 6>, situationCount> texts;
    // choices[s][1]: position in ions1, [2]: Combo1, [3]: Combo2, [4]: 1 when Check1 is
    // ticked; [0] unused.
    std::array<std::array<std::int16_t, 5>, situationCount> choices{};
    // The situation shown on the bench (0..9), or -1 inside a load.
    std::int16_t current = 0;
    // family[s]: the choices of situation s kept beyond the texts and the lists.
    std::array<FamilyChoices, situationCount> family{};

    // Whether a situation holds a titration of a family that keeps these choices.
    bool holdsFamilyChoices() const;

    // Every situation at its start values, current = 0.
    void reset() {
        for (auto& t : texts)
            t = {"0,01", "0,005", "0,05", "10", "20,0", "0,0"};
        for (auto& c : choices)
            c = {0, 0, 2, 1, 0};
        family.fill({});
        current = 0;
    }
    SituationTable() { reset(); }
};

} // namespace files
