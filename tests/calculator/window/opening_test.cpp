// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the calculator from the main window, and its painted background.

#include "calculator/window/calculator_window.h"
#include "machine_fixture.h"

#include <QImage>
#include <QWidget>

namespace {

TEST(Calculator, OpensModallyWithItsCaptionAndDisplay) {
    support::application();
    ui::ScriptedAnswerer script;
    QWidget mainWindow;
    calculator::calculatorMemory() = 0;
    int opened = 0;
    script.onExec = [&](QDialog& dialog) {
        auto* machine = qobject_cast<calculator::Machine*>(&dialog);
        EXPECT_NE(machine, nullptr);
        if (!machine) return 0;
        ++opened;
        EXPECT_EQ(machine->windowTitle(), "Machine à calculer");
        EXPECT_EQ(machine->parentWidget(), &mainWindow);
        EXPECT_EQ(machine->z1->y(), 16);
        EXPECT_EQ(machine->z1->height(), 89);
        // Every opening starts afresh, but the memory stays.
        EXPECT_EQ(machine->z1->text(), "");
        EXPECT_TRUE(machine->angle[0]->isChecked());
        EXPECT_TRUE(machine->C[1]->isChecked());
        machine->key("Command3")->click();
        EXPECT_EQ(machine->z1->text(), opened == 1 ? "0" : "8");
        machine->key("RAZ")->click();
        machine->key("B8")->click();
        machine->key("EXE")->click();
        machine->key("Command1")->click();
        machine->key("ANS")->click();
        EXPECT_EQ(machine->z1->text(), "8");
        calculator::unloadCalculator(); // as when the program closes
        return dialog.result();
    };
    calculator::openCalculator(&mainWindow);
    calculator::openCalculator(&mainWindow);
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(script.execs, 2);
    EXPECT_EQ(calculator::calculatorMemory(), 16);
    calculator::calculatorMemory() = 0;
    calculator::unloadCalculator(); // nothing open: nothing happens
}

TEST(Calculator, PaintsItsBackground) {
    support::application();
    calculator::Machine machine;
    QImage image(machine.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    // The window alone, without its keys and display.
    machine.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);

    struct Pixel {
        const char* what;
        int x, y;
        QRgb colour;
    };
    const QRgb white = qRgb(255, 255, 255);
    const QRgb black = qRgb(0, 0, 0);
    const QRgb darkCyan = qRgb(0, 128, 128);
    const Pixel pixels[] = {
        {"first line", 0, 200, qRgb(200, 250, 250)},
        {"half rounded up to even", 5, 200, qRgb(198, 248, 248)},   // 197.5
        {"half rounded down to even", 7, 200, qRgb(196, 246, 246)}, // 196.5
        {"middle line", 150, 200, qRgb(125, 175, 175)},
        {"line inside the digits frame", 100, 350, qRgb(150, 200, 200)},
        {"last line", 301, 200, qRgb(50, 100, 100)}, // 49.5
        {"below the outline", 200, 429, qRgb(100, 150, 150)},
        {"top of the outline in black", 150, 1, black},
        {"left of the outline in black", 1, 200, black},
        {"right of the outline", 299, 200, white},
        {"bottom of the outline", 150, 428, white},
        {"digits frame, dark cyan top", 150, 289, darkCyan},
        {"digits frame, dark cyan left", 81, 350, darkCyan},
        {"digits frame, dark cyan right", 205, 350, darkCyan},
        {"digits frame, white right", 206, 350, white},
        {"digits frame, white bottom", 150, 421, white},
        {"digits frame, white inside the top", 150, 290, white},
    };
    for (const Pixel& p : pixels)
        EXPECT_EQ(image.pixel(p.x, p.y), p.colour)
            << p.what << " at " << p.x << "," << p.y << ": " << std::hex << image.pixel(p.x, p.y);
}

} // namespace
