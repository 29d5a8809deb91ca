// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Compte rendu…" of the print options: the student completes what the program cannot know
// (the equivalence found, the method, the result with its uncertainty), then the report is
// printed in one document, a PDF file where no printer is installed; on demand, the measured
// points go with it as a CSV file.

#include "printing/report_facts.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace printing {

class BenchPictures;

class ReportWindow : public QDialog {
    Q_OBJECT
public:
    ReportWindow(BenchPictures& source, QPrinter& printer, QWidget* parent = nullptr);

    QLineEdit* student;
    QLineEdit* equivalence;
    QLineEdit* method;
    QLineEdit* concentration;
    QLineEdit* uncertainty;
    QCheckBox* withPoints; // the measured points as a CSV file too
    QPushButton* print;    // "Imprimer", or "Enregistrer en PDF…" without a printer
    QPushButton* cancel;

    ReportAnswers answers() const;
    // Prints the report (and saves the points when asked); the window closes once printed.
    // True when the report went out.
    bool print_Click();

private:
    BenchPictures& source_;
    QPrinter& printer_;
    ReportFacts facts_;
};

} // namespace printing
