// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercises window Fichexo: lies over the main window, lists the exercise files
// ("*.E44") of a folder, shows the summary of the selected one and opens it.

#include <QDialog>
#include <QLabel>
#include <QPixmap>

#include <array>

class QFrame;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QToolButton;

namespace files {
class DriveList;
class FolderList;
} // namespace files

namespace exercises {

class ExerciseArea;

// The title banner: "Ouvrir un exercice" fading from pale yellow to white.
class TitleBanner : public QWidget {
public:
    explicit TitleBanner(QWidget* parent = nullptr);
    static const QString title;
    // The colour of letter k (1..n) of n.
    static QColor letterColour(int k, int n);

protected:
    void paintEvent(QPaintEvent*) override;
};

// The duration as a row of hourglasses (U+231B). Where no installed font draws that
// character, the hourglasses are drawn by hand.
class HourglassLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class Fichexo : public QDialog {
    Q_OBJECT
public:
    explicit Fichexo(ExerciseArea& area, QWidget* parent = nullptr);

    TitleBanner* tito;
    QFrame* Frame1;
    QLabel* Label5;
    files::DriveList* Drive1;
    files::FolderList* Dir1;
    QListWidget* File1;
    QLineEdit* fichierexo;
    QLabel* intratro;
    QLabel* titratexo;
    QLabel* Label4;
    std::array<QLabel*, 3> Image4;
    QLabel* Label1;
    QPlainTextEdit* Text1;
    HourglassLabel* Text2;
    QLabel* Label2;
    QLabel* Label3;
    QToolButton* ouvreur;
    QToolButton* Image5;
    QFrame* Frame2;
    QPixmap Imagalu;   // lit level indicator
    QPixmap Imagenoir; // dark level indicator

    // Selects the first exercise of the list, or the file chosen by showFile, which shows its
    // summary.
    void Form_Activate();
    // Lists the folder of an exercise file and chooses that file, whose summary shows when the
    // window does (or the message of a file that cannot be read).
    void showFile(const QString& exerciseFile);
    // The exercise folder moves to the list's folder and the summary of the file is shown.
    void File1_Click(const QString& name);
    void showSummary();
    // Opens the selected exercise and closes the window; stays open on a failure.
    void ouvreur_Click();
    void Image5_Click() { reject(); }
    void Drive1_Change();
    void Dir1_Change();

    // Whether the summary says the exercise is corrected.
    bool correctedShown() const;
    // The number of lit level indicators shown.
    int litShown() const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void nameForScreenReaders();
    void placeOverMainWindow();
    void placeWaitingNotice();
    // The file showFile chose, selected in the list, or its summary's message.
    void selectChosenFile();

    ExerciseArea& area_;
    bool activated_ = false;
    QString chosenFile_; // the file showFile chose, until the window is activated
};

// "Ouvrir un exercice (énoncé + configuration)": after the confirmation, shows Fichexo modally
// on the data folder.
void openExerciseBrowser(ExerciseArea& area);
// The same window on an exercise file, chosen in the list of its folder.
void openExerciseBrowserOn(ExerciseArea& area, const QString& exerciseFile);

} // namespace exercises
