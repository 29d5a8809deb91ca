// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Configuration files ".C17": the ten situations in 91 records. Record 1 holds the signature
// "TITRAGE"; then, for each situation s, records 2 + 9s to 7 + 9s hold its six texts and
// records 8 + 9s to 10 + 9s the positions of the three lists as decimal texts. The starch
// box is not stored.
//
// A file in which a situation holds a titration of a family that keeps choices beyond the
// texts and the lists (SituationTable::holdsFamilyChoices) is written with the extended
// signature in record 1, the same records 2 to 91, and 30 more: for each situation s, record
// 92 + 3s holds the text of the water added, records 93 + 3s and 94 + 3s the positions of the
// indicator list and of the probe list as decimal texts (121 records in all). A file without
// them is written as it always was, byte for byte; a program that knows only "TITRAGE" refuses
// the other signature with its message for a file of another program, so that no such
// situation is ever read as an empty one. A file with the extended signature that stops
// before record 121 is damaged: it is refused whole (LoadResult::Damaged).

#include "files/situations.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace files {

inline constexpr int configurationRecords = 91;
inline constexpr std::string_view configurationSignature = "TITRAGE";
inline constexpr int extendedConfigurationRecords = 121;
inline constexpr std::string_view extendedConfigurationSignature = "TITRAGE ACIDO-BASIQUE";

enum class WriteResult { Ok, CannotWrite };
enum class LoadResult { Ok, CannotRead, InvalidSignature, Damaged };

// The content of a configuration file holding the table; none when one of its texts cannot be
// held by a record (over 126 bytes, or a character outside Windows-1252).
std::optional<std::string> configurationBytes(const SituationTable& table);

// Replaces the file at path with the table. A failure (a text the records cannot hold, a
// protected or full disk) leaves any file that was there untouched.
WriteResult writeConfiguration(const std::string& path, const SituationTable& table);

// Reads the file at path into the table: the six texts and choices 1 to 3 of every
// situation, and the choices their families keep (those of a file without them are the start
// values).
// On any result but Ok the table is unchanged. Records 2 to 91 that cannot be read give an
// empty text (position 0); choices[s][4] and current are kept.
LoadResult readConfiguration(const std::string& path, SituationTable& table);
// The same from the bytes of a file held in memory (records after the last one of its
// signature's layout are ignored).
LoadResult readConfigurationBytes(std::string_view bytes, SituationTable& table);

// The integer value of a stored position: the number at the start of the text
// (numbers::readNumber), rounded to the nearest integer with halves to even, held within
// 16 bits; a text that does not start with a number gives 0.
std::int16_t positionValue(std::string_view text);

} // namespace files
