#pragma once
// Shared pieces of the side-panel tests: the application object and pixel helpers.

#include "drawing/picture.h"

#include <QApplication>
#include <QColor>

namespace panels_test {

// Fonts and widgets need an application object; one for the whole test program.
inline QApplication& app() {
    static int argc = 1;
    static char name[] = "drawing_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* a = QApplication::instance()
                                 ? static_cast<QApplication*>(QApplication::instance())
                                 : new QApplication(argc, argv);
    return *a;
}

inline QColor rgb(int r, int g, int b) {
    return QColor(r, g, b);
}

// Saves a picture for a look with an image viewer (only when asked for).
inline void save(const drawing::Picture& pic, const char* name) {
    const QByteArray dir = qgetenv("TITRAGE_TEST_IMAGES");
    if (!dir.isEmpty()) pic.image().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

} // namespace panels_test
