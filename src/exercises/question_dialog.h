// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small window that asks one line of text: a note, the box named by its label (its first
// letter for the keyboard), a reason under it when what is typed cannot be taken (hidden while
// there is none), OK and Annuler.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace exercises {

class QuestionDialog : public QDialog {
public:
    QuestionDialog(const QString& title, const QString& noteText, const QString& boxName,
                   int noteWidth, QWidget* parent);

    QLabel* note;
    QLineEdit* box;
    QLabel* problem;
    QPushButton* ok;
    QPushButton* cancel;

protected:
    // The reason shown under the box and read with it by a screen reader; none hides it.
    void showProblem(const QString& reason);
};

} // namespace exercises
