// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A value, or the French sentence that says why there is none, ready to be shown as it is.

#include <optional>
#include <string>
#include <utility>

namespace grading {

template <typename T> struct Outcome {
    std::optional<T> value;
    std::string reason; // a French sentence; empty when there is a value

    static Outcome success(T v) { return {std::move(v), {}}; }
    static Outcome failure(std::string why) { return {std::nullopt, std::move(why)}; }

    explicit operator bool() const { return value.has_value(); }
    const T& operator*() const { return *value; }
    const T* operator->() const { return &*value; }
};

} // namespace grading
