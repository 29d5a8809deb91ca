// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/situations.h"

#include "model/titration_id.h"

namespace files {

bool SituationTable::holdsFamilyChoices() const {
    for (const auto& c : choices)
        if (model::keepsFamilyChoices(c[1])) return true;
    return false;
}

} // namespace files
