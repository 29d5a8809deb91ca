// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window reduced to what the configuration windows use, recording what they ask of
// it; and a folder that is the program's current folder for the length of a test.

#include "ui/bench_host.h"
#include "ui/program_state.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <string>
#include <vector>

namespace testing_files {

inline QApplication& application() {
    static int argc = 1;
    static char name[] = "files_ui_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: the test input devices Qt creates must not outlive it at exit.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

class FakeHost : public ui::BenchHost {
public:
    QWidget window;
    QString caption = QStringLiteral("Titrage colorimétrique");
    std::vector<std::string> calls;
    int currentWhenSelected = 99;

    QWidget* mainWindow() override { return &window; }
    void setCaption(const QString& c) override {
        caption = c;
        calls.push_back("caption");
    }
    void clearSituationButtons() override { calls.push_back("clear"); }
    void selectSituation(int index) override {
        calls.push_back("select " + std::to_string(index));
        currentWhenSelected = ui::state().situations.current;
        ui::state().situations.current = static_cast<std::int16_t>(index);
    }
    QTextEdit* supertext() override { return nullptr; }
    QLineEdit* fich() override { return nullptr; }
    void showInformation() override {}
    void hideSampleConcentration() override {}
    void revealSampleConcentration() override {}
    QImage benchImage(qreal, bool) override { return {}; }
    QImage graphImage(qreal) override { return {}; }
};

// A fresh temporary folder made the program's current folder, with a fresh program state.
class Workspace {
public:
    Workspace() : previous_(QDir::currentPath()) {
        application();
        QDir::setCurrent(dir_.path());
        ui::state() = ui::ProgramState();
    }
    ~Workspace() { QDir::setCurrent(previous_); }
    QString path() const { return QDir::cleanPath(QDir(dir_.path()).canonicalPath()); }
    QString file(const QString& name) const { return path() + QLatin1Char('/') + name; }

private:
    QTemporaryDir dir_;
    QString previous_;
};

} // namespace testing_files
