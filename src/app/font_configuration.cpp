// SPDX-License-Identifier: GPL-3.0-or-later
#include "font_configuration.h"

#ifdef TITRAGE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace app {

FontConfigurationReader::FontConfigurationReader() {
#ifdef TITRAGE_FONTCONFIG
    // Qt's font database starts with the same call, which then finds the configuration read.
    reader_ = std::thread([] { FcInit(); });
#endif
}

FontConfigurationReader::~FontConfigurationReader() {
    wait();
}

void FontConfigurationReader::wait() {
    if (reader_.joinable()) reader_.join();
}

} // namespace app
