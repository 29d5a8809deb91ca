// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A student's name as typed ("Nom et prénom"), in the two forms the program needs. Texts are
// UTF-8 (a byte that is not UTF-8 counts as U+FFFD).
//
// Blanks are the space, the tab, the line ends, and the no-break and other typographic spaces
// (U+00A0, U+2000 to U+200A, U+202F, U+205F, U+3000). Invisible characters (the soft hyphen,
// the zero-width spaces and joiners, U+2060, the byte order mark U+FEFF) count for nothing.

#include <string>
#include <string_view>

namespace grading {

// The name as the program compares names and draws a student's value: the same for
// "  Éloïse  LE  CŒUR " and "eloise le coeur".
//   - blanks around are dropped and every run of inner blanks becomes one space;
//   - letters lose their case and their accents: the Latin letters of Latin-1 and of Latin
//     Extended-A (é, è, ê, ë → e; ç → c; ñ → n; œ → oe, æ → ae, ß → ss, ĳ → ij, ø → o,
//     ł → l, đ and ð → d, þ → th, ı → i...), the Romanian ș and ț, the Vietnamese letters
//     (ơ, ư and U+1EA0 to U+1EF9), and a letter followed by combining accents (U+0300 to
//     U+036F, which are dropped), so a name typed in decomposed form gives the same;
//   - the typographic apostrophes (’ ‘ ʼ ´ `) become ' and the dashes U+2010 to U+2013
//     become -;
//   - everything else (digits, punctuation, other scripts) is kept as it is.
// The order of the words counts: "Martin Léa" and "Léa Martin" are two names. Empty when the
// name holds nothing but blanks and invisible characters: such a name is refused.
std::string normaliseName(std::string_view name);

// The name as shown and listed: blanks around dropped, every run of inner blanks one space,
// invisible characters dropped; case and accents kept.
std::string cleanName(std::string_view name);

} // namespace grading
