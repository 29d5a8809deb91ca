// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the program's start-up: a bare Qt Widgets window of the main window's size,
// built with the same compiler and flags, and started the same way by perf/startup.sh.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Fenêtre nue"));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
