// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/window/calculator_window.h"

#include "calculator/window/machine.h"
#include "ui/modal.h"

#include <QPointer>

namespace calculator {
namespace {

QPointer<Machine> openWindow;

} // namespace

void openCalculator(QWidget* mainWindow) {
    Machine machine(mainWindow);
    machine.setWindowTitle(QStringLiteral("Machine à calculer"));
    machine.placeDisplay(16, 89);
    openWindow = &machine;
    ui::exec(machine);
    openWindow = nullptr;
}

void unloadCalculator() {
    if (openWindow) openWindow->reject();
}

} // namespace calculator
