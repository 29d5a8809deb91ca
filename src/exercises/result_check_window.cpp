// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/result_check_window.h"

#include "exercises/exercise_area.h"
#include "exercises/kept_checks.h"
#include "exercises/student_work.h"
#include "grading/uncertainty.h"
#include "numbers/formats.h"
#include "numbers/reading.h"
#include "ui/modal.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace exercises {
namespace {

const QString title = QStringLiteral("Vérifier mon résultat");

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

ResultCheckWindow::ResultCheckWindow(ExerciseArea& area, QWidget* parent)
    : QDialog(parent), area_(area) {
    setObjectName(QStringLiteral("verifresultat"));
    setWindowTitle(title);
    setModal(true);
    note = new QLabel(
        QStringLiteral("Taper la concentration c2 trouvée et son incertitude-type u(c2), avec "
                       "une virgule ou un point\u00A0; u(c2) doit valoir de 0,5\u00A0% à "
                       "10\u00A0% de c2. Le programme répond par l'écart normalisé "
                       "z\u00A0=\u00A0|c2\u00A0−\u00A0c2,réf|\u00A0/\u00A0u(c2), avec une "
                       "décimale jusqu'à 3 et «\u00A0z\u00A0>\u00A03\u00A0» au-delà\u00A0: le "
                       "résultat est compatible avec la valeur attendue quand z\u00A0≤\u00A02. "
                       "La valeur attendue n'est jamais affichée, et chaque vérification, même "
                       "refusée, figure dans le compte rendu."),
        this);
    note->setWordWrap(true);
    concentration = new QLineEdit(this);
    concentration->setAccessibleName(QStringLiteral("Concentration trouvée c2, en mol/L"));
    uncertainty = new QLineEdit(this);
    uncertainty->setAccessibleName(QStringLiteral("Incertitude-type u(c2), en mol/L"));
    check = new QPushButton(QStringLiteral("&Vérifier"), this);
    answer = new QLabel(this);
    answer->setWordWrap(true);
    answer->setAccessibleName(QStringLiteral("Réponse de la vérification"));
    answer->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont bold = answer->font();
    bold.setBold(true);
    answer->setFont(bold);

    auto* found = new QFormLayout;
    found->addRow(QStringLiteral("&Concentration trouvée c2 (mol/L)\u00A0:"), concentration);
    found->addRow(QStringLiteral("&Incertitude-type u(c2) (mol/L)\u00A0:"), uncertainty);

    auto* budget = new QGroupBox(QStringLiteral("Calcul de u(c2) à la manière de la classe"), this);
    equivalence = new QLineEdit(budget);
    equivalence->setAccessibleName(QStringLiteral("Volume à l'équivalence VE, en mL"));
    titrantUncertainty = new QLineEdit(budget);
    titrantUncertainty->setAccessibleName(
        QStringLiteral("Incertitude-type u(c1) donnée par l'énoncé, en mol/L (facultatif)"));
    titrantUncertainty->setPlaceholderText(QStringLiteral("facultatif"));
    compute = new QPushButton(QStringLiteral("Ca&lculer u(c2)"), budget);
    compute->setToolTip(QStringLiteral("À partir de c1, de la pipette et de VE"));
    computation = new QPlainTextEdit(budget);
    computation->setReadOnly(true);
    computation->setTabChangesFocus(true);
    computation->setAccessibleName(QStringLiteral("Calcul de u(c2)"));
    computation->setMinimumHeight(fontMetrics().lineSpacing() * 7);
    auto* budgetForm = new QFormLayout;
    budgetForm->addRow(QStringLiteral("Volume à l'é&quivalence VE (mL)\u00A0:"), equivalence);
    budgetForm->addRow(QStringLiteral("u(c1) donnée par l'&énoncé (mol/L)\u00A0:"),
                       titrantUncertainty);
    auto* budgetLayout = new QVBoxLayout(budget);
    budgetLayout->addLayout(budgetForm);
    budgetLayout->addWidget(compute, 0, Qt::AlignLeft);
    budgetLayout->addWidget(computation, 1);

    checks = new QListWidget(this);
    checks->setAccessibleName(QStringLiteral("Vérifications faites"));
    checks->setWordWrap(true);
    auto* checksLabel = new QLabel(QStringLiteral("Vérifications faites (&toutes figurent dans "
                                                  "le compte rendu)\u00A0:"),
                                   this);
    checksLabel->setBuddy(checks);
    close = new QPushButton(QStringLiteral("&Fermer"), this);
    for (QPushButton* b : {check, compute, close})
        b->setAutoDefault(false);

    auto* checkRow = new QHBoxLayout;
    checkRow->addWidget(check);
    checkRow->addWidget(answer, 1);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(found);
    layout->addLayout(checkRow);
    layout->addWidget(budget, 1);
    layout->addWidget(checksLabel);
    layout->addWidget(checks);
    layout->addLayout(closeRow);
    resize(600, 640);

    if (const auto& work = area_.exercise().work) equivalence->setText(work->equivalenceVolume);
    connect(check, &QPushButton::clicked, this, [this] { check_Click(); });
    connect(compute, &QPushButton::clicked, this, [this] { compute_Click(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(concentration, &QLineEdit::returnPressed, this, [this] { check_Click(); });
    connect(uncertainty, &QLineEdit::returnPressed, this, [this] { check_Click(); });
    connect(equivalence, &QLineEdit::returnPressed, this, [this] { compute_Click(); });
    showChecks();
}

void ResultCheckWindow::showChecks() {
    checks->clear();
    const auto& work = area_.exercise().work;
    if (!work) return;
    int n = 0;
    for (const grading::ResultCheck& c : work->checks)
        checks->addItem(QStringLiteral("%1. ").arg(++n) + fromStd(grading::checkLine(c)));
}

bool ResultCheckWindow::check_Click() {
    auto& work = area_.exercise().work;
    const std::optional<double> expected = referenceConcentration(area_);
    if (!work || !expected) {
        answer->setText(QStringLiteral("Aucun exercice dont la concentration est cachée n'est "
                                       "ouvert."));
        return false;
    }
    grading::ResultCheck outcome = grading::checkTypedResult(
        concentration->text().toStdString(), uncertainty->text().toStdString(), *expected);
    // Kept made or refused, for the report, in memory and in the user's data folder.
    work->checks.push_back(outcome);
    keepCheck(*work, outcome);
    if (outcome.made())
        answer->setText(QStringLiteral("%1\u00A0: %2.")
                            .arg(fromStd(grading::zStatement(outcome)),
                                 fromStd(std::string(outcome.verdict()))));
    else
        answer->setText(fromStd(outcome.refusal));
    showChecks();
    checks->scrollToBottom();
    return outcome.made();
}

bool ResultCheckWindow::compute_Click() {
    const BenchReadings bench = area_.benchReadings();
    const auto& numbers = bench.numbers;
    if (!numbers) {
        computation->setPlainText(QStringLiteral(
            "Ce titrage n'est pas direct (titrage en retour, ou pas d'espèce choisie)\u00A0: la "
            "relation "
            "c2\u00A0=\u00A0a\u00A0×\u00A0c1\u00A0×\u00A0VE\u00A0/\u00A0(b\u00A0×\u00A0V2) "
            "ne s'applique pas. Calculer u(c2) à partir de la relation de ce titrage."));
        return false;
    }
    const auto ve = numbers::parseNumberText(equivalence->text().toStdString());
    if (!ve) {
        computation->setPlainText(
            QStringLiteral("Taper le volume à l'équivalence VE trouvé, en mL."));
        return false;
    }
    grading::TitrationReadings readings;
    readings.titratedNumber = numbers->titrated;
    readings.titrantNumber = numbers->titrant;
    readings.titrantConcentration = bench.titrantConcentration;
    readings.sampleVolume = bench.sampleVolume;
    readings.equivalenceVolume = *ve;
    if (!titrantUncertainty->text().trimmed().isEmpty()) {
        const auto u1 = numbers::parseNumberText(titrantUncertainty->text().toStdString());
        if (!u1) {
            computation->setPlainText(QStringLiteral(
                "u(c1) n'est pas un nombre\u00A0: la laisser vide si l'énoncé ne la donne pas."));
            return false;
        }
        readings.titrantUncertainty = *u1;
    }
    if (auto& work = area_.exercise().work) work->equivalenceVolume = equivalence->text().trimmed();
    const auto budget = grading::concentrationUncertainty(readings);
    if (!budget) {
        computation->setPlainText(fromStd(budget.reason));
        return false;
    }
    QStringList lines;
    for (const std::string& line : budget->lines)
        lines << fromStd(line);
    computation->setPlainText(lines.join(QLatin1Char('\n')));
    uncertainty->setText(fromStd(numbers::formatSignificant(budget->uncertainty, 2)));
    if (concentration->text().trimmed().isEmpty())
        concentration->setText(fromStd(numbers::formatSignificant(budget->concentration, 4)));
    return true;
}

void openResultCheck(ExerciseArea& area) {
    if (!area.exercise().work) return;
    ResultCheckWindow window(area, area.mainWindow());
    ui::exec(window);
}

} // namespace exercises
