// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program writes when its own folder cannot be written (an installation for every
// user), and the program folder a test may choose.

#include "files/ui/paths.h"
#include "support/application.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Install, WhichFoldersCanBeWritten) {
    QTemporaryDir dir;
    QFile file(dir.filePath("fichier"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(files::canWriteInto(dir.path()));
    EXPECT_FALSE(files::canWriteInto(dir.filePath("absent")));
    EXPECT_FALSE(files::canWriteInto(dir.filePath("fichier"))) << "a file is no folder";
    EXPECT_FALSE(files::canWriteInto(QString()));

    const QString locked = dir.filePath("protege");
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFile(locked + "/essai").open(QIODevice::WriteOnly))
        GTEST_SKIP() << "permissions are not enforced for this user";
    EXPECT_FALSE(files::canWriteInto(locked));
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(Install, ASaveIntoAFolderThatCannotBeWrittenIsProposedInTheDocuments) {
    support::application();
    QTemporaryDir dir;
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(documents).isDir()) documents = QDir::homePath();
    const QString inPlace = QDir::toNativeSeparators(dir.filePath("VITAC.C17"));
    const QString installed = QDir::toNativeSeparators(dir.filePath("installe/VITAC.C17"));
    EXPECT_EQ(files::writableSavePath(inPlace), inPlace);
    EXPECT_EQ(files::writableSavePath(installed),
              QDir::toNativeSeparators(QDir(documents).filePath("VITAC.C17")));
    EXPECT_EQ(files::writableSavePath(QString()), QString());
}

TEST(Install, ProgramFolderCanBeChosenByATest) {
    support::application();
    files::setProgramFolder("/tmp/ailleurs");
    EXPECT_EQ(files::programFolder(), "/tmp/ailleurs");
    files::setProgramFolder({});
    EXPECT_NE(files::programFolder(), "/tmp/ailleurs");
}

} // namespace
