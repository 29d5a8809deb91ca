// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the main window reaches the calculator.

class QWidget;

namespace calculator {

// Opens the calculator window "Machine à calculer" modally over the main window; returns
// when the user closes it. Its expression and options are forgotten then; its memory is kept.
void openCalculator(QWidget* mainWindow);

// Closes the calculator window if it is open (the program is closing).
void unloadCalculator();

} // namespace calculator
