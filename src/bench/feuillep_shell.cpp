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
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace bench {

namespace {} // namespace

// ---- Signals of the controls ----

void FeuilleP::connectHandlers() {
    for (int k = 0; k < 6; ++k) {
        connect(Text1[k], &QLineEdit::textEdited, this, [this, k] { p_.setUp.guardPastedText(k); });
        connect(Text1[k], &QLineEdit::textChanged, this,
                [this, k] { p_.setUp.updateBoxDescription(k); });
    }
    // A list position, a check box or a situation button changed by program raises the same
    // handler as a click.
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { p_.setUp.Combo1_Click(); });
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this] { p_.setUp.Combo2_Click(); });
    connect(ions1, &QComboBox::currentIndexChanged, this, [this] { p_.setUp.ions1_Click(); });
    connect(ions1, &QComboBox::activated, this, [this] { p_.setUp.newSolutionChosen(); });
    connect(Check1, &QCheckBox::toggled, this, [this] { p_.setUp.Check1_Click(); });
    connect(masquer, &QCheckBox::toggled, this, [this] { p_.setUp.masquer_Click(); });
    for (int i = 0; i < 10; ++i)
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) p_.setUp.Option2_Click(i);
        });
    connect(Command5, &bench::ImageButton::clicked, this, [this] { p_.speech.drawFromDie(); });
    connect(Command3, &QPushButton::clicked, this, [this] { p_.setUp.Command3_Click(); });
    connect(Command9, &QPushButton::clicked, this, [this] { p_.setUp.Command9_Click(); });
    connect(Command12, &QPushButton::clicked, this, [this] { p_.run.Command12_Click(); });
    // The tint scales follow the slider (their family listens to it); the bench follows on
    // release.
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { p_.chain.reftq(); });

    // The tap: a press that ended in the empty-burette question has no release or click.
    connect(Image3, &bench::ImageButton::pressed, this,
            [this] { p_.run.tapPressed(Image3->pressedByKey()); });
    connect(Image3, &bench::ImageButton::released, this, [this] { p_.run.tapReleased(); });
    connect(Image3, &bench::ImageButton::clicked, this, [this] { p_.run.tapClicked(); });
    connect(Image1, &bench::ImageButton::clicked, this, [this] { p_.run.Image1_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { p_.run.Command6_Click(); });
    connect(tapFlow, &QComboBox::currentIndexChanged, this,
            [this](int index) { p_.run.setFlowIndex(index); });
    connect(&Timer1, &QTimer::timeout, this, [this] { p_.run.Timer1_Timer(); });
    connect(&Timer2, &QTimer::timeout, this, [this] { p_.run.Timer2_Timer(); });

    connect(Command1, &QPushButton::clicked, this, [this] { p_.shell.Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { p_.shell.Command2_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { p_.shell.Command4_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { p_.shell.Command7_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { p_.shell.Command8_Click(); });
    connect(Command10, &QPushButton::clicked, this, [this] { p_.shell.Command10_Click(); });
    connect(Command11, &QPushButton::clicked, this, [this] { p_.shell.Command11_Click(); });
    connect(btexo, &QToolButton::clicked, this, [this] { p_.shell.btexo_Click(); });
    connect(checkResult, &QPushButton::clicked, this,
            [this] { exercises::openResultCheck(exerciseRole_); });
    connect(Onglets, &drawing::PictureBox::released, this,
            [this](Qt::MouseButton, QPoint pos) { p_.chain.Onglets_MouseUp(pos.x(), pos.y()); });

    // A screen of another density: the pictures are drawn again, sharp.
    connect(picburette, &drawing::PictureBox::devicePixelRatioChanged, this, [this] {
        p_.run.redrawTap();
        Image1->setPicture(p_.run.dropPicture());
        Command5->setPicture(drawing::randomButtonPicture(devicePixelRatioF()));
        p_.chain.imafond();
    });
    connect(Picture4, &drawing::PictureBox::devicePixelRatioChanged, this, [this] {
        p_.chain.fond01();
        p_.chain.prepasol();
        p_.chain.niveaubecher();
    });
    connect(tabquant, &drawing::PictureBox::devicePixelRatioChanged, this,
            [this] { p_.chain.majtq(); });
    connect(tabcourbes, &drawing::PictureBox::devicePixelRatioChanged, this, [this] {
        p_.chain.markCourbesStale();
        p_.chain.refcourbes();
    });
    connect(Onglets, &drawing::PictureBox::devicePixelRatioChanged, this,
            [this] { p_.chain.Onglets_Paint(); });
    connect(Frame2, &drawing::PictureBox::devicePixelRatioChanged, this,
            [this] { p_.chain.Frame2_Paint(); });

    connect(supertext_, &QTextEdit::textChanged, this, [this] {
        if (!fich_->text().isEmpty()) p_.state.exercise.textModified = true;
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
            p_.speech.revealFromLabel();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
                p_.speech.revealFromLabel();
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
                p_.speech.validateTyped(k);
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
                p_.speech.validateTyped(k);
                return true;
            }
            if (f.action == bench::KeyAction::Swallow) return true;
            if (f.character != typed.front()) {
                if (!Text1[k]->isReadOnly()) p_.setUp.keyIntoBox(k, f.character);
                return true;
            }
            return false;
        }
        if (event->type() == QEvent::FocusOut && !p_.run.movingFocus()) {
            // Leaving for another window or a pop-up menu is not leaving the box.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                p_.speech.validateTyped(k);
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
        p_.shell.activationChanged(isActiveWindow());
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

void FeuilleP::closeEvent(QCloseEvent* event) {
    if (!p_.shell.mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    p_.shell.endProgram();
}

// ---- What the secondary windows need ----

void FeuilleP::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawing::paintWindowBackground(painter, supertext_->geometry(), fich_->geometry());
    // The window's first whole picture is being painted: the hidden tabs come right after.
    if (started_ && !firstPictureQueued_) {
        firstPictureQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            p_.chain.paintSideTabs();
            emit firstPictureShown();
        });
    }
}

} // namespace bench
