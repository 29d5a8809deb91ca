// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one application object of a test program, and readable Qt strings in failure messages.

#include <QString>

#include <ostream>

class QApplication;

// Readable failure messages for Qt strings.
void PrintTo(const QString& s, std::ostream* os);

namespace support {

// Made at the first call and never destroyed: Qt's own globals may be gone by the time
// statics are torn down, and the test helpers' input devices need the application at exit.
// The user's folders are the test ones (QStandardPaths' test mode), apart from the real ones.
QApplication& application();

// A base that makes the application before the widget members of the class deriving from it.
struct ApplicationFirst {
    ApplicationFirst() { application(); }
};

} // namespace support
