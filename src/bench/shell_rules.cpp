// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/shell_rules.h"

#include <algorithm>

namespace bench {

QPoint titleBarOnScreen(const QRect& frame, const QRect& available) {
    // The far edges come inside first, then the near ones, which win.
    int x = std::min(frame.x(), available.x() + available.width() - frame.width());
    int y = std::min(frame.y(), available.y() + available.height() - frame.height());
    x = std::max(x, available.x());
    y = std::max(y, available.y());
    return {x, y};
}

QString requestToOpen(const QString& request, bool emptied, QString& unemptied) {
    if (emptied || request.isEmpty()) {
        unemptied.clear();
        return request;
    }
    if (request == unemptied) return {};
    unemptied = request;
    return request;
}

} // namespace bench
