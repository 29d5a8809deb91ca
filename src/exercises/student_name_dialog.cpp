// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/student_name_dialog.h"

#include "grading/student_name.h"
#include "ui/modal.h"

#include <QLineEdit>
#include <QPushButton>

namespace exercises {

namespace {

QString nameNote(const QString& exerciseTitle) {
    QString text = QStringLiteral(
        "Dans cet exercice, chaque élève a sa propre concentration à trouver, tirée d'après son "
        "nom. Taper son nom et son prénom, toujours les mêmes (ni les majuscules, ni les "
        "accents, ni la ponctuation, ni l'ordre des mots ne comptent)\u00A0: le compte rendu "
        "les porte.");
    if (!exerciseTitle.trimmed().isEmpty())
        text = QStringLiteral("«\u00A0%1\u00A0»\n").arg(exerciseTitle.trimmed()) + text;
    return text;
}

} // namespace

StudentNameDialog::StudentNameDialog(const QString& exerciseTitle, QWidget* parent)
    : QuestionDialog(QStringLiteral("Nom et prénom"), nameNote(exerciseTitle),
                     QStringLiteral("Nom et prénom"), 420, parent),
      name(box) {
    setObjectName(QStringLiteral("nomeleve"));
    name->setMaxLength(120);
    cancel->setToolTip(QStringLiteral("Ne pas ouvrir l'exercice"));
    connect(name, &QLineEdit::textChanged, this, [this] { update(); });
    update();
}

void StudentNameDialog::update() {
    const std::string typed = name->text().toStdString();
    const std::string reason = grading::nameProblem(typed);
    ok->setEnabled(reason.empty());
    // Nothing typed yet is no fault to tell; the reason is read with the name box, which
    // holds the focus as the student types.
    showProblem(grading::cleanName(typed).empty() ? QString() : QString::fromStdString(reason));
}

std::optional<QString> askStudentName(QWidget* parent, const QString& exerciseTitle) {
    StudentNameDialog dialog(exerciseTitle, parent);
    if (ui::exec(dialog) != QDialog::Accepted) return std::nullopt;
    const std::string typed = dialog.name->text().toStdString();
    if (!grading::nameProblem(typed).empty()) return std::nullopt;
    return QString::fromStdString(grading::cleanName(typed));
}

} // namespace exercises
