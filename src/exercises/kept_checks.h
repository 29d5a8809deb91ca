// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checks of the students' results kept in the user's data folder, so that the checks made
// in an exercise under a name come back when the same exercise file is opened again under the
// same name, after the program was closed too (grading/check_log.h gives the file's form).

#include "exercises/exercise_area.h"

#include <vector>

namespace exercises {

// The file: "verifications.txt" in files::userDataFolder().
QString checksFile();

// The checks kept for the exercise file and the name (as normaliseName compares them) of that
// work, in the order made; none when the file is missing, and none of its damaged lines.
std::vector<grading::ResultCheck> keptChecks(const StudentWork& work);

// Keeps one more check of that work in the file. The file is written whole beside the old one,
// which the new one replaces only once complete: a failure leaves the old file as it was, and
// nothing is ever half-written. False when it could not be written.
bool keepCheck(const StudentWork& work, const grading::ResultCheck& check);

} // namespace exercises
