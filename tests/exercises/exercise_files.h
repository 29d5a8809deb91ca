// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builders of exercise folders: exercise files, their texts and their configurations.

#include "files/configuration.h"
#include "files/recordfile.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace exotest {

inline QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(data);
}

// An exercise file from its records: twelve at least (missing ones are empty), more when
// given.
inline void writeExercise(const QString& path, const QStringList& records) {
    files::RecordFile file;
    for (int r = 1; r <= std::max<int>(12, records.size()); ++r)
        file.write(r, r <= records.size() ? records[r - 1].toStdString() : std::string());
    file.save(QFile::encodeName(path).toStdString());
}

inline QByteArray rtfText(const char* text) {
    return QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ") + text + "\\par}";
}

// A configuration whose situation 1 titrates the given species.
inline void writeConfiguration(const QString& path, int species, const char* poured) {
    files::SituationTable table;
    table.texts[0] = {"0,012", "0,02", "0,05", "10", "20,0", poured};
    table.choices[0] = {0, std::int16_t(species), 4, 1, 0};
    files::writeConfiguration(QFile::encodeName(path).toStdString(), table);
}

} // namespace exotest
