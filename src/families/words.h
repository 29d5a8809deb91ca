// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bench's values in words, for what is read rather than seen (by a screen reader).

#include <QString>

namespace families {

// A concentration typed on the bench, with two significant figures at least ("0,01" gives
// "0,010", "0,2" gives "0,20"); the figures typed are all kept ("0,0125").
QString concentrationText(const QString& typed);

} // namespace families
