// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values of a configuration file checked as the bench checks what is typed in its boxes,
// before anything of the file reaches the bench: a file holding a value that the bench could
// not hold (a concentration beyond its limits, a volume beyond its burette, a position that
// none of its lists has) or a text that is no number at all is refused whole, with the reason.
//
// A number is a whole text (blanks around allowed, decimal comma or point, an exponent
// allowed), finite, compared with the limits in single precision as the bench reads it. What
// the bench writes is always accepted: the limits are those of its validation at their widest.
// The potassium iodide volume is held to the burette's 25 mL alone, since a sample chosen
// while the box was not in use may take the sum beyond; the concentration to find may be the
// word of a student's unknown (files/unknown_sample.h). Which positions of the species list
// name a titration, and what the choices a family keeps may hold, are the families' to say:
// the check asks them through FamilyRules (src/families/rules gives those of every family).

#include "files/situations.h"

#include <string>

namespace files {

// What the check asks of the families of titrations.
class FamilyRules {
public:
    virtual ~FamilyRules() = default;
    // Whether a position of the species list names one of the families' titrations.
    virtual bool knowsPosition(int position) const = 0;
    // Why the bench cannot take the choices a situation keeps beyond its texts and lists (one
    // sentence beginning with the value at fault, value_problems.h); empty when it can. Asked
    // of every situation, whatever its titration: the file holds them all.
    virtual std::string choicesProblem(const FamilyChoices& choices) const = 0;
    // What the program says of a file whose records of these choices cannot be read
    // (LoadResult::Damaged).
    virtual std::string damagedFileText() const = 0;
};

// Why the bench cannot take the situations of table: one French sentence naming the first
// situation and value at fault ("Situation n° 3 : la concentration de la solution titrée
// « 1E125 » n'est pas comprise entre 0,0001 et 0,2 mol/L."); empty when it can. Without
// showSample, the concentration to find is named without its value: one that the bench keeps
// hidden (an exercise's) is not given away by the message.
std::string configurationProblem(const SituationTable& table, const FamilyRules& families,
                                 bool showSample = true);

} // namespace files
