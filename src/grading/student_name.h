// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A student's name as typed ("Nom et prénom"), in the two forms the program needs. Texts are
// UTF-8 (a byte that is not UTF-8 counts as U+FFFD).
//
// Blanks are the space, the tab, the line ends, and the no-break and other typographic spaces
// (U+00A0, U+2000 to U+200A, U+2028, U+2029, U+202F, U+205F, U+3000). Invisible characters (the
// soft hyphen, the zero-width spaces and joiners, U+2060, the byte order mark U+FEFF) count for
// nothing.

#include <string>
#include <string_view>

namespace grading {

// The name as the program compares names and draws a student's value: the same for
// "  Éloïse  LE  CŒUR ", "eloise le coeur" and "Le Cœur, Éloïse".
//   - letters lose their case and their accents: the Latin letters of Latin-1 and of Latin
//     Extended-A (é, è, ê, ë → e; ç → c; ñ → n; œ → oe, æ → ae, ß → ss, ĳ → ij, ø → o,
//     ł → l, đ and ð → d, þ → th, ı → i...), the Romanian ș and ț, the Vietnamese letters
//     (ơ, ư and U+1EA0 to U+1EF9), and a letter followed by combining accents (U+0300 to
//     U+036F, which are dropped), so a name typed in decomposed form gives the same; the
//     full-width Latin letters and digits are the ASCII ones;
//   - hyphens and apostrophes separate words as blanks do, in all their forms (- ‐ ‑ ‒ – — ―
//     − and the small and full-width hyphens; ' ’ ‘ ‛ ` ´ ′ ‵ ʹ ʻ ʼ and the full-width
//     apostrophe): "Jean-Luc" is "Jean Luc", "O'Brien" is "O Brien";
//   - other punctuation counts for nothing, as control characters do: the ASCII characters
//     that are neither letters, digits nor blanks; ¡ ¦ § ¨ « ¯ ¶ · ¸ » ¿; the general and
//     supplemental punctuation (U+2016 to U+2027, U+2030 to U+205E, U+2E00 to U+2E7F); the CJK
//     punctuation and brackets, and the small and full-width punctuation;
//     "Alice Martin." is "Alice Martin";
//   - everything else (digits, signs such as ×, letters of other scripts) is kept as it is;
//   - the words, so folded, are put in the order of their bytes and joined by one space:
//     "Dupont Marie" and "Marie Dupont" are one name, "marie dupont" gives "dupont marie".
// Empty when the name holds no letter, digit or other character kept (blanks, invisible
// characters, punctuation only): such a name is refused.
std::string normaliseName(std::string_view name);

// The name as shown and listed: blanks around dropped, every run of inner blanks one space,
// invisible characters dropped; case and accents kept.
std::string cleanName(std::string_view name);

// Why a name cannot be a student's, as a French sentence; empty when it can. Refused: a name
// whose normal form is empty, and a name that mixes Latin letters with letters of another
// script (Greek, Cyrillic, Armenian, Hebrew, Arabic, the scripts of India, Thai, Georgian,
// Korean, Japanese, Chinese...), whose letters may look alike and give another value
// ("Alice Mаrtin" with a Cyrillic а). A name wholly in another script is a name.
std::string nameProblem(std::string_view name);

} // namespace grading
