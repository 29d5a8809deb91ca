// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program finds its data and where it writes, by how it is laid out: built or copied
// whole (the data beside the executable), installed (the data under ../share/titrage), or in a
// folder that is not the user's own. Root is held to the same rules: an installation is never
// written into, even by a user who could.

#include "files/ui/paths.h"
#include "support/application.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

enum class Change { None, Missing, ReadOnly, OtherOwner };

struct Layout {
    const char* name;
    const char* program;   // the program folder, under the test's folder
    const char* data;      // where the data are, under the test's folder
    Change change;         // what is done to the program folder once laid out
    bool usersOwn;         // the program writes into its own folder
    bool needsRoot;        // the row can only be laid out by root
    bool needsPermissions; // the row needs a user for whom permissions are enforced
};

const Layout layouts[] = {
    {"built, the data beside", "build/bin", "build/bin", Change::None, true, false, false},
    {"copied whole into a folder of the user", "titrage", "titrage", Change::None, true, false,
     false},
    {"installed, the data under share", "usr/bin", "usr/share/titrage", Change::None, false, false,
     false},
    {"installed under another prefix", "opt/ecole/bin", "opt/ecole/share/titrage", Change::None,
     false, false, false},
    {"a program folder that is gone", "parti", "parti", Change::Missing, false, false, false},
    {"a program folder the user cannot write", "protege", "protege", Change::ReadOnly, false, false,
     true},
    {"another user's folder, run by root", "autrui", "autrui", Change::OtherOwner, false, true,
     false},
};

QString documents() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

QString ownDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

bool permissionsEnforced(const QString& base) {
    const QString probe = base + QStringLiteral("/sonde");
    QDir().mkpath(probe);
    QFile::setPermissions(probe, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool enforced = !QFile(probe + QStringLiteral("/x")).open(QIODevice::WriteOnly);
    QFile::setPermissions(probe,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return enforced;
}

class InstallLayout : public ::testing::Test {
protected:
    void SetUp() override { support::application(); }
    void TearDown() override {
        for (const QString& folder : locked)
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        files::setProgramFolder({});
    }
    QStringList locked;
};

TEST_F(InstallLayout, DataFolderAndWhereTheProgramWrites) {
    const bool root = ::geteuid() == 0;
    for (const Layout& row : layouts) {
        SCOPED_TRACE(row.name);
        QTemporaryDir base;
        ASSERT_TRUE(base.isValid());
        if (row.needsRoot && !root) continue;
        if (row.needsPermissions && !permissionsEnforced(base.path())) continue;
        const QString program = base.filePath(QString::fromLatin1(row.program));
        const QString data = base.filePath(QString::fromLatin1(row.data));
        ASSERT_TRUE(QDir().mkpath(data));
        ASSERT_TRUE(QDir().mkpath(program));
        QFile help(data + QStringLiteral("/Ovlu.hlp"));
        ASSERT_TRUE(help.open(QIODevice::WriteOnly));
        help.close();
        switch (row.change) {
        case Change::None:
            break;
        case Change::Missing:
            ASSERT_TRUE(QDir(program).removeRecursively());
            break;
        case Change::ReadOnly:
            QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            locked << program;
            break;
        case Change::OtherOwner:
            ASSERT_EQ(::chown(QFile::encodeName(program).constData(), 65534, 65534), 0);
            break;
        }
        files::setProgramFolder(program);

        EXPECT_EQ(files::dataFolder(), data);
        EXPECT_EQ(files::programFolderIsUsersOwn(), row.usersOwn);
        const QString temporary = row.usersOwn ? program : ownDataFolder();
        EXPECT_EQ(files::sharedTemporaryFile(), QDir(temporary).filePath("TEMPlu.TMP"));
        // A file opened from the program's folders is saved where the user keeps files.
        const QString kept = row.usersOwn ? program : documents();
        EXPECT_EQ(files::writableFolder(program), kept);
        EXPECT_EQ(files::writableSavePath(program + "/VITAC.C17"),
                  QDir::toNativeSeparators(kept + "/VITAC.C17"));
        if (QFileInfo(data).isDir() && row.change == Change::None) {
            ASSERT_TRUE(QDir().mkpath(data + "/tp"));
            EXPECT_EQ(files::writableFolder(data + "/tp"), row.usersOwn ? data + "/tp" : kept)
                << "a folder inside the data";
        }
        // A folder of the user's own outside the program's stays where it is.
        const QString work = base.filePath(QStringLiteral("travail"));
        ASSERT_TRUE(QDir().mkpath(work));
        EXPECT_EQ(files::writableFolder(work), work);
    }
}

TEST_F(InstallLayout, AShareFolderBesideAFolderOfTheUserIsNoInstallation) {
    // Only ../share/titrage counts: a "share" folder holding something else changes nothing.
    QTemporaryDir base;
    const QString program = base.filePath("bin");
    ASSERT_TRUE(QDir().mkpath(program));
    ASSERT_TRUE(QDir().mkpath(base.filePath("share/autre")));
    QFile misnamed(base.filePath("share/titrage"));
    ASSERT_TRUE(misnamed.open(QIODevice::WriteOnly)) << "a file, not a folder";
    misnamed.close();
    files::setProgramFolder(program);
    EXPECT_EQ(files::dataFolder(), program);
    EXPECT_TRUE(files::programFolderIsUsersOwn());
}

TEST_F(InstallLayout, TheUsersOwnDataFolderIsCreatedForTheTemporaryFile) {
    QTemporaryDir base;
    ASSERT_TRUE(QDir().mkpath(base.filePath("usr/bin")));
    ASSERT_TRUE(QDir().mkpath(base.filePath("usr/share/titrage")));
    files::setProgramFolder(base.filePath("usr/bin"));
    const QString own = ownDataFolder();
    ASSERT_TRUE(own.contains(".qttest")); // never the real user's folder
    QDir(own).removeRecursively();
    const QString temporary = files::sharedTemporaryFile();
    EXPECT_TRUE(QFileInfo(own).isDir());
    EXPECT_EQ(QFileInfo(temporary).absolutePath(), own);
    EXPECT_FALSE(QFileInfo::exists(base.filePath("usr/bin/TEMPlu.TMP")));
    QDir(own).removeRecursively();
}

} // namespace
