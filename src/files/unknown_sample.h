// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The concentration of the solution to titrate in the configurations of an exercise that gives
// each student an unknown of their own. No value stands there: every situation's first text
// (the box Text1(0)) holds the word "inconnue", which the bench replaces by the student's own
// concentration while that exercise is open. So no configuration file, neither the exercise's
// nor one a student saves, holds a student's value or a value from which the range follows.
//
// An older program, or the bench with no such exercise open, reads the word as a text that is
// not a number (a concentration of 0, raised to the bench's lowest once validated).

#include "files/situations.h"

#include <optional>
#include <string>
#include <string_view>

namespace files {

inline constexpr std::string_view unknownSampleText = "inconnue";

// The text stands for the student's unknown (blanks around it allowed, case counts).
bool isUnknownSample(std::string_view text);

// Every situation's concentration to find becomes the word.
void markUnknownSample(SituationTable& table);

// The bytes of a configuration file with every situation's concentration to find replaced by
// the word, every other byte as it was (a file shorter than its 91 records grows the records
// it needs; a last record cut short of its text, which reads as nothing, is dropped). None for
// bytes that are not a configuration (signature absent or wrong).
std::optional<std::string> markUnknownSample(std::string_view configurationBytes);

} // namespace files
