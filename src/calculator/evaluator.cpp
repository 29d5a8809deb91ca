// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/evaluator.h"

#include "calculator/numbertext.h"

#include <array>
#include <cmath>
#include <string_view>

namespace calculator {
namespace {

// Raised by any arithmetic failure; the evaluation then ends with code 1.
struct ArithmeticFailure {};

constexpr std::array<std::string_view, 10> keywords = {"SQR", "SIN", "COS", "LOG", "TAN",
                                                       "ISI", "EXP", "ITA", "ICO", "LON"};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool startsWith(const std::string& text, std::size_t at, std::string_view what) {
    if (at + what.size() > text.size()) return false;
    for (std::size_t i = 0; i < what.size(); ++i)
        if (text[at + i] != what[i]) return false;
    return true;
}

// The keyword that starts at `at`, or an empty view.
std::string_view keywordAt(const std::string& text, std::size_t at) {
    if (at + 3 > text.size() || text[at] < 'C' || text[at] > 'T') return {};
    for (std::string_view k : keywords)
        if (text[at] == k[0] && text[at + 1] == k[1] && text[at + 2] == k[2]) return k;
    return {};
}

void toUpperWithoutBlanks(std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == ' ') continue;
        result += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    text = std::move(result);
}

bool replaceAt(std::string& text, std::size_t at, std::string_view pair, char by) {
    if (!startsWith(text, at, pair)) return false;
    text.replace(at, 2, 1, by);
    return true;
}

// Digits and "." only, a sign allowed first, at least one character.
bool isPlainSignedNumber(std::string_view s) {
    if (s.empty()) return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (!(isDigit(c) || c == '.' || (i == 0 && (c == '-' || c == '+')))) return false;
    }
    return true;
}

double operand(std::string_view token) {
    const numbers::NumberPrefix n = numbers::readNumber(token, calculatorSyntax);
    if (n.overflow) throw ArithmeticFailure{};
    return n.value;
}

double checked(double value) {
    if (!std::isfinite(value)) throw ArithmeticFailure{};
    return value;
}

const double pi = 4 * std::atan(1.0);

// Arcsine as the calculator computes it, in radians.
double arcsine(double x) {
    if (x == 1) return pi / 2;
    if (x == -1) return -pi / 2;
    double root = 1 - x * x;
    if (root <= 0) throw ArithmeticFailure{};
    return std::atan(x / std::sqrt(root));
}

} // namespace

void evaluateExpression(std::string& text, std::int16_t& errorCode, int angleUnit) {
    ExpressionEvaluator evaluator(angleUnit);
    errorCode = evaluator.evaluate(text);
}

// GCC 12 warns, when optimising, that the short string copies below may overlap
// (-Wrestrict, a false positive of its string inlining, GCC bug 105651): they cannot.
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
std::int16_t ExpressionEvaluator::evaluate(std::string& text) {
    try {
        simplifyExpression(text);
        if (std::int16_t code = checkExpression(text); code != evaluationOk) return code;
        countTokens(text);
        std::string previousStart;
        int repeatedStarts = 0;
        passes = 0;
        for (int pass = 1;; ++pass) {
            const bool repeated = pass > 1 && text == previousStart;
            previousStart = text;
            if (repeated) {
                simplifyExpression(text);
                // A pass depends only on its starting text (the counters are counted from
                // it) and on whether that text repeats the previous start. Once three passes
                // in a row start alike, every later pass does exactly the same until the
                // pass limit: give up now.
                if (++repeatedStarts == 2) return calculationImpossible;
            } else {
                repeatedStarts = 0;
            }
            if (pass > passLimit) return calculationImpossible;
            passes = pass;
            if (functionCount > 0) {
                reduceFunctions(text);
                simplifyExpression(text);
            }
            if (parenCount > 0) reduceParentheses(text);
            countTokens(text);
            if (functionCount > 0 || parenCount > 0) continue;
            if (operatorCount > 0) {
                reduceOperators(text);
                countTokens(text);
                if (operatorCount > 0) continue;
            }
            std::size_t first = text.find_first_not_of(' ');
            text = first == std::string::npos
                       ? std::string()
                       : text.substr(first, text.find_last_not_of(' ') - first + 1);
            if (text.find(' ') != std::string::npos) return calculationImpossible;
            // An empty expression is worth 0; anything else left must be one number.
            if (text.empty())
                text = "0";
            else if (!isNumberToken(text))
                return calculationImpossible;
            return evaluationOk;
        }
    } catch (const ArithmeticFailure&) {
        return calculationImpossible;
    }
}
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic pop
#endif

void ExpressionEvaluator::simplifyExpression(std::string& text) const {
    toUpperWithoutBlanks(text);
    for (bool changed = true; changed;) {
        const std::string before = text;
        for (std::size_t i = 0; i < text.size(); ++i) {
            replaceAt(text, i, "--", '+');
            replaceAt(text, i, "+-", '-');
            replaceAt(text, i, "-+", '-');
            replaceAt(text, i, "++", '+');
        }
        if (!text.empty() && text[0] == '+') text.erase(0, 1);
        // Parentheses around a plain number go: (-2.5) becomes -2.5.
        for (std::size_t open = text.find('('); open != std::string::npos;) {
            std::size_t close = text.find(')', open + 1);
            if (close != std::string::npos &&
                isPlainSignedNumber(std::string_view(text).substr(open + 1, close - open - 1))) {
                text.erase(close, 1);
                text.erase(open, 1);
                open = text.find('(', open);
            } else {
                open = text.find('(', open + 1);
            }
        }
        changed = text != before;
    }
    tokeniseExpression(text);
}

void ExpressionEvaluator::tokeniseExpression(std::string& text) {
    toUpperWithoutBlanks(text);
    if (!text.empty() && text[0] == '+') text.erase(0, 1);
    text = ' ' + text + ' ';
    const std::size_t limit = 3 * text.size();
    for (std::size_t i = 0; i < limit && i < text.size(); ++i) {
        const char c = text[i];
        const char before = i > 0 ? text[i - 1] : ' ';
        if (!keywordAt(text, i).empty()) {
            text.insert(i + 3, 1, ' ');
        } else if (startsWith(text, i, "LN")) {
            text.replace(i, 2, "LON ");
        } else if (startsWith(text, i, "INVSIN")) {
            text.replace(i, 6, "ISI ");
        } else if (startsWith(text, i, "INVCOS")) {
            text.replace(i, 6, "ICO ");
        } else if (startsWith(text, i, "INVTAN")) {
            text.replace(i, 6, "ITA ");
        } else if (c == '^' || c == '*' || c == '/' ||
                   (c == '+' && before != 'E' && before != 'D') ||
                   (c == '-' && before != 'E' && before != 'D' && before != '(' && before != ' ')) {
            text.replace(i, 1, {' ', c, ' '});
            ++i; // over the blank just inserted
        }
    }
}

std::int16_t ExpressionEvaluator::checkExpression(const std::string& text) {
    int opening = 0;
    int closing = 0;
    std::int16_t code = evaluationOk;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') ++opening;
        if (c == ')') ++closing;
        if ((c == '*' || c == '/' || c == '^') && i + 2 < text.size() && text[i + 2] == ' ')
            code = missingOperand;
    }
    return opening != closing ? parenthesesMismatch : code;
}

void ExpressionEvaluator::countTokens(const std::string& text) {
    parenCount = operatorCount = functionCount = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') ++parenCount;
        if (i + 2 < text.size() && text[i] == ' ' && text[i + 2] == ' ' &&
            std::string_view("+-*/^").find(text[i + 1]) != std::string_view::npos)
            ++operatorCount;
        if (!keywordAt(text, i).empty()) ++functionCount;
    }
}

void ExpressionEvaluator::reduceFunctions(std::string& text) {
    const bool inRadians = angleUnit_ == radians;
    auto toRadians = [&](double x) { return inRadians ? x : x * pi / 180; };
    auto fromRadians = [&](double x) { return inRadians ? x : x * 180 / pi; };
    std::size_t i = 1;
    while (functionCount > 0 && i < text.size()) {
        const std::string_view keyword = keywordAt(text, i);
        const std::size_t start = i + 4; // the argument, after the keyword's blank
        // The argument must already be a plain number (not a group, not another function).
        auto isArgumentStart = [&](std::size_t at) {
            return at < text.size() && (isDigit(text[at]) || text[at] == '.');
        };
        if (keyword.empty() ||
            !(isArgumentStart(start) ||
              (start < text.size() && text[start] == '-' && isArgumentStart(start + 1)))) {
            ++i;
            continue;
        }
        std::size_t end = text.find_first_of(" )", start);
        if (end == std::string::npos) end = text.size();
        const double x = operand(std::string_view(text).substr(start, end - start));
        double value = 0;
        if (keyword == "SQR") {
            if (x < 0) throw ArithmeticFailure{};
            value = std::sqrt(x);
        } else if (keyword == "EXP") {
            value = std::exp(x);
        } else if (keyword == "LOG" || keyword == "LON") {
            if (x <= 0) throw ArithmeticFailure{};
            value = keyword == "LOG" ? std::log(x) / std::log(10.0) : std::log(x);
        } else if (keyword == "SIN") {
            value = std::sin(toRadians(x));
        } else if (keyword == "COS") {
            value = std::cos(toRadians(x));
        } else if (keyword == "TAN") {
            value = std::tan(toRadians(x));
        } else if (keyword == "ISI") {
            value = fromRadians(arcsine(x));
        } else if (keyword == "ICO") {
            value = fromRadians(pi / 2 - arcsine(x));
        } else { // ITA
            value = fromRadians(std::atan(x));
        }
        text.replace(i, end - i, writeNumber(checked(value)));
        --functionCount;
        i = 1;
    }
}

void ExpressionEvaluator::reduceParentheses(std::string& text) {
    while (parenCount > 0) {
        const std::size_t open = text.rfind('(');
        if (open == std::string::npos) return;
        const std::size_t close = text.find(')', open + 1);
        if (close == std::string::npos) return;
        std::string group = text.substr(open + 1, close - open - 1);
        for (char c : group)
            if (c >= 'F' && c <= 'Y') return; // a function still waits inside
        simplifyExpression(group);
        reduceOperators(group);
        text.replace(open, close - open + 1, group);
        --parenCount;
        simplifyExpression(text);
    }
}

void ExpressionEvaluator::reduceOperators(std::string& text) {
    static constexpr std::array<std::string_view, 5> operators = {" ^ ", " / ", " * ", " - ",
                                                                  " + "};
    for (std::size_t k = 0; k < operators.size();) {
        const std::size_t at = text.find(operators[k], 2);
        if (at == std::string::npos) {
            ++k;
            continue;
        }
        const std::size_t blankBefore = text.rfind(' ', at - 1);
        const std::size_t leftStart = blankBefore == std::string::npos ? 0 : blankBefore + 1;
        const std::size_t rightStart = at + 3;
        std::size_t rightEnd = text.find(' ', rightStart);
        if (rightEnd == std::string::npos) rightEnd = text.size();
        const double left = operand(std::string_view(text).substr(leftStart, at - leftStart));
        const double right =
            operand(std::string_view(text).substr(rightStart, rightEnd - rightStart));
        double value = 0;
        switch (operators[k][1]) {
        case '^':
            value = std::pow(left, right);
            break;
        case '/':
            if (right == 0) throw ArithmeticFailure{};
            value = left / right;
            break;
        case '*':
            value = left * right;
            break;
        case '-':
            value = left - right;
            break;
        default:
            value = left + right;
            break;
        }
        text.replace(leftStart, rightEnd - leftStart, writeNumber(checked(value)));
        if (--operatorCount <= 0) return;
        k = 0;
    }
}

} // namespace calculator
