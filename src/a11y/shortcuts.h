// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard shortcuts of the whole program, and the window "Raccourcis clavier" that lists
// them (Maj+F1 on the bench, and a link of the help).

#include <span>

class QWidget;

namespace a11y {

struct Shortcut {
    const char* where; // the window or the control (UTF-8)
    const char* keys;
    const char* action;
};

// Every shortcut, window by window.
std::span<const Shortcut> shortcuts();

// Shows the window "Raccourcis clavier" beside parent's window, the list's first row chosen;
// asking again brings the one window back. It does not block: the bench stays usable.
void showShortcuts(QWidget* parent);

} // namespace a11y
