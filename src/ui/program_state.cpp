#include "ui/program_state.h"

namespace ui {

ProgramState& state() {
    static ProgramState instance;
    return instance;
}

} // namespace ui
