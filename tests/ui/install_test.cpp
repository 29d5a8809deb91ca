// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program writes when its own folder cannot be written (an installation for every
// user), and the stop requests of the system.

#include "ui/modal.h"
#include "ui/paths.h"
#include "ui/stop_signals.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>

namespace {

void ensureApp() {
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QApplication(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
}

TEST(Install, WhichFoldersCanBeWritten) {
    QTemporaryDir dir;
    QFile file(dir.filePath("fichier"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(ui::canWriteInto(dir.path()));
    EXPECT_FALSE(ui::canWriteInto(dir.filePath("absent")));
    EXPECT_FALSE(ui::canWriteInto(dir.filePath("fichier"))) << "a file is no folder";
    EXPECT_FALSE(ui::canWriteInto(QString()));

    const QString locked = dir.filePath("protege");
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFile(locked + "/essai").open(QIODevice::WriteOnly))
        GTEST_SKIP() << "permissions are not enforced for this user";
    EXPECT_FALSE(ui::canWriteInto(locked));
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(Install, ASaveIntoAFolderThatCannotBeWrittenIsProposedInTheDocuments) {
    ensureApp();
    QTemporaryDir dir;
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(documents).isDir()) documents = QDir::homePath();
    const QString inPlace = QDir::toNativeSeparators(dir.filePath("VITAC.C17"));
    const QString installed = QDir::toNativeSeparators(dir.filePath("installe/VITAC.C17"));
    EXPECT_EQ(ui::writableSavePath(inPlace), inPlace);
    EXPECT_EQ(ui::writableSavePath(installed),
              QDir::toNativeSeparators(QDir(documents).filePath("VITAC.C17")));
    EXPECT_EQ(ui::writableSavePath(QString()), QString());
}

TEST(Install, StopSignalsAndTheEndOfTheSessionAreOneRequest) {
    ensureApp();
    ui::StopSignals stops;
    QSignalSpy spy(&stops, &ui::StopSignals::stopRequested);
    for (int number : {SIGTERM, SIGINT, SIGHUP}) {
        spy.clear();
        ASSERT_EQ(std::raise(number), 0);
        // The request arrives through the event loop, not inside the handler.
        EXPECT_TRUE(spy.isEmpty());
        EXPECT_TRUE(spy.wait(2000)) << number;
        ASSERT_EQ(spy.size(), 1);
        EXPECT_EQ(spy.at(0).at(0).toInt(), number);
    }
    spy.clear();
    QEvent quit(QEvent::Quit);
    EXPECT_TRUE(QCoreApplication::sendEvent(QCoreApplication::instance(), &quit))
        << "the quit request is taken, so Qt does not close the windows one by one";
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 0);
}

} // namespace
