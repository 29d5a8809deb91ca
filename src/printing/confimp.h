// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print options window confimp: what to print (the bench, the graph, the curves with the
// progress table), the page title,
// the number of copies and the printer; "&OK" prints one page per copy.

#include <QDialog>
#include <array>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;

namespace printing {

class BenchPictures;

class Confimp : public QDialog {
    Q_OBJECT
public:
    // Prints on the given printer (the program's printer unless a caller chooses another).
    Confimp(BenchPictures& source, QPrinter& printer, QWidget* parent = nullptr);

    QGroupBox* Frame1;
    // 0: the bench, 1: never shown, counts only in the check for an empty choice, 2: the graph,
    // 3: the curves and the progress table.
    std::array<QCheckBox*, 4> Chec;
    QLabel* Label5;
    QLineEdit* Text1; // page title
    QLabel* Label3;
    QSpinBox* UpDown1; // number of copies
    QLabel* Label2;
    QLineEdit* defaut;     // printer name
    QPushButton* Command1; // "&OK"
    QPushButton* Command2; // "&Imprimantes"
    QPushButton* Command3; // "&Annuler"
    QPushButton* Command4; // "Compte &rendu…": the student's report
    QFrame* Frame2;        // shown while printing
    QLabel* Label1;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    // The report window; once the report is printed, the print options close too.
    void Command4_Click();

private:
    void placeWindow();
    void showPrinterName();
    void showWaiting(bool waiting);

    BenchPictures& source_;
    QPrinter& printer_;
};

// Runs confimp modally over the main window, on the program's printer.
void openPrintOptions(BenchPictures& source);

} // namespace printing
