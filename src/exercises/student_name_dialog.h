// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Nom et prénom": asked when an exercise gives each student a concentration of their own,
// before anything of the exercise is opened.

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace exercises {

class StudentNameDialog : public QDialog {
    Q_OBJECT
public:
    explicit StudentNameDialog(const QString& exerciseTitle, QWidget* parent = nullptr);

    QLabel* note;
    QLineEdit* name;
    QLabel* problem;     // why the name typed cannot be taken; hidden while it can
    QPushButton* ok;     // offered once grading::nameProblem accepts the name
    QPushButton* cancel; // nothing is opened

private:
    void update();
};

// Runs the dialog through the modal seam: the name as typed (blanks gathered, as cleanName
// gives it), or none when the student cancels.
std::optional<QString> askStudentName(QWidget* parent, const QString& exerciseTitle);

} // namespace exercises
