// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/registry.h"

#include "families/acidbase/acidbase_family.h"
#include "families/redox/redox_family.h"

namespace families {

Families::Families() {
    // In the order of model::Family.
    all_.push_back(std::make_unique<RedoxFamily>());
    all_.push_back(std::make_unique<AcidBaseFamily>());
}

Families::~Families() = default;

Family& Families::of(model::TitrationId id) const {
    const auto k = static_cast<std::size_t>(id.family);
    return k < all_.size() ? *all_[k] : *all_.front();
}

} // namespace families
