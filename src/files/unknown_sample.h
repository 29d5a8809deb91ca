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

#include <array>
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

// The concentrations to find that the bench keeps out of every text while they are secret:
// an exercise's hidden concentration, or each student's own. Each situation whose text is the
// word has its value here; the texts of the situations and of the bench then hold nothing
// from which the value could be read, and a configuration saved meanwhile holds the word.
struct HiddenSample {
    double value = 0;  // mol/L
    std::string typed; // the text it was sealed from; empty for a student's own value
    friend bool operator==(const HiddenSample&, const HiddenSample&) = default;
};

class HiddenSamples {
public:
    // Some situation's concentration is kept here; some student's own value is.
    bool held() const;
    bool holdsStudentsOwn() const;
    // Every situation's concentration to find goes into the secret and its text becomes the
    // word: `own` for every situation (a student's value), or, without it, each situation's
    // own text read as the bench reads it (numbers::parseBenchDouble). A situation whose text
    // is already the word keeps the value it had here, if any.
    void seal(SituationTable& table, std::optional<double> own);
    // The value of situation s, when its text in the table (or `text`, the bench's own for the
    // situation shown) is the word and a value is kept for it.
    std::optional<double> value(int situation, std::string_view text) const;
    // The table with each sealed text put back in place of the word (the values of students
    // stay words): what the exercise's own configuration held.
    SituationTable unsealed(SituationTable table) const;
    // The secret ends: every situation whose text is the word takes `start`, and nothing is
    // kept any more.
    void end(SituationTable& table, std::string_view start);

private:
    std::array<std::optional<HiddenSample>, situationCount> samples_{};
};

} // namespace files
