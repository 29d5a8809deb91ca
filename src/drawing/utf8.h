// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts that the plain C++ libraries keep (names, formulas, messages) are UTF-8 views;
// this makes a Qt string of one.

#include <QString>

#include <string_view>

namespace drawing {

inline QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace drawing
