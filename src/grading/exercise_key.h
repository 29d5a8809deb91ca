// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The random key of an exercise, and the fixed arithmetic that turns a key and a student's
// name into a fraction of [0, 1).
//
// The fraction decides the concentration a student is given, and the teacher's list of the
// students' values must agree with what each student's program draws, whatever the machine and
// whatever later version of the program either of them runs. So nothing here may change, and
// nothing uses std::hash or the standard distributions (whose results the library chooses):
//
//   hash     = FNV-1a 64 bits (offset basis 0xcbf29ce484222325, prime 0x100000001b3) over
//              the 8 bytes of the key, least significant first, then the bytes of the text;
//   mixed    = the SplitMix64 step applied to hash: z = hash + 0x9e3779b97f4a7c15,
//              z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9, z = (z ^ (z >> 27)) * 0x94d049bb133111eb,
//              mixed = z ^ (z >> 31), all modulo 2^64;
//   fraction = (mixed >> 11) / 2^53, exactly representable in a double, in [0, 1).
//
// The text is the student's name in the form normaliseName gives (student_name.h): case,
// accents and punctuation folded away, hyphens and apostrophes as blanks, the words in the
// order of their bytes and joined by one space ("dupont marie" for "Marie Dupont").

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace grading {

inline constexpr std::uint64_t fnvOffsetBasis = 0xcbf29ce484222325;
inline constexpr std::uint64_t fnvPrime = 0x100000001b3;
inline constexpr std::uint64_t splitMixGamma = 0x9e3779b97f4a7c15;

// FNV-1a over bytes, continuing from hash.
std::uint64_t fnv1a64(std::string_view bytes, std::uint64_t hash = fnvOffsetBasis);
// One SplitMix64 step from the state x: its output (the state advanced by the gamma, mixed).
std::uint64_t splitMix64(std::uint64_t x);
// The top 53 bits as a fraction of [0, 1).
double unitFraction(std::uint64_t bits);

// The key an exercise keeps with it (written in its file as keyText).
struct ExerciseKey {
    std::uint64_t value = 0;
    bool operator==(const ExerciseKey&) const = default;
};

// A new key from a seed the caller draws (the exercise window takes it from
// std::random_device): splitMix64(seed), so that close seeds give unrelated keys.
ExerciseKey makeKey(std::uint64_t seed);

// The key's text: 16 lowercase hexadecimal digits, most significant first.
std::string keyText(ExerciseKey key);
// The key of a text of 16 hexadecimal digits (either case), blanks around it allowed; none for
// anything else.
std::optional<ExerciseKey> parseKey(std::string_view text);

// The fraction of [0, 1) for a key and a text, as described above.
double keyedFraction(ExerciseKey key, std::string_view text);

} // namespace grading
