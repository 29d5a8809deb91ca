// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/program_state.h"

namespace ui {

ProgramState& state() {
    static ProgramState instance;
    return instance;
}

} // namespace ui
