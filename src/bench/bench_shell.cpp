// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/bench_shell.h"

#include "bench/feuillep.h"

#include "bench/shell_rules.h"
#include "bench/widgets.h"
#include "calculator/window/calculator_window.h"
#include "drawing/bench_drawing.h"
#include "drawing/widgets/picturebox.h"
#include "exercises/exercise_actions.h"
#include "exercises/exercise_menu.h"
#include "exercises/result_check_window.h"
#include "files/recordfile.h"
#include "files/ui/enregistrer.h"
#include "files/ui/loadconfiguration.h"
#include "files/ui/ouvrir.h"
#include "files/ui/paths.h"
#include "printing/clipboard_copy.h"
#include "printing/confimp.h"
#include "ui/modal.h"
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace bench {

namespace {

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

void BenchShell::Form_Activate() {
    ++activations_;
    // The activation is done: a late notice of the same activation must not repeat it.
    lostToOwnWindow_ = false;
    if (c_.Picture4->isHidden())
        c_.Command3->setText(QStringLiteral("Définir la\nsolution titrée"));
    // "Afficher la concentration", or "inconnue" over a student's own concentration.
    p_.setUp.showSecretLabel(p_.state.exerciseSecret);
    c_.Frame2->picture().setBackColor(QColor(240, 235, 230));
    c_.tabquant->picture().setBackColor(Qt::white);
    const QString request = takeExerciseRequest();
    if (!request.isEmpty()) openRequestedExercise(request);
    p_.chain.majtq();
}

void BenchShell::openRequestedExercise(const QString& name) {
    // The window is hidden while the exercise opens, then shown again.
    exercises::openRequestedExercise(p_.window.exerciseArea(), name);
}

QString BenchShell::temporaryFile() {
    return files::sharedTemporaryFile();
}

void BenchShell::writeTempRecord(int record, const QString& text) {
    // A folder that cannot be written is skipped: the file is a courtesy to other programs.
    files::writeRecord(localPath(temporaryFile()), record, text.toStdString());
}

QString BenchShell::takeExerciseRequest() {
    const std::string path = localPath(temporaryFile());
    const files::RecordText read = files::readRecord(path, 31);
    const bool emptied = files::writeRecord(path, 31, "") == files::RecordStatus::Ok;
    const QString request = read.status == files::RecordStatus::Ok
                                ? QString::fromStdString(read.text).trimmed()
                                : QString();
    // A request that stays in a file this user may only read is not opened again and again.
    return bench::requestToOpen(request, emptied, unemptiedRequest_);
}

void BenchShell::Command1_Click() {
    p_.window.close();
}

void BenchShell::Command2_Click() {
    files::showOpenWindow(p_.window.situationBench());
}

void BenchShell::Command4_Click() {
    printing::showCopyMenu(p_.window.benchPictures(), QCursor::pos());
}

void BenchShell::Command7_Click() {
    exercises::showHelp(&p_.window);
}

void BenchShell::Command8_Click() {
    calculator::openCalculator(&p_.window);
}

void BenchShell::Command10_Click() {
    printing::openPrintOptions(p_.window.benchPictures());
}

void BenchShell::Command11_Click() {
    p_.setUp.storeBenchInSituation();
    files::showSaveWindow(p_.window.situationBench());
}

void BenchShell::btexo_Click() {
    if (!exerciseMenu_)
        exerciseMenu_ = new exercises::ExerciseMenu(p_.window.exerciseArea(), &p_.window);
    exerciseMenu_->popup(c_.btexo);
}

bool BenchShell::queryClose() {
    if (p_.state.exercise.textModified && !exercises::textLossAccepted(&p_.window)) return false;
    return ui::ask(&p_.window, QStringLiteral("Quitter vraiment Titrage colorimétrique\u00A0?"),
                   QStringLiteral("Fermer"), ui::Icon::Question,
                   ui::Buttons::OkCancel) != ui::Answer::Cancel;
}

void BenchShell::endWithoutQuestions() {
    endProgram();
}

void BenchShell::endProgram() {
    closingAccepted_ = true;
    if (ended_) return;
    ended_ = true;
    c_.Timer1.stop();
    c_.Timer2.stop();
    calculator::unloadCalculator();
    writeTempRecord(24, QStringLiteral("NON"));
    p_.window.hide();
    // The whole program ends with its main window, from a modal window's loop too.
    QCoreApplication::exit(0);
}

void BenchShell::setCaption(const QString& caption) {
    p_.window.setWindowTitle(caption);
}

void BenchShell::clearSituationButtons() {
    for (QRadioButton* b : c_.Option2) {
        QSignalBlocker block(b);
        b->setChecked(false);
    }
    p_.window.updateFocusChain();
}

void BenchShell::selectSituation(int index) {
    if (index < 0 || index >= files::situationCount) return;
    c_.Option2[index]->setChecked(true); // raises the switch unless already selected
}

void BenchShell::activationChanged(bool active) {
    // The window is activated when it becomes active the first time or coming back from
    // another window of the program, not when the user comes back from another program.
    if (active) {
        if (lostToOwnWindow_) Form_Activate();
    } else {
        lostToOwnWindow_ = QApplication::activeWindow() != nullptr;
    }
}

bool BenchShell::mayClose() {
    return closingAccepted_ || queryClose();
}

} // namespace bench
