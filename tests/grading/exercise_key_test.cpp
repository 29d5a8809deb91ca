// SPDX-License-Identifier: GPL-3.0-or-later
// The key of an exercise and the arithmetic that turns it and a name into a fraction: the
// published test values of FNV-1a and SplitMix64, the key's text, and fractions worked out
// from the written definition apart from this code.
#include "grading/exercise_key.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using grading::ExerciseKey;

TEST(StableHash, Fnv1aGivesThePublishedValues) {
    struct Row {
        const char* text;
        std::uint64_t expected;
    } rows[] = {
        {"", 0xcbf29ce484222325},
        {"a", 0xaf63dc4c8601ec8c},
        {"foobar", 0x85944171f73967e8},
    };
    for (const Row& r : rows)
        EXPECT_EQ(grading::fnv1a64(r.text), r.expected) << '"' << r.text << '"';
    // Continuing a hash is hashing the texts end to end.
    EXPECT_EQ(grading::fnv1a64("bar", grading::fnv1a64("foo")), 0x85944171f73967e8u);
}

TEST(StableHash, SplitMix64GivesThePublishedSequence) {
    // The first two outputs of SplitMix64 started from the state 0.
    EXPECT_EQ(grading::splitMix64(0), 0xe220a8397b1dcdafu);
    EXPECT_EQ(grading::splitMix64(grading::splitMixGamma), 0x6e789e6aa1b965f4u);
}

TEST(StableHash, FractionTakesTheTop53Bits) {
    EXPECT_EQ(grading::unitFraction(0), 0.0);
    EXPECT_EQ(grading::unitFraction(0x7FF), 0.0);
    EXPECT_EQ(grading::unitFraction(0x800), 0x1.0p-53);
    EXPECT_EQ(grading::unitFraction(0x8000000000000000), 0.5);
    EXPECT_EQ(grading::unitFraction(~std::uint64_t(0)), 1.0 - 0x1.0p-53);
}

TEST(StableHash, KeyedFractionFollowsItsDefinition) {
    // Worked out from the definition in the header (key bytes least significant first, then
    // the name; SplitMix64 step; top 53 bits), by a separate implementation.
    const ExerciseKey key{0x0123456789abcdef};
    EXPECT_EQ(grading::keyedFraction(key, "lea martin"), 0x1.f67f0c5343d88p-1);
    EXPECT_EQ(grading::keyedFraction(key, "eloise le coeur"), 0x1.2b22c7c18a748p-3);
    EXPECT_EQ(grading::keyedFraction(key, ""), 0x1.f52e65cce1ff6p-2);
    EXPECT_EQ(grading::keyedFraction(ExerciseKey{0}, "a"), 0x1.31eea70857decp-3);
}

TEST(ExerciseKeys, MadeFromTheSeedBySplitMix) {
    EXPECT_EQ(grading::makeKey(0).value, 0xe220a8397b1dcdafu);
    EXPECT_EQ(grading::makeKey(42).value, 0xbdd732262feb6e95u);
    EXPECT_NE(grading::makeKey(1), grading::makeKey(2));
}

TEST(ExerciseKeys, TextIsSixteenLowercaseHexDigits) {
    struct Row {
        const char* name;
        std::uint64_t key;
        const char* text;
    } rows[] = {
        {"zero", 0, "0000000000000000"},
        {"leading zeros kept", 0xabc, "0000000000000abc"},
        {"every digit", 0x0123456789abcdef, "0123456789abcdef"},
        {"all ones", ~std::uint64_t(0), "ffffffffffffffff"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(grading::keyText({r.key}), r.text) << r.name;
        EXPECT_EQ(grading::parseKey(r.text), ExerciseKey{r.key}) << r.name;
    }
}

TEST(ExerciseKeys, ReadingRefusesAnythingButSixteenHexDigits) {
    struct Row {
        const char* name;
        const char* text;
        std::optional<ExerciseKey> expected;
    } rows[] = {
        {"capitals", "0123456789ABCDEF", ExerciseKey{0x0123456789abcdef}},
        {"blanks around", "  0123456789abcdef\t", ExerciseKey{0x0123456789abcdef}},
        {"empty", "", std::nullopt},
        {"fifteen digits", "123456789abcdef", std::nullopt},
        {"seventeen digits", "00123456789abcdef", std::nullopt},
        {"not hexadecimal", "0123456789abcdeg", std::nullopt},
        {"inner blank", "01234567 89abcdef", std::nullopt},
        {"prefix 0x", "0x0123456789abcd", std::nullopt},
        {"sign", "-123456789abcdef", std::nullopt},
    };
    for (const Row& r : rows)
        EXPECT_EQ(grading::parseKey(r.text), r.expected) << r.name;
}

} // namespace
