// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own dialogs speak French as soon as the application exists.

#include "ui/modal.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <gtest/gtest.h>

namespace {

TEST(QtTexts, StandardDialogsSpeakFrench) {
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QApplication(argc, argv);
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                           QStringLiteral("/qtbase_fr.qm")))
        GTEST_SKIP() << "Qt's French translations are not installed";
    // Keeps the program's modal seam linked, as in the program.
    ui::programFolder();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), "&Nom de fichier :");
}

} // namespace
