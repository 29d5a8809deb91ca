// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh main window for each test: headless, every question scripted, the program folder
// in a temporary folder. Every test ends by checking that the questions it expected were all
// asked.

#include "bench/feuillep.h"
#include "bench/widgets.h"
#include "drawing/widgets/picturebox.h"
#include "files/recordfile.h"
#include "files/ui/paths.h"
#include "support/application.h"
#include "support/scripted_answerer.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace benchtest {

class BenchTest : public ::testing::Test {
protected:
    void SetUp() override {
        support::application();
        ASSERT_TRUE(folder.isValid());
        files::setProgramFolder(folder.path());
        window = std::make_unique<bench::FeuilleP>();
        window->Form_Activate();
    }
    void TearDown() override {
        window.reset();
        files::setProgramFolder({});
        script.expectAllUsed();
    }

    // The text the bench holds for a box (the concentration to find too, while it is hidden).
    QString text(int k) const { return window->benchText(k); }
    // Types into a box as a user would, without validating it.
    void type(int k, const QString& t) { window->Text1[k]->setText(t); }
    std::string tempRecord(int record) const {
        return files::readRecord(QFile::encodeName(bench::FeuilleP::temporaryFile()).toStdString(),
                                 record)
            .text;
    }
    // Opens the preparation panel as start-up does.
    void openPanel() { window->Command3_Click(); }

    QTemporaryDir folder;
    ui::ScriptedAnswerer script;
    std::unique_ptr<bench::FeuilleP> window;
};

} // namespace benchtest
