// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The limits of the bench's inputs, shared by every family of titrations and by the command
// line that checks its values against them.

#include <array>

namespace model {

// Concentrations typed on the bench are held to this range, mol/L.
inline constexpr double minConcentration = 0.0001;
inline constexpr double maxConcentration = 0.2;

// The volumes of the bench's pipettes, mL: its lists "0", "1 mL", "2 mL", "5 mL", "10 mL",
// "20 mL".
inline constexpr std::array<double, 6> pipetteVolumes{0, 1, 2, 5, 10, 20};

// The sample and the reagent added to it stay within 25 mL.
inline constexpr double pipettedLimit = 25;

// The flask of the titrations that add water holds 65 mL (drawing::flaskCapacity) and takes a
// full burette: the sample and the water added to it stay within the 40 mL left. So the bench
// takes at most 40 mL of water, with no sample.
inline constexpr double sampleAndWaterLimit = 40;

} // namespace model
