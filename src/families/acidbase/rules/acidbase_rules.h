// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the acid-base titrations for the check of a configuration's values: a position
// of the species list from their heading on names a titration of their catalogue, and the
// choices a situation keeps (the water added, the indicator, the probe) are checked as the
// acid-base panel checks them.

#include "files/check/configuration_check.h"

namespace families::acidbase {

const files::FamilyRules& configurationRules();

} // namespace families::acidbase
