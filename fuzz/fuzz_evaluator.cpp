// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's evaluator on any line of text, in both angle units. Beyond not crashing,
// a result must be one the calculator can be given back:
//  1. typed back as it stands, a result evaluates to itself, the same text;
//  2. a result that is a finite number, used once in a calculation (R * 1), gives its value
//     written to 15 significant digits, W; the result differs from W only when the line was
//     a number that no step had to compute (then it stays as typed, "007" or "1.50", or
//     carries more than 15 digits), since every computed value is written that way;
//  3. W in turn gives W: a value written to 15 digits and read back is the same value, unless
//     the rounding carried it past the largest double (1.79769313486232E+308), which the
//     calculator then reports as an overflow.

#include "calculator/evaluator.h"
#include "calculator/numbertext.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

struct Result {
    std::int16_t code = -1;
    std::string text;
};

Result evaluate(std::string text, int unit) {
    Result r;
    calculator::evaluateExpression(text, r.code, unit);
    r.text = std::move(text);
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    for (const int unit : {calculator::degrees, calculator::radians}) {
        const Result first = evaluate(line, unit);
        if (first.code != calculator::evaluationOk) continue;

        const Result again = evaluate(first.text, unit);
        FUZZ_CHECK(again.code == calculator::evaluationOk);
        FUZZ_CHECK(again.text == first.text);

        if (!calculator::isNumberToken(first.text)) continue;
        const numbers::NumberPrefix value =
            numbers::readNumber(first.text, calculator::calculatorSyntax);
        if (value.overflow || !std::isfinite(value.value)) continue;
        const std::string written = calculator::writeNumber(value.value);
        const Result used = evaluate(first.text + " * 1", unit);
        FUZZ_CHECK(used.code == calculator::evaluationOk);
        FUZZ_CHECK(used.text == written);
        if (numbers::readNumber(written, calculator::calculatorSyntax).overflow) continue;
        const Result stable = evaluate(written + " * 1", unit);
        FUZZ_CHECK(stable.code == calculator::evaluationOk);
        FUZZ_CHECK(stable.text == written);
    }
    return 0;
}
