// SPDX-License-Identifier: GPL-3.0-or-later
// The frame around the bench: signals of the controls, activation, the temporary file
// shared with other programs, the command buttons, closing, and what the secondary windows
// need of the main window.
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

// ---- Signals of the controls ----

void FeuilleP::connectHandlers() {
    for (int k = 0; k < 6; ++k) {
        connect(Text1[k], &QLineEdit::textEdited, this, [this, k] { guardPastedText(k); });
        connect(Text1[k], &QLineEdit::textChanged, this, [this, k] { updateBoxDescription(k); });
    }
    // A list position, a check box or a situation button changed by program raises the same
    // handler as a click.
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this] { Combo2_Click(); });
    connect(ions1, &QComboBox::currentIndexChanged, this, [this] { ions1_Click(); });
    connect(ions1, &QComboBox::activated, this, [this] { newSolutionChosen(); });
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    connect(masquer, &QCheckBox::toggled, this, [this] { masquer_Click(); });
    for (int i = 0; i < 10; ++i)
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Option2_Click(i);
        });
    connect(Command5, &bench::ImageButton::clicked, this, [this] { drawFromDie(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
    connect(Command12, &QPushButton::clicked, this, [this] { Command12_Click(); });
    // The tint scales follow the slider (their family listens to it); the bench follows on
    // release.
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { reftq(); });

    // The tap: a press that ended in the empty-burette question has no release or click.
    connect(Image3, &bench::ImageButton::pressed, this, [this] {
        tapQuestionAsked_ = false;
        tapByKey_ = Image3->pressedByKey();
        Image3_MouseDown();
    });
    connect(Image3, &bench::ImageButton::released, this, [this] {
        if (!tapQuestionAsked_) Image3_MouseUp();
    });
    connect(Image3, &bench::ImageButton::clicked, this, [this] {
        if (!tapQuestionAsked_) Image3_Click();
        tapByKey_ = false;
    });
    connect(Image1, &bench::ImageButton::clicked, this, [this] { Image1_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(&Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    connect(Command10, &QPushButton::clicked, this, [this] { Command10_Click(); });
    connect(Command11, &QPushButton::clicked, this, [this] { Command11_Click(); });
    connect(btexo, &QToolButton::clicked, this, [this] { btexo_Click(); });
    connect(checkResult, &QPushButton::clicked, this,
            [this] { exercises::openResultCheck(*this); });
    connect(Onglets, &drawing::PictureBox::released, this,
            [this](Qt::MouseButton, QPoint pos) { Onglets_MouseUp(pos.x(), pos.y()); });

    // A screen of another density: the pictures are drawn again, sharp.
    connect(picburette, &drawing::PictureBox::devicePixelRatioChanged, this, [this] {
        setTap(tapOpen_);
        Image1->setPicture(dropPicture());
        Command5->setPicture(drawing::randomButtonPicture(devicePixelRatioF()));
        imafond();
    });
    connect(Picture4, &drawing::PictureBox::devicePixelRatioChanged, this, [this] {
        fond01();
        prepasol();
        niveaubecher();
    });
    connect(tabquant, &drawing::PictureBox::devicePixelRatioChanged, this, [this] { majtq(); });
    connect(tabcourbes, &drawing::PictureBox::devicePixelRatioChanged, this, [this] {
        courbesStale_ = true;
        refcourbes();
    });
    connect(Onglets, &drawing::PictureBox::devicePixelRatioChanged, this,
            [this] { Onglets_Paint(); });
    connect(Frame2, &drawing::PictureBox::devicePixelRatioChanged, this,
            [this] { Frame2_Paint(); });

    connect(supertext_, &QTextEdit::textChanged, this, [this] {
        if (!fich_->text().isEmpty()) exercise_.textModified = true;
    });
    connect(fich_, &QLineEdit::textChanged, this, [this](const QString& t) {
        fich_->setCursorPosition(t.size());
        fich_->setToolTip(t);
        fich_->setAccessibleDescription(t);
    });
}

// ---- Keyboard and focus of the boxes, the reveal label ----

bool FeuilleP::eventFilter(QObject* watched, QEvent* event) {
    if (benchKey(watched, event)) return true;
    if (watched == Onglets) {
        if (event->type() == QEvent::KeyPress) return ongletsKey(static_cast<QKeyEvent*>(event));
        return false;
    }
    if (watched == HScroll1) {
        if (event->type() == QEvent::KeyPress) return sliderKey(static_cast<QKeyEvent*>(event));
        return false;
    }
    if (watched == Label1) {
        if (event->type() == QEvent::MouseButtonRelease) {
            revealFromLabel();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
                revealFromLabel();
                return true;
            }
        }
        return false;
    }
    for (int k = 0; k < 6; ++k) {
        if (watched != Text1[k]) continue;
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                validateTyped(k);
                return true;
            }
            // Shortcuts, moves and Tab are not typed characters (pasting is guarded apart).
            if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
                return false;
            const QString typed = key->text();
            if (typed.isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete)
                return false;
            const bench::FilteredKey f = bench::filterKey(typed.front());
            if (f.action == bench::KeyAction::Validate) {
                validateTyped(k);
                return true;
            }
            if (f.action == bench::KeyAction::Swallow) return true;
            if (f.character != typed.front()) {
                if (!Text1[k]->isReadOnly()) keyIntoBox(k, f.character);
                return true;
            }
            return false;
        }
        if (event->type() == QEvent::FocusOut && !movingFocus_) {
            // Leaving for another window or a pop-up menu is not leaving the box.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                validateTyped(k);
        }
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Activation, placement ----

void FeuilleP::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        // The window is activated when it becomes active the first time or coming back from
        // another window of the program, not when the user comes back from another program.
        if (isActiveWindow()) {
            if (lostToOwnWindow_) Form_Activate();
        } else {
            lostToOwnWindow_ = QApplication::activeWindow() != nullptr;
        }
    } else if (event->type() == QEvent::WindowStateChange) {
        if (placementApplies() && windowState() != Qt::WindowNoState)
            QTimer::singleShot(0, this, [this] { placeWindow(); });
    }
}

void FeuilleP::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (placementApplies() && !placing_ && size() != QSize(800, 600))
        QTimer::singleShot(0, this, [this] { placeWindow(); });
}

void FeuilleP::Form_Activate() {
    ++activations_;
    // The activation is done: a late notice of the same activation must not repeat it.
    lostToOwnWindow_ = false;
    if (Picture4->isHidden()) Command3->setText(QStringLiteral("Définir la\nsolution titrée"));
    // "Afficher la concentration", or "inconnue" over a student's own concentration.
    showSecretLabel(exerciseSecret_);
    Frame2->picture().setBackColor(QColor(240, 235, 230));
    tabquant->picture().setBackColor(Qt::white);
    const QString request = takeExerciseRequest();
    if (!request.isEmpty()) openRequestedExercise(request);
    majtq();
}

void FeuilleP::openRequestedExercise(const QString& name) {
    // The window is hidden while the exercise opens, then shown again.
    exercises::openRequestedExercise(*this, name);
}

// ---- Temporary file ----

QString FeuilleP::temporaryFile() {
    return files::sharedTemporaryFile();
}

void FeuilleP::writeTempRecord(int record, const QString& text) {
    // A folder that cannot be written is skipped: the file is a courtesy to other programs.
    files::writeRecord(localPath(temporaryFile()), record, text.toStdString());
}

QString FeuilleP::takeExerciseRequest() {
    const std::string path = localPath(temporaryFile());
    const files::RecordText read = files::readRecord(path, 31);
    const bool emptied = files::writeRecord(path, 31, "") == files::RecordStatus::Ok;
    const QString request = read.status == files::RecordStatus::Ok
                                ? QString::fromStdString(read.text).trimmed()
                                : QString();
    // A request that stays in a file this user may only read is not opened again and again.
    return bench::requestToOpen(request, emptied, unemptiedRequest_);
}

// ---- Command buttons ----

void FeuilleP::Command1_Click() {
    close();
}

void FeuilleP::Command2_Click() {
    files::showOpenWindow(*this);
}

void FeuilleP::Command4_Click() {
    printing::showCopyMenu(*this, QCursor::pos());
}

void FeuilleP::Command7_Click() {
    exercises::showHelp(this);
}

void FeuilleP::Command8_Click() {
    calculator::openCalculator(this);
}

void FeuilleP::Command10_Click() {
    printing::openPrintOptions(*this);
}

void FeuilleP::Command11_Click() {
    storeBenchInSituation();
    files::showSaveWindow(*this);
}

void FeuilleP::storeBenchInSituation() {
    // A value typed in a box that the focus has not left (a save asked from another window) is
    // validated first, as leaving the box would: a configuration holds only values that the
    // bench takes back when it is opened.
    const QWidget* focused = focusWidget();
    for (int k = 0; k < 4; ++k)
        if (focused == Text1[k] && Text1[k]->isModified()) validateTyped(k);
    for (const auto& f : families_.all())
        f->validateEdited(focused);
    const int s = situations_.table.current;
    selectSituation(0);
    selectSituation(1);
    if (s >= 0 && s < files::situationCount) selectSituation(s);
}

void FeuilleP::btexo_Click() {
    if (!exerciseMenu_) exerciseMenu_ = new exercises::ExerciseMenu(*this, this);
    exerciseMenu_->popup(btexo);
}

// ---- Closing ----

bool FeuilleP::queryClose() {
    if (exercise_.textModified && !exercises::textLossAccepted(this)) return false;
    return ui::ask(this, QStringLiteral("Quitter vraiment Titrage colorimétrique\u00A0?"),
                   QStringLiteral("Fermer"), ui::Icon::Question,
                   ui::Buttons::OkCancel) != ui::Answer::Cancel;
}

void FeuilleP::closeEvent(QCloseEvent* event) {
    if (!closingAccepted_ && !queryClose()) {
        event->ignore();
        return;
    }
    event->accept();
    endProgram();
}

void FeuilleP::endWithoutQuestions() {
    endProgram();
}

void FeuilleP::endProgram() {
    closingAccepted_ = true;
    if (ended_) return;
    ended_ = true;
    Timer1.stop();
    Timer2.stop();
    calculator::unloadCalculator();
    writeTempRecord(24, QStringLiteral("NON"));
    hide();
    // The whole program ends with its main window, from a modal window's loop too.
    QCoreApplication::exit(0);
}

// ---- What the secondary windows need ----

void FeuilleP::setCaption(const QString& caption) {
    setWindowTitle(caption);
}

void FeuilleP::clearSituationButtons() {
    for (QRadioButton* b : Option2) {
        QSignalBlocker block(b);
        b->setChecked(false);
    }
    updateFocusChain();
}

void FeuilleP::loadConfiguration(const QString& path) {
    loadingForExercise_ = true;
    files::loadConfiguration(*this, path, nullptr);
    loadingForExercise_ = false;
}

const files::SituationTable& FeuilleP::benchSituations() {
    storeBenchInSituation();
    return situations_.table;
}

const files::SituationTable& FeuilleP::exerciseSituations() {
    unsealedSituations_ = hiddenSamples_.unsealed(benchSituations());
    return unsealedSituations_;
}

void FeuilleP::selectSituation(int index) {
    if (index < 0 || index >= files::situationCount) return;
    Option2[index]->setChecked(true); // raises the switch unless already selected
}

} // namespace bench
