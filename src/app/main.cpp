// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/feuillep.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Titrage colorimétrique"));
    FeuilleP window;
    window.start();
    return app.exec();
}
