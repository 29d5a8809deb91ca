// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/random_concentration.h"

#include "numbers/formats.h"
#include "numbers/reading.h"

#include <random>

namespace bench {
namespace {

std::mt19937& generator() {
    static std::mt19937 g;
    return g;
}

} // namespace

void seedRandomConcentration(unsigned seed) {
    generator().seed(seed);
}

unsigned clockSeed(std::chrono::nanoseconds sinceEpoch) {
    // Both halves of the count: the low one changes within a second, the high one over days.
    const auto count = static_cast<unsigned long long>(sinceEpoch.count());
    return static_cast<unsigned>(count ^ (count >> 32));
}

float drawUniform() {
    // 24 random bits: every value is exact in single precision and below 1.
    return static_cast<float>(generator()() >> 8) * (1.0f / 16777216.0f);
}

float randomConcentration(float r) {
    float c = (9 * r + 1) / 1000;
    c = numbers::parseBenchNumber(numbers::formatPattern(c, "0.00E+00"));
    if (c >= 0.01f) c = 0.00999f;
    return c;
}

} // namespace bench
