// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bench's state apart from its controls: the ten situations, the exercise open, the hidden
// and secret concentration, what the bench measured since the burette was emptied, and the
// amounts and scale the graph was last drawn with; and the rule the boxes' values are held to.
// The controls show it; the set-up's handlers (set_up.h) keep the two in step.

#include "exercises/exercise_area.h"
#include "files/ui/situation_bench.h"
#include "files/unknown_sample.h"
#include "model/amounts.h"
#include "model/measurements.h"

#include <QString>

#include <optional>
#include <string>

namespace bench {

// A value of a box as validation holds it: concentrations (boxes 0 to 2) to three significant
// digits within the bench's range, the iodide's volume (3) to two and within what the pipettes
// leave, the poured volume (5) within the burette; never below 0.
struct BoxValue {
    float value = 0;
    bool beyondBurette = false; // the poured volume typed was more than the burette holds
};
BoxValue validatedBox(int box, float typed, double sampleVolume);

struct BenchState {
    files::Situations situations;
    exercises::ExerciseState exercise;
    model::Measurements measurements; // since the burette was last emptied

    // The concentration to find is hidden ("masquer" ticked): it lives in hiddenSample, out of
    // its box, where assistive technology would read it.
    bool sampleHidden = false;
    QString hiddenSample;
    // Hidden and locked by an exercise, until its correction shows it or, once it is closed,
    // the student defines a new solution.
    bool exerciseSecret = false;
    // The secret concentrations, which the word in the situations stands for.
    files::HiddenSamples hiddenSamples;
    files::SituationTable unsealedSituations; // what the exercise's own values give back
    bool loadingForExercise = false;          // an exercise's configuration is being loaded

    model::PresentAmounts presentAmounts{};
    float scaleMax = 0;

    // Hidden and locked by an exercise.
    bool secretHeld() const { return exerciseSecret && sampleHidden; }
    // The secret concentration of the situation shown, when the first box's text is the word
    // that stands for it; none otherwise.
    std::optional<double> secretSample(const std::string& sampleText) const {
        return hiddenSamples.value(situations.table.current, sampleText);
    }
};

} // namespace bench
