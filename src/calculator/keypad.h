// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the calculator's keys do to the expression being built, the evaluation with its
// messages, the two display formats and the memory. The calculator window maps its keys and
// the keyboard onto this class and shows `display()` after every key. Pure C++; texts are UTF-8.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace calculator {

// The calculator's memory: lives as long as the program, whatever happens to the window.
double& calculatorMemory();

enum class DisplayFormat { Scientific, Standard };

class Keypad {
public:
    static constexpr std::string_view waitingText = "    Patience... Calculs en cours.     ";
    static constexpr std::string_view overflowText = "Dépassement de capacité";
    // The message shown for an evaluation error code (1 to 3).
    static std::string_view errorMessage(std::int16_t code);

    const std::string& display() const { return display_; }
    const std::string& expressionBuffer() const { return buffer_; }
    const std::string& lastAnswer() const { return lastAnswer_; }
    std::int16_t lastError() const { return lastError_; }

    int angleUnit() const { return angleUnit_; }
    void setAngleUnit(int unit) { angleUnit_ = unit; }
    DisplayFormat format() const { return format_; }
    // Choosing a display format; with an empty expression the last answer is shown again
    // in the new format.
    void setFormat(DisplayFormat format);

    // Appends text as it is: digits, ".", "E", the unit prefixes, ")".
    void append(std::string_view text);
    // Appends a function word, "(", π, "10 ^ ", "1 / " or "SQR ", preceded by " * " when it
    // follows a number or a ")".
    void appendFactor(std::string_view text);
    void insertAnswer();
    void power();
    void square();
    void multiply();
    void divide();
    void plus();
    void minus();
    void deleteBackwards();
    void clearAll();
    // Evaluates the expression. showWaiting, when given, receives the waiting text before the
    // computation starts. Returns true when the display shows a message (the caller beeps).
    bool evaluate(const std::function<void(std::string_view)>& showWaiting = {});

    void memoryAdd();
    void memorySubtract();
    void memoryClear();
    void memoryRecall();

    // π as the key writes it, 15 significant digits.
    static std::string piText();

private:
    void showBuffer() { display_ = buffer_; }
    std::string formatted(double x) const;
    void memoryAddSigned(double sign);

    std::string buffer_;
    std::string lastAnswer_;
    std::string display_;
    std::int16_t lastError_ = 0;
    int angleUnit_ = 0;
    DisplayFormat format_ = DisplayFormat::Standard;
};

} // namespace calculator
