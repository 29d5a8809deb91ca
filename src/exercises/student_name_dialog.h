// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Nom et prénom": asked when an exercise gives each student a concentration of their own,
// before anything of the exercise is opened.

#include "exercises/question_dialog.h"

#include <optional>

namespace exercises {

class StudentNameDialog : public QuestionDialog {
    Q_OBJECT
public:
    explicit StudentNameDialog(const QString& exerciseTitle, QWidget* parent = nullptr);

    QLineEdit* name; // the box; OK is offered once grading::nameProblem accepts the name, and
                     // the reason is shown under it otherwise; Annuler opens nothing

private:
    void update();
};

// Runs the dialog through the modal seam: the name as typed (blanks gathered, as cleanName
// gives it), or none when the student cancels.
std::optional<QString> askStudentName(QWidget* parent, const QString& exerciseTitle);

} // namespace exercises
