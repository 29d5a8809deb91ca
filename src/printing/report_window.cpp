// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/report_window.h"

#include "printing/bench_pictures.h"
#include "printing/print_pages.h"
#include "printing/printer_target.h"
#include "printing/report_document.h"
#include "printing/table_copy.h"
#include "ui/modal.h"

#include <QCheckBox>
#include <QDate>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace printing {

ReportWindow::ReportWindow(BenchPictures& source, QPrinter& printer, QWidget* parent)
    : QDialog(parent), source_(source), printer_(printer), facts_(source.reportFacts()) {
    setObjectName(QStringLiteral("compterendu"));
    setWindowTitle(QStringLiteral("Compte rendu"));
    setModal(true);
    auto* note = new QLabel(
        QStringLiteral("Le compte rendu réunit le montage, le schéma, le graphe, les courbes et "
                       "le tableau d'avancement tels qu'ils sont sur le banc, l'équivalence, le "
                       "résultat et toutes les vérifications faites dans l'exercice."),
        this);
    note->setWordWrap(true);
    student = new QLineEdit(facts_.student, this);
    student->setAccessibleName(QStringLiteral("Nom et prénom"));
    // The name an exercise asked is the one its value was drawn from: it stays as given.
    student->setReadOnly(!facts_.student.isEmpty());
    equivalence = new QLineEdit(facts_.equivalenceVolume, this);
    equivalence->setAccessibleName(QStringLiteral("Volume à l'équivalence VE, en mL"));
    method = new QLineEdit(facts_.method, this);
    method->setAccessibleName(QStringLiteral("Méthode de repérage de l'équivalence"));
    concentration = new QLineEdit(facts_.concentration, this);
    concentration->setAccessibleName(QStringLiteral("Concentration trouvée c2, en mol/L"));
    uncertainty = new QLineEdit(facts_.uncertainty, this);
    uncertainty->setAccessibleName(QStringLiteral("Incertitude-type u(c2), en mol/L"));
    withPoints = new QCheckBox(
        QStringLiteral("Enregistrer aussi les &points mesurés (fichier CSV pour un tableur)"),
        this);
    print = new QPushButton(printsToFile(printer) ? QStringLiteral("&Enregistrer en PDF…")
                                                  : QStringLiteral("&Imprimer"),
                            this);
    print->setDefault(true);
    cancel = new QPushButton(QStringLiteral("&Annuler"), this);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->addRow(QStringLiteral("&Nom et prénom\u00A0:"), student);
    form->addRow(QStringLiteral("&Volume à l'équivalence VE (mL)\u00A0:"), equivalence);
    form->addRow(QStringLiteral("&Méthode\u00A0:"), method);
    form->addRow(QStringLiteral("&Concentration trouvée c2 (mol/L)\u00A0:"), concentration);
    form->addRow(QStringLiteral("&Incertitude-type u(c2) (mol/L)\u00A0:"), uncertainty);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(form);
    layout->addWidget(withPoints);
    layout->addLayout(buttons);
    // The note wraps at that width, and the window is as tall as the wrapped note needs.
    note->setMinimumWidth(500);
    adjustSize();

    connect(print, &QPushButton::clicked, this, [this] { print_Click(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ReportAnswers ReportWindow::answers() const {
    return {student->text().trimmed(), equivalence->text().trimmed(), method->text().trimmed(),
            concentration->text().trimmed(), uncertainty->text().trimmed()};
}

bool ReportWindow::print_Click() {
    const ReportAnswers given = answers();
    // The pictures drawn for the printer's resolution, as the page of the bench has them.
    PrintRequest request;
    request.courbes = true;
    const PagePictures pictures =
        gatherPictures(source_, request, pictureScale(std::max(printer_.resolution(), 1)));
    const auto document = reportDocument(facts_, given, pictures, QDate::currentDate());
    if (printTextDocument(this, printer_, *document) != PrintOutcome::Printed) return false;
    if (withPoints->isChecked()) saveAmountsTable(source_);
    accept();
    return true;
}

} // namespace printing
