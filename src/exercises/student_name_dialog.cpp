// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/student_name_dialog.h"

#include "a11y/tell.h"
#include "grading/student_name.h"
#include "ui/modal.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace exercises {

StudentNameDialog::StudentNameDialog(const QString& exerciseTitle, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("nomeleve"));
    setWindowTitle(QStringLiteral("Nom et prénom"));
    setModal(true);
    QString text = QStringLiteral(
        "Dans cet exercice, chaque élève a sa propre concentration à trouver, tirée d'après son "
        "nom. Taper son nom et son prénom, toujours les mêmes (ni les majuscules, ni les "
        "accents, ni la ponctuation, ni l'ordre des mots ne comptent)\u00A0: le compte rendu "
        "les porte.");
    if (!exerciseTitle.trimmed().isEmpty())
        text = QStringLiteral("«\u00A0%1\u00A0»\n").arg(exerciseTitle.trimmed()) + text;
    note = new QLabel(text, this);
    note->setWordWrap(true);
    auto* label = new QLabel(QStringLiteral("&Nom et prénom\u00A0:"), this);
    name = new QLineEdit(this);
    name->setAccessibleName(QStringLiteral("Nom et prénom"));
    name->setMaxLength(120);
    label->setBuddy(name);
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
    cancel->setToolTip(QStringLiteral("Ne pas ouvrir l'exercice"));

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(name, 1);
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
    note->setMinimumWidth(420);
    adjustSize();

    connect(name, &QLineEdit::textChanged, this, [this] { update(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    update();
}

void StudentNameDialog::update() {
    const std::string typed = name->text().toStdString();
    const std::string reason = grading::nameProblem(typed);
    ok->setEnabled(reason.empty());
    // Nothing typed yet is no fault to tell; the reason is read with the name box, which
    // holds the focus as the student types.
    const QString shown =
        grading::cleanName(typed).empty() ? QString() : QString::fromStdString(reason);
    problem->setText(shown);
    if (problem->isHidden() != shown.isEmpty()) {
        problem->setVisible(!shown.isEmpty());
        // As tall as the wrapped note and reason need.
        adjustSize();
    }
    a11y::describe(name, shown);
}

std::optional<QString> askStudentName(QWidget* parent, const QString& exerciseTitle) {
    StudentNameDialog dialog(exerciseTitle, parent);
    if (ui::exec(dialog) != QDialog::Accepted) return std::nullopt;
    const std::string typed = dialog.name->text().toStdString();
    if (!grading::nameProblem(typed).empty()) return std::nullopt;
    return QString::fromStdString(grading::cleanName(typed));
}

} // namespace exercises
