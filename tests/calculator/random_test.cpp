// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of expressions, built from the calculator's own keys or made of random text:
// every evaluation ends within the pass limit with one of the four codes, and a success
// leaves one number.

#include "calculator/evaluator.h"
#include "calculator/keypad.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace {

using calculator::ExpressionEvaluator;
using calculator::Keypad;

// One number as the evaluator writes or reads it; an exponent letter may have lost its digits.
const std::regex oneNumber(R"(-?(\d+\.?\d*|\.\d+)([ED][+-]?\d*)?)");

void checkEvaluation(const std::string& expression, int& successes) {
    for (int unit : {calculator::degrees, calculator::radians}) {
        ExpressionEvaluator evaluator(unit);
        std::string text = expression;
        const std::int16_t code = evaluator.evaluate(text);
        ASSERT_GE(code, 0) << '"' << expression << '"';
        ASSERT_LE(code, 3) << '"' << expression << '"';
        ASSERT_LE(evaluator.passes, ExpressionEvaluator::passLimit) << '"' << expression << '"';
        if (code == calculator::evaluationOk) {
            ASSERT_TRUE(std::regex_match(text, oneNumber))
                << '"' << expression << "\" gave \"" << text << '"';
            ++successes;
        }
    }
}

TEST(RandomExpressions, BuiltFromTheKeys) {
    using Key = std::function<void(Keypad&)>;
    std::vector<Key> keys;
    for (char d = '0'; d <= '9'; ++d)
        keys.push_back([d](Keypad& k) { k.append(std::string(1, d)); });
    for (const char* text :
         {".", "E", "E+3", "E+6", "E+9", "E+12", "E-3", "E-6", "E-9", "E-12", ")"})
        keys.push_back([text](Keypad& k) { k.append(text); });
    for (const char* text : {"sin ", "cos ", "tan ", "invSIN ", "invCOS ", "invTAN ", "ln ", "log ",
                             "exp ", "SQR ", "10 ^ ", "1 / ", "("})
        keys.push_back([text](Keypad& k) { k.appendFactor(text); });
    keys.push_back([](Keypad& k) { k.appendFactor(Keypad::piText()); });
    keys.push_back([](Keypad& k) { k.power(); });
    keys.push_back([](Keypad& k) { k.square(); });
    keys.push_back([](Keypad& k) { k.multiply(); });
    keys.push_back([](Keypad& k) { k.divide(); });
    keys.push_back([](Keypad& k) { k.plus(); });
    keys.push_back([](Keypad& k) { k.minus(); });
    keys.push_back([](Keypad& k) { k.deleteBackwards(); });
    keys.push_back([](Keypad& k) { k.insertAnswer(); });
    keys.push_back([](Keypad& k) { k.memoryRecall(); });
    // The digits come more often, as on a real calculator.
    std::vector<double> weights(keys.size(), 1.0);
    for (std::size_t i = 0; i < 10; ++i)
        weights[i] = 4.0;
    std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());

    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> length(1, 24);
    int successes = 0;
    Keypad keypad; // answers and the memory carry over from one expression to the next
    for (int n = 0; n < 3000; ++n) {
        keypad.clearAll();
        for (int i = length(random); i > 0; --i)
            keys[pick(random)](keypad);
        const std::string expression = keypad.expressionBuffer();
        checkEvaluation(expression, successes);
        if (HasFatalFailure()) return;
        keypad.evaluate();
        if (n % 7 == 0) keypad.memoryAdd();
    }
    // The test means little if almost nothing succeeds.
    EXPECT_GT(successes, 1000);
}

TEST(RandomExpressions, RandomText) {
    const std::string alphabet = "0123456789.EeDd+-*/^()  SINCOLGTAQRXPVsincolgtaqrxpvZ#,\x01"
                                 "\xc2\xb5\xcf\x80";
    std::mt19937 random(1722);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> anyByte(1, 255);
    int successes = 0;
    for (int n = 0; n < 4000; ++n) {
        std::string text;
        for (int i = length(random); i > 0; --i)
            text += n % 5 == 0 ? static_cast<char>(anyByte(random)) : alphabet[pick(random)];
        checkEvaluation(text, successes);
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(successes, 0);
}

} // namespace
