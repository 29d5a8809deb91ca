// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part of the exercise editor that says how the concentration to find is given: the one
// value of the bench, or a range (lowest, highest, significant digits) from which each
// student's own concentration is drawn with the exercise's key.

#include "grading/student_unknown.h"

#include <QGroupBox>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace exercises {

class UnknownFields : public QGroupBox {
    Q_OBJECT
public:
    explicit UnknownFields(QWidget* parent = nullptr);

    QRadioButton* oneValue;
    QRadioButton* range;
    QLineEdit* lowest;  // mol/L, decimal comma or point
    QLineEdit* highest; // mol/L
    QSpinBox* digits;
    QLabel* keyText;
    QPushButton* newKey;
    QPushButton* studentValues; // "Valeurs des élèves…", run by the editor

    // None for one value. For a range: its fields as typed (a bound that is not a number is
    // not a finite number, which grading::rangeProblem refuses with its reason) and the key,
    // made once from a random device the first time a range is chosen.
    std::optional<grading::ExerciseUnknown> unknown();
    void setUnknown(const std::optional<grading::ExerciseUnknown>& unknown);

    // "Changer de clé…": after a question that says every student's value changes.
    void newKey_Click();

    // The key, made now when there is none; tests give theirs.
    grading::ExerciseKey key();
    void setKey(grading::ExerciseKey key);

signals:
    // One value or a range chosen.
    void modeChanged(bool rangeChosen);

private:
    void updateControls();

    std::optional<grading::ExerciseKey> key_;
};

// A key from the system's random device, as each new exercise with a range takes one.
grading::ExerciseKey randomKey();

} // namespace exercises
