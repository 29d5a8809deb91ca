// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh main window for each test: headless, every question scripted, the program folder
// in a temporary folder, the program-wide state at its start values.

#include "bench/feuillep.h"
#include "bench/widgets.h"
#include "drawing/picturebox.h"
#include "files/recordfile.h"
#include "ui/program_state.h"
#include "ui/scripted.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace benchtest {

// Kept alive to the very end: the test helpers' own input devices are destroyed at exit and
// need the application then.
inline QApplication& application() {
    static int argc = 1;
    static char name[] = "bench_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    // The user's own folders of the tests, apart from the real ones.
    QStandardPaths::setTestModeEnabled(true);
    return *app;
}

class BenchTest : public ::testing::Test {
protected:
    void SetUp() override {
        application();
        ASSERT_TRUE(folder.isValid());
        ui::setProgramFolder(folder.path());
        ui::state() = ui::ProgramState{};
        window = std::make_unique<FeuilleP>();
        window->Form_Activate();
    }
    void TearDown() override {
        window.reset();
        ui::setProgramFolder({});
    }

    QString text(int k) const { return window->Text1[k]->text(); }
    // Types into a box as a user would, without validating it.
    void type(int k, const QString& t) { window->Text1[k]->setText(t); }
    std::string tempRecord(int record) const {
        return files::readRecord(QFile::encodeName(FeuilleP::temporaryFile()).toStdString(), record)
            .text;
    }
    // Opens the preparation panel as start-up does.
    void openPanel() { window->Command3_Click(); }

    QTemporaryDir folder;
    ui::ScriptedAnswerer script;
    std::unique_ptr<FeuilleP> window;
};

} // namespace benchtest
