// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/font_configuration.h"

#ifdef TITRAGE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <utility>

namespace app {

FontConfigurationReader::FontConfigurationReader(std::function<void()> then) {
    reader_ = std::thread([this, then = std::move(then)] {
#ifdef TITRAGE_FONTCONFIG
        // Qt's font database starts with the same call, which then finds the configuration read.
        FcInit();
#endif
        read_.set_value();
        if (then) then();
    });
}

FontConfigurationReader::~FontConfigurationReader() {
    if (reader_.joinable()) reader_.join();
}

void FontConfigurationReader::wait() {
    readSignal_.wait();
}

} // namespace app
