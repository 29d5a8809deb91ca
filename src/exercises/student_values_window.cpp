// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/student_values_window.h"

#include "files/recordfile.h"
#include "printing/printer_target.h"
#include "ui/modal.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace exercises {
namespace {

const QString title = QStringLiteral("Valeurs des élèves");

QString secrecyNote(bool saved) {
    QString text = QStringLiteral(
        "Chaque élève qui ouvre l'exercice donne son nom et prénom\u00A0; sa concentration est "
        "tirée dans l'intervalle, d'après ce nom et la clé de l'exercice. Elle n'est sur aucun "
        "écran de l'élève et dans aucun fichier qu'on lui donne ou qu'il enregistre\u00A0: seule "
        "cette liste la montre. Ce n'est pas un coffre-fort\u00A0: le programme est un logiciel "
        "libre et la clé est dans le fichier d'exercice, si bien qu'un élève qui lit le "
        "programme et le fichier peut retrouver les valeurs. Le même nom (majuscules, accents, "
        "ponctuation et ordre des mots mis à part) donne toujours la même valeur.");
    if (!saved)
        text += QStringLiteral(
            "\nL'exercice n'est pas encore enregistré avec cet intervalle et cette clé\u00A0: ces "
            "valeurs ne seront celles des élèves qu'après «\u00A0Enregistrer l'exercice\u00A0».");
    return text;
}

QString startFile() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("valeurs-eleves.csv"));
}

} // namespace

StudentValuesWindow::StudentValuesWindow(const grading::ExerciseUnknown& unknown, bool saved,
                                         QWidget* parent)
    : QDialog(parent), unknown_(unknown) {
    setWindowTitle(title);
    setModal(true);
    note = new QLabel(secrecyNote(saved), this);
    note->setWordWrap(true);
    auto* namesLabel = new QLabel(QStringLiteral("&Noms des élèves, un par ligne (collés "
                                                 "depuis un tableur ou tapés)\u00A0:"),
                                  this);
    names = new QPlainTextEdit(this);
    names->setTabChangesFocus(true);
    names->setAccessibleName(QStringLiteral("Noms des élèves, un par ligne"));
    namesLabel->setBuddy(names);
    values = new QTableWidget(0, 2, this);
    values->setHorizontalHeaderLabels(
        {QStringLiteral("Nom et prénom"), QStringLiteral("c2 (mol/L)")});
    values->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    values->setEditTriggers(QAbstractItemView::NoEditTriggers);
    values->setTabKeyNavigation(false);
    values->setAccessibleName(QStringLiteral("Concentration de chaque élève"));
    auto* valuesLabel = new QLabel(QStringLiteral("&Valeurs\u00A0:"), this);
    valuesLabel->setBuddy(values);
    repeated = new QLabel(this);
    repeated->setWordWrap(true);
    refused = new QLabel(this);
    refused->setWordWrap(true);
    refused->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    copy = new QPushButton(QStringLiteral("&Copier"), this);
    copy->setToolTip(QStringLiteral("Copier la liste pour la coller dans un tableur"));
    saveCsv = new QPushButton(QStringLiteral("&Enregistrer en CSV…"), this);
    close = new QPushButton(QStringLiteral("&Fermer"), this);
    for (QPushButton* b : {copy, saveCsv, close})
        b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copy);
    buttons->addWidget(saveCsv);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(namesLabel);
    layout->addWidget(names, 1);
    layout->addWidget(valuesLabel);
    layout->addWidget(values, 2);
    layout->addWidget(repeated);
    layout->addWidget(refused);
    layout->addLayout(buttons);
    resize(560, 560);

    connect(names, &QPlainTextEdit::textChanged, this, [this] { update(); });
    connect(copy, &QPushButton::clicked, this, [this] { copy_Click(); });
    connect(saveCsv, &QPushButton::clicked, this, [this] { saveCsv_Click(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    update();
}

void StudentValuesWindow::update() {
    const auto outcome = grading::studentValues(names->toPlainText().toStdString(), unknown_);
    list_ = outcome ? *outcome : grading::StudentValues{};
    values->setRowCount(int(list_.students.size()));
    for (int row = 0; row < int(list_.students.size()); ++row) {
        const grading::StudentValue& s = list_.students[row];
        values->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(s.name)));
        auto* value = new QTableWidgetItem(
            QString::fromStdString(grading::concentrationText(s.concentration, unknown_.range)));
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        values->setItem(row, 1, value);
    }
    QStringList twice;
    for (const std::string& name : list_.repeated)
        twice << QStringLiteral("«\u00A0%1\u00A0»").arg(QString::fromStdString(name));
    repeated->setText(twice.isEmpty() ? QString()
                                      : QStringLiteral("Noms en double, comptés une fois\u00A0: ") +
                                            twice.join(QStringLiteral(", ")));
    // A line that no student could type as a name gets no value: the teacher reads why.
    QStringList lines;
    for (const grading::RefusedName& line : list_.refused) {
        QString reason = QString::fromStdString(line.reason);
        if (!reason.isEmpty()) reason[0] = reason[0].toLower(); // after a colon
        lines << QStringLiteral("«\u00A0%1\u00A0»\u00A0: %2")
                     .arg(QString::fromStdString(line.name), reason);
    }
    refused->setText(lines.isEmpty() ? QString()
                                     : QStringLiteral("Lignes sans valeur\u00A0:\n") +
                                           lines.join(QLatin1Char('\n')));
    refused->setVisible(!lines.isEmpty());
    const bool any = !list_.students.empty();
    copy->setEnabled(any);
    saveCsv->setEnabled(any);
}

void StudentValuesWindow::copy_Click() {
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(
        grading::studentValuesText(list_.students, unknown_.range, "\t", "\n")));
}

bool StudentValuesWindow::saveCsv_Click() {
    const QString name = printing::chooseFileToWrite(
        this, {QStringLiteral("Enregistrer les valeurs des élèves"), startFile(),
               QStringLiteral("Tableaux CSV (*.csv)"), QStringLiteral("csv")});
    if (name.isEmpty()) return false;
    const std::string bytes = grading::studentValuesCsv(list_.students, unknown_.range);
    if (files::saveFileSafely(QFile::encodeName(name).toStdString(), bytes) !=
        files::RecordStatus::Ok) {
        ui::ask(this, printing::fileFailureText(name), title, ui::Icon::Critical, ui::Buttons::Ok);
        return false;
    }
    return true;
}

} // namespace exercises
