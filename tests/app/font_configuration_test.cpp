// SPDX-License-Identifier: GPL-3.0-or-later
// The start's second thread: the font configuration read, then work that nobody waits for.
#include "app/font_configuration.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>

namespace {

TEST(FontConfigurationReader, WaitingForTheConfigurationDoesNotWaitForWhatFollows) {
    std::promise<void> release;
    const std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> ran{false};
    {
        app::FontConfigurationReader reader([&] {
            released.wait();
            ran = true;
        });
        auto waited = std::async(std::launch::async, [&] { reader.wait(); });
        EXPECT_EQ(waited.wait_for(std::chrono::seconds(20)), std::future_status::ready)
            << "the configuration is read while what follows is held";
        EXPECT_FALSE(ran);
        release.set_value();
    } // the reader's end waits for what follows
    EXPECT_TRUE(ran);
}

} // namespace
