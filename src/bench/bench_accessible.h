// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What assistive technology sees of the main window as a whole: a window (not a bare pane),
// its controls, the ten situations as one group, and nothing of the boxes that hold values
// without showing them.

namespace bench {

// Makes the main window's accessible interface (once per program).
void installBenchAccessibility();

} // namespace bench
