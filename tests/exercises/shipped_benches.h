// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shipped exercises read as the bench reads them, for the tests that hold their texts
// against the model: the situations of their configurations (a redox bench, or an acid-base
// set-up with its indicator and probe), their statements and corrections as plain text, and
// the figures those texts write ("VE = 12,0 mL", "VE2 = 22,4 mL") with the digits written.

#include "exercises/exercise_file.h"
#include "files/configuration.h"
#include "model/acidbase/meters.h"
#include "model/amounts.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace shipped {

// The folder of the shipped data, with its final separator.
QString dataFolder();
// The exercise files (*.E44) of the data folder, in their order.
QStringList exerciseFiles();

// A situation of a configuration, read as the bench reads its boxes and lists.
struct Bench {
    int species = -1;         // the position in the species list
    model::BenchInputs redox; // the bench's inputs (the acid-base titrations use three)
    std::optional<model::acidbase::BenchSetup> acidBase; // for an acid-base titration
    double poured = 0;                                   // mL, in double precision
};
// Situation s (0 to 9) of the configuration stored in an exercise record; none when the file
// cannot be read.
std::optional<Bench> situation(const QString& storedName, int s = 0);

// A text of the data folder named in an exercise record, as the program shows it.
QString plainText(const QString& storedName);

// A number as a text writes it, with a decimal comma: its value and how many decimals it has.
struct Written {
    QString text;
    double value = 0;
    int decimals = 0;
};
Written written(const QString& text);
// Whether a value, rounded to the decimals of the written number, is that number.
bool roundsTo(double value, const Written& number);

// The equivalence volumes a text states: "VE = 12,0 mL" (index 0), "VE1 = 11,2 mL" (index 1),
// "VE2 = 22,4 mL" (index 2); the E is a subscript, shown as a plain letter.
struct StatedVolume {
    int index = 0;
    Written volume;
};
std::vector<StatedVolume> statedEquivalences(const QString& text);

} // namespace shipped
