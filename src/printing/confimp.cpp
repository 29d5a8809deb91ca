// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/confimp.h"

#include "a11y/tell.h"
#include "printing/bench_pictures.h"
#include "printing/print_pages.h"
#include "printing/printer_target.h"
#include "printing/report_window.h"
#include "ui/modal.h"

#include "drawing/hourglass.h"
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace printing {

Confimp::Confimp(BenchPictures& source, QPrinter& printer, QWidget* parent)
    : QDialog(parent), source_(source), printer_(printer) {
    setObjectName(QStringLiteral("confimp"));
    setWindowTitle(QStringLiteral("Imprimer"));

    Frame1 = new QGroupBox(QStringLiteral("Options"), this);
    Chec[0] = new QCheckBox(QStringLiteral("L'illustration"), Frame1);
    Chec[1] = new QCheckBox(QStringLiteral("Le graphe de la conductivité"), Frame1);
    Chec[2] = new QCheckBox(QStringLiteral("Le graphe des quantités de matière"), Frame1);
    Chec[3] = new QCheckBox(QStringLiteral("Courbes et tableau d'avancement"), Frame1);
    Chec[0]->setChecked(true);
    Chec[1]->setChecked(false);
    Chec[1]->hide();
    Chec[2]->setChecked(true);
    Chec[3]->setChecked(false);
    Label5 = new QLabel(QStringLiteral("Titre de la page\u00A0:"), Frame1);
    Text1 = new QLineEdit(QStringLiteral("Orvanel - Titrage colorimétrique"), Frame1);
    Label3 = new QLabel(QStringLiteral("Nombre d'exemplaires\u00A0:"), Frame1);
    UpDown1 = new QSpinBox(Frame1);
    UpDown1->setRange(1, 99);
    UpDown1->setValue(1);
    Label2 = new QLabel(QStringLiteral("Imprimante\u00A0:"), Frame1);
    defaut = new QLineEdit(Frame1);
    defaut->setReadOnly(true);
    Text1->setMinimumWidth(340);
    defaut->setMinimumWidth(340);
    for (int i = 0; i < int(Chec.size()); ++i)
        Chec[i]->setObjectName(QStringLiteral("Chec%1").arg(i));
    // The boxes are named by their labels.
    Label5->setBuddy(Text1);
    Label3->setBuddy(UpDown1);
    Label2->setBuddy(defaut);

    auto* options = new QGridLayout(Frame1);
    options->addWidget(Chec[0], 0, 0, 1, 2);
    options->addWidget(Chec[2], 1, 0, 1, 2);
    options->addWidget(Chec[3], 2, 0, 1, 2);
    options->addWidget(Label5, 3, 0);
    options->addWidget(Text1, 3, 1);
    options->addWidget(Label3, 4, 0);
    options->addWidget(UpDown1, 4, 1, Qt::AlignLeft);
    options->addWidget(Label2, 5, 0);
    options->addWidget(defaut, 5, 1);

    Command1 = new QPushButton(QStringLiteral("&OK"), this);
    Command2 = new QPushButton(QStringLiteral("&Imprimantes"), this);
    Command3 = new QPushButton(QStringLiteral("&Annuler"), this);
    Command4 = new QPushButton(QStringLiteral("Compte &rendu…"), this);
    Command4->setToolTip(QStringLiteral("Le compte rendu de l'élève : montage, courbes, "
                                        "équivalence, résultat et vérifications"));
    Command1->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addWidget(Command4);
    buttons->addWidget(Command3);

    Frame2 = new QFrame(this);
    Frame2->setFrameShape(QFrame::Box);
    auto* hourglass = new QLabel(Frame2);
    hourglass->setPixmap(drawing::hourglassPicture(24, 32));
    Label1 = new QLabel(QStringLiteral("Veuillez patienter quelques instants..."), Frame2);
    auto* waiting = new QHBoxLayout(Frame2);
    waiting->addWidget(hourglass);
    waiting->addWidget(Label1, 1);
    Frame2->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &Confimp::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Confimp::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Confimp::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Confimp::Command4_Click);

    showPrinterName();
    placeWindow();
}

void Confimp::showPrinterName() {
    defaut->setText(printerDescription(printer_));
    defaut->setCursorPosition(0);
}

void Confimp::placeWindow() {
    QWidget* main = source_.mainWindow();
    if (!main) return;
    adjustSize();
    const QRect frame = main->frameGeometry();
    move(frame.left() + (frame.width() - width()) / 2, frame.top() + 20);
}

void Confimp::showWaiting(bool waiting) {
    Frame1->setVisible(!waiting);
    Command1->setVisible(!waiting);
    Command2->setVisible(!waiting);
    Command3->setVisible(!waiting);
    Command4->setVisible(!waiting);
    Frame2->setVisible(waiting);
    if (waiting && isVisible()) repaint();
}

void Confimp::Command1_Click() {
    if (!Chec[0]->isChecked() && !Chec[1]->isChecked() && !Chec[2]->isChecked() &&
        !Chec[3]->isChecked()) {
        ui::ask(this, QStringLiteral("Il faut choisir au moins une illustration à imprimer"),
                QStringLiteral("Erreur sélection"), ui::Icon::Critical, ui::Buttons::Ok);
        return;
    }
    PrintRequest request;
    request.title = Text1->text();
    request.copies = UpDown1->value();
    request.bench = Chec[0]->isChecked();
    request.graph = Chec[2]->isChecked();
    request.courbes = Chec[3]->isChecked();

    showWaiting(true);
    const bool printed = printPictures(this, printer_, source_, request);
    showWaiting(false);
    // The file chosen (or the failure) shows in the printer box when the window stays open.
    showPrinterName();
    if (!printed) return;
    accept();
    a11y::tell(source_.mainWindow(), printsToFile(printer_)
                                         ? QStringLiteral("Page enregistrée dans le fichier PDF ") +
                                               QFileInfo(printer_.outputFileName()).fileName() +
                                               QStringLiteral(".")
                                         : QStringLiteral("Page envoyée à l'imprimante."));
}

void Confimp::Command2_Click() {
    if (ui::answerer().choosePrinter(this, printer_)) {
        placeWindow();
        showPrinterName();
    }
}

void Confimp::Command3_Click() {
    reject();
}

void Confimp::Command4_Click() {
    ReportWindow window(source_, printer_, this);
    if (ui::exec(window) == QDialog::Accepted) accept();
    showPrinterName();
}

void openPrintOptions(BenchPictures& source) {
    Confimp window(source, programPrinter(), source.mainWindow());
    ui::exec(window);
}

} // namespace printing
