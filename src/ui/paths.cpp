// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/paths.h"

#include <QFileInfo>

namespace ui {

QString entryIgnoringCase(const QString& folder, const QString& name, QDir::Filters filters) {
    const QDir dir(folder);
    if (QFileInfo::exists(dir.filePath(name))) return name;
    QString found;
    for (const QString& entry : dir.entryList(filters)) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0) continue;
        if (!found.isEmpty()) return {}; // several candidates: none is the one
        found = entry;
    }
    return found;
}

} // namespace ui
