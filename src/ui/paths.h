// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File names on case-sensitive file systems: files copied from Windows keep names whose case
// may differ from the names that other files store for them.

#include <QDir>
#include <QString>

namespace ui {

// The entry of folder named name, or else the one entry (among those the filters keep)
// whose name differs from it only in case; empty when there is none or several.
QString entryIgnoringCase(const QString& folder, const QString& name,
                          QDir::Filters filters = QDir::AllEntries | QDir::Hidden |
                                                  QDir::NoDotAndDotDot);

} // namespace ui
