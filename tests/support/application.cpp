// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/application.h"

#include <QApplication>
#include <QStandardPaths>

void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace support {

QApplication& application() {
    static int argc = 1;
    static char name[] = "titrage_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        QStandardPaths::setTestModeEnabled(true);
        return new QApplication(argc, argv);
    }();
    return *app;
}

} // namespace support
