// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/bench_state.h"

#include "model/bench_limits.h"
#include "numbers/formats.h"
#include "numbers/reading.h"

namespace bench {

namespace {

float roundedTo(float x, const char* pattern) {
    return numbers::parseBenchNumber(numbers::formatPattern(x, pattern));
}

} // namespace

BoxValue validatedBox(int box, float x, double sampleVolume) {
    BoxValue v;
    if (x < 0) x = 0;
    if (box == 3) {
        x = roundedTo(x, "0.0E+00");
    } else if (box != 5) {
        x = roundedTo(x, "0.00E+00");
    }
    if (box <= 2) {
        if (x < model::minConcentration) x = float(model::minConcentration);
        if (x > model::maxConcentration) x = float(model::maxConcentration);
    }
    if (box == 3 && sampleVolume + x > model::pipettedLimit)
        x = static_cast<float>(model::pipettedLimit - sampleVolume);
    if (box == 5 && x > model::buretteCapacity) {
        x = static_cast<float>(model::buretteCapacity);
        v.beyondBurette = true;
    }
    v.value = x;
    return v;
}

} // namespace bench
