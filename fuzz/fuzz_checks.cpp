// SPDX-License-Identifier: GPL-3.0-or-later
// The file of the checks kept in the user's data folder, from bytes in memory. Beyond not
// crashing on a damaged file: every check read is one that a check can be (made with c2 and
// u(c2) read and z shown from 0,0 to 3,0 or beyond 3 with its verdict, or refused with its
// reason), its line in the report is made, and the file written again from what was read
// reads back as the same checks, and writes again the same bytes.

#include "fuzz_check.h"
#include "grading/check_log.h"
#include "numbers/reading.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<grading::KeptCheck> read = grading::readCheckLog(bytes);
    for (const grading::KeptCheck& kept : read) {
        FUZZ_CHECK(!kept.exercise.empty());
        const grading::ResultCheck& check = kept.check;
        if (check.made()) {
            FUZZ_CHECK(check.concentration > 0 && check.uncertainty > 0);
            FUZZ_CHECK(numbers::parseNumberText(check.concentrationText) == check.concentration);
            if (check.zText.empty()) {
                FUZZ_CHECK(!check.compatible);
            } else {
                const auto z = numbers::parseNumberText(check.zText);
                FUZZ_CHECK(z && *z >= 0 && *z <= grading::zShownLimit);
                FUZZ_CHECK(check.compatible == (*z <= grading::compatibilityLimit));
            }
        } else {
            FUZZ_CHECK(check.zText.empty() && !check.compatible);
        }
        FUZZ_CHECK(!grading::checkLine(check).empty());
    }
    const std::string written = grading::checkLogText(read);
    const std::vector<grading::KeptCheck> again = grading::readCheckLog(written);
    FUZZ_CHECK(again == read);
    FUZZ_CHECK(grading::checkLogText(again) == written);
    return 0;
}
