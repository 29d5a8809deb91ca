// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading/exercise_key.h"

namespace grading {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::uint64_t fnv1a64(std::string_view bytes, std::uint64_t hash) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= fnvPrime;
    }
    return hash;
}

std::uint64_t splitMix64(std::uint64_t x) {
    std::uint64_t z = x + splitMixGamma;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    return z ^ (z >> 31);
}

double unitFraction(std::uint64_t bits) {
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

ExerciseKey makeKey(std::uint64_t seed) {
    return {splitMix64(seed)};
}

std::string keyText(ExerciseKey key) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i) {
        text[i] = digits[key.value & 0xF];
        key.value >>= 4;
    }
    return text;
}

std::optional<ExerciseKey> parseKey(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.size() != 16) return {};
    ExerciseKey key;
    for (const char c : text) {
        const int v = hexValue(c);
        if (v < 0) return {};
        key.value = key.value << 4 | static_cast<std::uint64_t>(v);
    }
    return key;
}

double keyedFraction(ExerciseKey key, std::string_view text) {
    char bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<char>(key.value >> (8 * i) & 0xFF);
    const std::uint64_t hash = fnv1a64(text, fnv1a64(std::string_view(bytes, 8)));
    return unitFraction(splitMix64(hash));
}

} // namespace grading
