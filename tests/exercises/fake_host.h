// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small main window for the exercises tests: the text area, the file-name box and a
// record of what the exercises asked of the bench. Also builders of exercise folders.

#include "files/configuration.h"
#include "files/recordfile.h"
#include "ui/bench_host.h"
#include "ui/program_state.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace exotest {

inline void ensureApp() {
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own globals may be gone by the time statics are torn down, and a
    // widget once shown makes the application's teardown crash then.
    if (!QCoreApplication::instance()) new QApplication(argc, argv);
}

class FakeHost : public ui::BenchHost {
public:
    FakeHost() {
        window.resize(800, 600);
        text = new QTextEdit(&window);
        name = new QLineEdit(&window);
        // As the main window does: a change of the text while fich names something.
        QObject::connect(text, &QTextEdit::textChanged, [this] {
            if (!name->text().isEmpty()) ui::state().textModified = 1;
        });
        showInformation();
    }
    QWidget* mainWindow() override { return &window; }
    void setCaption(const QString& c) override { caption = c; }
    void clearSituationButtons() override { ++clears; }
    void selectSituation(int index) override {
        selected.push_back(index);
        ui::state().situations.current = std::int16_t(index);
    }
    QTextEdit* supertext() override { return text; }
    QLineEdit* fich() override { return name; }
    void showInformation() override {
        ++informations;
        text->setPlainText(QStringLiteral("Titrage colorimétrique\nCe simulateur permet..."));
    }
    void hideSampleConcentration() override {
        ++hides;
        concentrationHidden = true;
    }
    void revealSampleConcentration() override {
        ++reveals;
        concentrationHidden = false;
    }
    QImage benchImage(qreal, bool) override { return {}; }
    QImage graphImage(qreal) override { return {}; }

    QWidget window;
    QTextEdit* text;
    QLineEdit* name;
    QString caption;
    int clears = 0;
    int informations = 0;
    int hides = 0;
    int reveals = 0;
    bool concentrationHidden = false;
    std::vector<int> selected;
};

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

// Resets the program-wide state between tests.
inline void resetState() {
    ui::ProgramState& s = ui::state();
    s.situations.reset();
    s.configFile.clear();
    s.exerciseFolder.clear();
    s.correctionAvailable = 0;
    s.textModified = 0;
}

} // namespace exotest
