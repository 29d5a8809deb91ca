// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's font configuration, read on a second thread while the application connects to
// the display. Reading it (fontconfig's files) is a large part of the program's start-up, and
// the first text of the window needs it; the bare connection to the display does not. The
// thread then does other work of the start that nobody waits for.

#include <functional>
#include <future>
#include <thread>

namespace app {

class FontConfigurationReader {
public:
    // `then` runs on the same thread once the configuration is read.
    explicit FontConfigurationReader(std::function<void()> then = {});
    ~FontConfigurationReader(); // waits for the thread's end
    FontConfigurationReader(const FontConfigurationReader&) = delete;
    FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;

    // Returns once the configuration is read (at once where there is nothing to read), without
    // waiting for `then`.
    void wait();

private:
    std::promise<void> read_;
    std::future<void> readSignal_ = read_.get_future();
    std::thread reader_;
};

} // namespace app
