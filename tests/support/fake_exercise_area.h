// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window reduced to its exercise area: the text area, the file-name box, and a record
// of what the exercises asked of the bench. The configurations it is asked to load go onto a
// fake bench of situations, as the main window loads them onto its own, and the situations
// asked of the bench are that fake bench's.

#include "exercises/exercise_area.h"
#include "files/ui/loadconfiguration.h"
#include "support/application.h"
#include "support/fake_situation_bench.h"

#include <QLineEdit>
#include <QTextEdit>
#include <QWidget>

#include <optional>
#include <vector>

namespace support {

class FakeExerciseArea : private ApplicationFirst, public exercises::ExerciseArea {
public:
    FakeExerciseArea() {
        window.resize(800, 600);
        text = new QTextEdit(&window);
        name = new QLineEdit(&window);
        // As the main window does: a change of the text while fich names something.
        QObject::connect(text, &QTextEdit::textChanged, [this] {
            if (!name->text().isEmpty()) state.textModified = true;
        });
        showInformation();
    }

    QWidget* mainWindow() override { return &window; }
    exercises::ExerciseState& exercise() override { return state; }
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
    bool sampleConcentrationHidden() override { return concentrationHidden; }
    void sealSample(std::optional<double> own) override {
        seals.push_back(own);
        concentrationHidden = true;
    }
    double sampleConcentration() override { return benchConcentration; }
    exercises::BenchReadings benchReadings() override { return readings; }
    void setResultCheckOffered(bool offered) override { checkOffered = offered; }
    void loadConfiguration(const QString& path) override {
        files::loadConfiguration(bench, path, nullptr);
    }
    const files::SituationTable& exerciseSituations() override { return benchSituations(); }
    void forgetSecretSample() override { ++forgets; }
    const files::SituationTable& benchSituations() override {
        ++benchCopies;
        return bench.state.table;
    }

    QWidget window;
    QTextEdit* text;
    QLineEdit* name;
    exercises::ExerciseState state;
    FakeSituationBench bench;
    int informations = 0;
    int hides = 0;
    int reveals = 0;
    int benchCopies = 0;
    int forgets = 0;
    bool concentrationHidden = false;
    // Every seal of the concentration to find: the student's own value, or none (the
    // exercise's as loaded), in order.
    std::vector<std::optional<double>> seals;
    double benchConcentration = 0.01; // what the bench titrates
    exercises::BenchReadings readings;
    bool checkOffered = false;
};

} // namespace support
