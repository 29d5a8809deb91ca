// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of every family of titrations, as the check of a configuration's values asks them
// (files::FamilyRules): the one place that lists the families' rules.

#include "files/check/configuration_check.h"
#include "files/situations.h"

#include <string>

namespace families {

// A position names a titration when one family knows it; the choices a situation keeps are
// refused for the first problem a family finds in them.
const files::FamilyRules& configurationRules();

// files::configurationProblem with the rules of every family.
std::string configurationProblem(const files::SituationTable& table, bool showSample = true);

} // namespace families
