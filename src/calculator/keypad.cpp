// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/keypad.h"

#include "calculator/evaluator.h"
#include "calculator/numbertext.h"

#include <cmath>

namespace calculator {
namespace {

bool isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

std::string trimmed(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

bool endsWith(const std::string& text, char c) {
    return !text.empty() && text.back() == c;
}

} // namespace

double& calculatorMemory() {
    static double memory = 0;
    return memory;
}

std::string_view Keypad::errorMessage(std::int16_t code) {
    switch (code) {
    case parenthesesMismatch:
        return "Erreur saisie\u00A0: revoir les parenthèses";
    case missingOperand:
        return "Erreur saisie\u00A0: incompréhension sur opérateurs\u00A0: ^ * / + -";
    default:
        return "Calcul impossible";
    }
}

std::string Keypad::piText() {
    return writeNumber(4 * std::atan(1.0));
}

std::string Keypad::formatted(double x) const {
    return format_ == DisplayFormat::Scientific ? formatScientific(x) : formatStandard(x);
}

void Keypad::setFormat(DisplayFormat format) {
    format_ = format;
    if (buffer_.empty())
        display_ = formatted(numbers::leadingNumber(lastAnswer_, calculatorSyntax));
}

void Keypad::append(std::string_view text) {
    buffer_ += text;
    showBuffer();
}

void Keypad::appendFactor(std::string_view text) {
    if (!buffer_.empty() && !endsWith(buffer_, '(') && !endsWith(buffer_, '-') &&
        !endsWith(buffer_, ' '))
        buffer_ += " * ";
    append(text);
}

void Keypad::insertAnswer() {
    if (lastError_ == 0) buffer_ += trimmed(lastAnswer_);
    showBuffer();
}

void Keypad::power() {
    if (isBlank(buffer_)) insertAnswer();
    append(" ^ ");
}

void Keypad::square() {
    if (isBlank(buffer_)) insertAnswer();
    append(" ^ 2");
}

void Keypad::multiply() {
    if (isBlank(display_)) return;
    if (isBlank(buffer_)) insertAnswer();
    append(" * ");
}

void Keypad::divide() {
    if (isBlank(display_)) return;
    if (isBlank(buffer_)) insertAnswer();
    append(" / ");
}

void Keypad::plus() {
    if (isBlank(display_)) return;
    if (isBlank(buffer_)) insertAnswer();
    append(endsWith(buffer_, 'E') ? "+" : " + ");
}

void Keypad::minus() {
    if (endsWith(buffer_, '(') || endsWith(buffer_, ' ') || endsWith(buffer_, 'E'))
        append("-");
    else if (endsWith(buffer_, '-'))
        append(" -");
    else if (!buffer_.empty())
        append(" - ");
    else
        append("-");
}

void Keypad::deleteBackwards() {
    if (!buffer_.empty()) {
        const std::size_t n = buffer_.size();
        if (buffer_.back() != ' ') {
            buffer_.pop_back();
        } else if (n >= 2 &&
                   std::string_view("*+/-^").find(buffer_[n - 2]) != std::string_view::npos) {
            buffer_.erase(n >= 3 ? n - 3 : 0);
        } else {
            // A function word and its blank go together.
            do {
                buffer_.pop_back();
            } while (!buffer_.empty() && buffer_.back() != ' ' && buffer_.back() != '(');
        }
    }
    showBuffer();
}

void Keypad::clearAll() {
    buffer_.clear();
    showBuffer();
}

bool Keypad::evaluate(const std::function<void(std::string_view)>& showWaiting) {
    lastError_ = 0;
    std::string expression = buffer_;
    const std::string kept = buffer_;
    display_ = waitingText;
    if (showWaiting) showWaiting(display_);
    evaluateExpression(expression, lastError_, angleUnit_);
    bool message = lastError_ != 0;
    if (!message) {
        bool overflow = false;
        const double value = numbers::leadingNumber(expression, calculatorSyntax, &overflow);
        if (overflow) {
            // Beyond a double: nothing usable for "ANS" until the next good result.
            display_ = overflowText;
            lastError_ = calculationImpossible;
            message = true;
        } else {
            display_ = formatted(value);
        }
        buffer_.clear();
    } else {
        display_ = errorMessage(lastError_);
        buffer_ = kept;
    }
    lastAnswer_ = display_;
    return message;
}

void Keypad::memoryAddSigned(double sign) {
    bool overflow = false;
    const double x = numbers::leadingNumber(display_, calculatorSyntax, &overflow);
    const double sum = calculatorMemory() + sign * x;
    // A sum beyond a double is not stored.
    if (!overflow && std::isfinite(sum)) calculatorMemory() = sum;
}

void Keypad::memoryAdd() {
    memoryAddSigned(1);
}
void Keypad::memorySubtract() {
    memoryAddSigned(-1);
}
void Keypad::memoryClear() {
    calculatorMemory() = 0;
}

void Keypad::memoryRecall() {
    buffer_ += trimmed(formatted(calculatorMemory()));
    showBuffer();
}

} // namespace calculator
