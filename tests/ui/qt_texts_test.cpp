// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own dialogs speak French as soon as the application exists.

#include "support/application.h"
#include "ui/modal.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <gtest/gtest.h>

namespace {

TEST(QtTexts, StandardDialogsSpeakFrench) {
    support::application();
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                           QStringLiteral("/qtbase_fr.qm")))
        GTEST_SKIP() << "Qt's French translations are not installed";
    // Keeps the program's modal seam linked, as in the program.
    ui::answerer();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), "&Nom de fichier :");
}

} // namespace
