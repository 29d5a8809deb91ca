// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Valeurs des élèves…": the teacher pastes the names of the class, one a line, and reads
// each student's concentration, to copy into a spreadsheet or save as a CSV file for marking.

#include "grading/student_list.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace exercises {

class StudentValuesWindow : public QDialog {
    Q_OBJECT
public:
    // saved: the exercise file holds this range and this key (else the values are those of
    // the exercise once saved, which the window says).
    StudentValuesWindow(const grading::ExerciseUnknown& unknown, bool saved,
                        QWidget* parent = nullptr);

    QLabel* note;
    QPlainTextEdit* names;
    QTableWidget* values;
    QLabel* repeated; // names met twice, listed once
    QLabel* refused;  // lines that are no student's name, with the reason
    QPushButton* copy;
    QPushButton* saveCsv;
    QPushButton* close;

    // The list of the names as they stand.
    const grading::StudentValues& list() const { return list_; }
    // "Copier": the list with tabs, for a spreadsheet.
    void copy_Click();
    // "Enregistrer en CSV…": through the program's file chooser; written safely. True when
    // written.
    bool saveCsv_Click();

private:
    void update();

    grading::ExerciseUnknown unknown_;
    grading::StudentValues list_;
};

} // namespace exercises
