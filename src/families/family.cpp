// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/family.h"

#include "drawing/widgets/picturebox.h"

namespace families {

std::optional<drawing::PicturePart> Family::meterPart() const {
    return std::nullopt;
}

} // namespace families
