// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The families of titrations the bench offers, in the order of its species list.

#include "families/family.h"

#include <memory>
#include <vector>

namespace families {

class Families {
public:
    Families();
    ~Families();
    Families(const Families&) = delete;
    Families& operator=(const Families&) = delete;

    // The family of a titration.
    Family& of(model::TitrationId id) const;
    // Every family, in the order of the list.
    const std::vector<std::unique_ptr<Family>>& all() const { return all_; }

private:
    std::vector<std::unique_ptr<Family>> all_;
};

} // namespace families
