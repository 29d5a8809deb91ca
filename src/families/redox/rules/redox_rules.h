// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the redox titrations for the check of a configuration's values: a position of
// the species list names one of their species when the catalogue has it; they keep no choices
// beyond the texts and the lists, so they find nothing to say of those.

#include "files/check/configuration_check.h"

namespace families::redox {

const files::FamilyRules& configurationRules();

} // namespace families::redox
