// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/question_dialog.h"

#include "a11y/tell.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace exercises {

QuestionDialog::QuestionDialog(const QString& title, const QString& noteText,
                               const QString& boxName, int noteWidth, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    setModal(true);
    note = new QLabel(noteText, this);
    note->setWordWrap(true);
    auto* label = new QLabel(QStringLiteral("&") + boxName + QStringLiteral("\u00A0:"), this);
    box = new QLineEdit(this);
    box->setAccessibleName(boxName);
    label->setBuddy(box);
    problem = new QLabel(this);
    problem->setWordWrap(true);
    problem->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPalette palette = problem->palette();
    palette.setColor(QPalette::WindowText, QColor(160, 0, 0));
    problem->setPalette(palette);
    problem->hide();
    ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    cancel = new QPushButton(QStringLiteral("Annuler"), this);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(box, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(row);
    layout->addWidget(problem);
    layout->addLayout(buttons);
    // The note wraps at that width, and the window is as tall as the wrapped note needs.
    note->setMinimumWidth(noteWidth);
    adjustSize();

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void QuestionDialog::showProblem(const QString& reason) {
    problem->setText(reason);
    if (problem->isHidden() != reason.isEmpty()) {
        problem->setVisible(!reason.isEmpty());
        // As tall as the wrapped note and reason need.
        adjustSize();
    }
    a11y::describe(box, reason);
}

} // namespace exercises
