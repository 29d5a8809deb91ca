// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder that is the program's current folder for the length of a test.

#include "support/application.h"

#include <QDir>
#include <QTemporaryDir>

namespace testing_files {

// A fresh temporary folder made the program's current folder.
class Workspace {
public:
    Workspace() : previous_(QDir::currentPath()) {
        support::application();
        QDir::setCurrent(dir_.path());
    }
    ~Workspace() { QDir::setCurrent(previous_); }
    QString path() const { return QDir::cleanPath(QDir(dir_.path()).canonicalPath()); }
    QString file(const QString& name) const { return path() + QLatin1Char('/') + name; }

private:
    QTemporaryDir dir_;
    QString previous_;
};

} // namespace testing_files
