// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's font configuration, read on a second thread while the application connects to
// the display. Reading it (fontconfig's files) is a large part of the program's start-up, and
// the first text of the window needs it; the bare connection to the display does not.

#include <thread>

namespace app {

class FontConfigurationReader {
public:
    FontConfigurationReader();
    ~FontConfigurationReader();
    FontConfigurationReader(const FontConfigurationReader&) = delete;
    FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;

    // Returns once the configuration is read (at once where there is nothing to read).
    void wait();

private:
    std::thread reader_;
};

} // namespace app
