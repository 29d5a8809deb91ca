// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which titration is on the bench: its family and its index in that family's catalogue. The
// species list of the bench shows the families one after the other, and the configuration
// files keep the position in that list: the first family's titrations from 0, then for each
// further family a heading that cannot be chosen and its titrations. This file is the one place
// that knows the families' order in the list.

#include <cstdint>

namespace model {

enum class Family : std::uint8_t { Redox, AcidBase };

struct TitrationId {
    Family family = Family::Redox;
    int index = -1; // in the family's catalogue; -1 for none
    friend bool operator==(const TitrationId&, const TitrationId&) = default;
};

// The first family lists its ten species at positions 0 to 9; the heading of the second
// follows, then its titrations.
inline constexpr int firstFamilyCount = 10;
inline constexpr int secondHeadingPosition = firstFamilyCount;
inline constexpr int secondFamilyStart = secondHeadingPosition + 1;

// The titration at a position of the list (index -1 for no position or a heading). Whether the
// index names one of the family's titrations is the family's to say.
constexpr TitrationId titrationAt(int position) {
    if (position >= secondFamilyStart) return {Family::AcidBase, position - secondFamilyStart};
    if (position >= 0 && position < firstFamilyCount) return {Family::Redox, position};
    return {Family::Redox, -1};
}

// The position of a titration in the list; -1 for none.
constexpr int listPosition(TitrationId id) {
    if (id.index < 0) return -1;
    return id.family == Family::Redox ? id.index : secondFamilyStart + id.index;
}

// Whether a position belongs to a family whose situations keep inputs beyond the texts and
// the lists of the first (their configuration files hold these records too).
constexpr bool keepsFamilyChoices(int position) {
    return titrationAt(position).family != Family::Redox;
}

} // namespace model
