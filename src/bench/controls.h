// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the main window, by the names the bench has always given them (the glossary
// says what each is). The window builds and lays them out; its parts (parts.h) work them.

#include <QTimer>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTextEdit;
class QToolButton;

namespace drawing {
class PictureBox;
}
namespace exercises {
class FormatBar;
}

namespace bench {

class ImageButton;

struct Controls {
    std::array<QLineEdit*, 6> Text1{};
    QComboBox* ions1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* masquer = nullptr;
    std::array<QRadioButton*, 10> Option2{};
    QLabel* Labelvol = nullptr;
    QLabel* Label1 = nullptr;
    bench::ImageButton* Command5 = nullptr;    // random concentration
    bench::ImageButton* Image3 = nullptr;      // the burette tap
    bench::ImageButton* Image1 = nullptr;      // one drop
    QPushButton* Command1 = nullptr;           // Fermer
    QPushButton* Command2 = nullptr;           // Ouvrir
    QPushButton* Command3 = nullptr;           // preparation / simulation
    QPushButton* Command4 = nullptr;           // Copier
    QPushButton* Command6 = nullptr;           // Vider la burette
    QPushButton* Command7 = nullptr;           // Aide
    QPushButton* Command8 = nullptr;           // Calculatrice
    QPushButton* Command9 = nullptr;           // Simuler le titrage (inside the panel)
    QPushButton* Command10 = nullptr;          // Imprimer
    QPushButton* Command11 = nullptr;          // Enregistrer
    QPushButton* Command12 = nullptr;          // burette back to 0
    QComboBox* tapFlow = nullptr;              // the tap's flow, beside "Vider la burette"
    QToolButton* btexo = nullptr;              // exercises menu
    exercises::FormatBar* formatBar = nullptr; // the text's formats, under the text area
    QPushButton* checkResult = nullptr;        // "Vérifier mon résultat…", under the text area
    QScrollBar* HScroll1 = nullptr;            // tint slider (a bench::TintSlider)
    drawing::PictureBox* picburette = nullptr; // bench picture
    drawing::PictureBox* Picture4 = nullptr;   // preparation panel
    drawing::PictureBox* Onglets = nullptr;    // tab strip and side panel
    drawing::PictureBox* tabquant = nullptr;   // quantities graph
    drawing::PictureBox* Frame2 = nullptr;     // tint-scale panel
    drawing::PictureBox* tabcourbes = nullptr; // curves and progress table
    drawing::PictureBox* PictureMnO4 = nullptr;
    drawing::PictureBox* PictureI2 = nullptr;
    QTimer Timer1;                   // flow, 10 ms at full flow
    QTimer Timer2;                   // falling drop, 60 ms
    QTextEdit* supertext_ = nullptr; // the exercise's text
    QLineEdit* fich_ = nullptr;      // the exercise's name
};

} // namespace bench
