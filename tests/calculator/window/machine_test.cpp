#include "calculator/window/machine.h"
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
TEST(Machine, Shot) {
    int argc = 1; char name[] = "t"; char* argv[] = {name};
    QApplication app(argc, argv);
    Machine m; m.show();
    for (auto k : {"B2","multip","bsin","B3","B0"}) m.key(k)->click();
    m.grab().save("/tmp/machine.png");
    m.key("EXE")->click();
    m.grab().save("/tmp/machine2.png");
}
