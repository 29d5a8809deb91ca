// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/exercise_actions.h"

#include "exercises/exercise_file.h"
#include "exercises/rtf.h"
#include "files/ui/loadconfiguration.h"
#include "printing/printer_target.h"
#include "ui/bench_host.h"
#include "ui/modal.h"
#include "ui/program_state.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace exercises {
namespace {

const QString rtfFilter = QStringLiteral("Texte au format RTF (*.RTF *.rtf)");
const QString driveAdvice = QStringLiteral("Vérifier l'état du lecteur et le nom du fichier.");

void critical(QWidget* parent, const QString& text, const QString& title) {
    ui::ask(parent, text, title, ui::Icon::Critical, ui::Buttons::Ok);
}

void missing(QWidget* parent, const QString& folder, const QString& name) {
    critical(parent,
             QStringLiteral("Le fichier ") + folder + name + QStringLiteral(" est introuvable"),
             QStringLiteral("Fichier absent"));
}

// Loads a rich-text file named in a record (relative to folder) into the text area.
bool loadStoredText(ui::BenchHost& host, const QString& folder, const QString& storedName) {
    const QString path = resolveStoredName(folder, storedName);
    return QFileInfo(path).isFile() && loadRtfFile(path, *host.supertext()->document());
}

// The configuration named in a record, loaded onto the bench when the record is not blank.
void loadStoredConfiguration(ui::BenchHost& host, const QString& folder,
                             const QString& storedName) {
    if (isBlank(storedName)) return;
    ui::state().configFile = QDir::toNativeSeparators(resolveStoredName(folder, storedName));
    files::loadConfiguration(host, nullptr);
}

// The mouse pointer of the main window shows an hourglass while it lives.
class WaitPointer {
public:
    explicit WaitPointer(QWidget* w) : w_(w) {
        if (w_) w_->setCursor(Qt::WaitCursor);
    }
    ~WaitPointer() {
        if (w_) w_->unsetCursor();
    }
    WaitPointer(const WaitPointer&) = delete;
    WaitPointer& operator=(const WaitPointer&) = delete;

private:
    QWidget* w_;
};

} // namespace

void cannotReadExercise(QWidget* parent) {
    critical(parent, QStringLiteral("Vérifier:\n- le nom du fichier,\n- l'état du lecteur."),
             QStringLiteral("Lecture impossible"));
}

bool confirmTextLoss(QWidget* parent) {
    ui::ProgramState& state = ui::state();
    if (state.textModified != 1) return true;
    if (ui::ask(parent, QStringLiteral("Attention: perte des modifications du texte."),
                QStringLiteral("Abandon des données?"), ui::Icon::Question,
                ui::Buttons::OkCancel) != ui::Answer::Ok)
        return false;
    state.textModified = 0;
    return true;
}

OpenResult openExercise(ui::BenchHost& host, const QString& exerciseFile, bool corrected,
                        QWidget* messageParent) {
    ui::ProgramState& state = ui::state();
    const ExerciseRecords records = readExerciseRecords(exerciseFile);
    if (!records.readable) {
        cannotReadExercise(messageParent);
        return OpenResult::Unreadable;
    }
    const QString folder = state.exerciseFolder;
    if (!loadStoredText(host, folder, records[statementRecord])) {
        missing(messageParent, folder, records[statementRecord]);
        return OpenResult::StatementMissing;
    }
    host.fich()->setText(QDir::toNativeSeparators(QFileInfo(exerciseFile).absoluteFilePath()));
    state.correctionAvailable = corrected ? 1 : 0;
    loadStoredConfiguration(host, folder, records[configurationRecord]);
    if (records.hidesConcentration()) host.hideSampleConcentration();
    host.supertext()->setReadOnly(false);
    state.textModified = 0;
    return OpenResult::Opened;
}

bool gettingStarted(ui::BenchHost& host) {
    ui::ProgramState& state = ui::state();
    const QString folder = withFinalSeparator(ui::programFolder());
    state.exerciseFolder = folder;
    const QString path = resolveStoredName(folder, QStringLiteral("VIREKA.PEM"));
    if (!QFileInfo(path).isFile()) return false;
    // The getting-started text replaces the text area like any other: typed answers are not
    // thrown away without the question.
    if (!confirmTextLoss(host.mainWindow())) return false;
    const ExerciseRecords records = readExerciseRecords(path);
    if (!records.readable || !loadStoredText(host, folder, records[statementRecord])) {
        critical(host.mainWindow(),
                 QStringLiteral("Fichier introuvable. Revoir l'installation du logiciel."),
                 QStringLiteral("Erreur lors du chargement"));
        return false;
    }
    host.fich()->setText(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    state.correctionAvailable = 0;
    loadStoredConfiguration(host, folder, records[configurationRecord]);
    if (records.hidesConcentration()) host.hideSampleConcentration();
    host.supertext()->setReadOnly(false);
    state.textModified = 0;
    return true;
}

void showCorrection(ui::BenchHost& host) {
    QWidget* main = host.mainWindow();
    if (!confirmTextLoss(main)) return;
    ui::ProgramState& state = ui::state();
    state.textModified = 0;
    {
        WaitPointer wait(main);
        const ExerciseRecords records = readExerciseRecords(host.fich()->text());
        if (!records.readable) {
            cannotReadExercise(main);
            return;
        }
        const QString folder = state.exerciseFolder;
        const QString& correction = records[correctionRecord];
        if (!isBlank(correction) && !loadStoredText(host, folder, correction)) {
            missing(main, folder, correction);
            return;
        }
        loadStoredConfiguration(host, folder, records[correctionConfigurationRecord]);
        // The correction gives the concentration away: the bench shows it too.
        if (records.hidesConcentration()) host.revealSampleConcentration();
        host.supertext()->setReadOnly(true);
    }
    state.textModified = 0;
}

void saveText(ui::BenchHost& host) {
    QWidget* main = host.mainWindow();
    QString name = ui::answerer().saveFileName(
        main, {QStringLiteral("Enregistrer le contenu de la fenêtre exercice"), QDir::currentPath(),
               rtfFilter, QStringLiteral("RTF")});
    if (name.isEmpty()) return;
    if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".RTF");
    if (!printing::mayOverwrite(main, name)) return;
    if (!saveRtfFile(name, *host.supertext()->document())) {
        critical(main, driveAdvice, QStringLiteral("Erreur d'écriture."));
        return;
    }
    ui::state().textModified = 0;
}

void reloadText(ui::BenchHost& host) {
    QWidget* main = host.mainWindow();
    if (!confirmTextLoss(main)) return;
    const QString name =
        ui::answerer().openFileName(main, {QStringLiteral("Retrouver un texte"),
                                           QDir::currentPath(), rtfFilter, QStringLiteral("rtf")});
    if (name.isEmpty()) return;
    ui::ProgramState& state = ui::state();
    state.correctionAvailable = 0;
    if (!loadRtfFile(name, *host.supertext()->document()))
        critical(main, driveAdvice, QStringLiteral("Erreur de lecture."));
    host.supertext()->setReadOnly(false);
    host.fich()->setText(QStringLiteral("Texte: ") +
                         QDir::toNativeSeparators(QFileInfo(name).absoluteFilePath()));
    state.textModified = 0;
}

void printText(ui::BenchHost& host) {
    QWidget* main = host.mainWindow();
    QPrinter printer;
    QString pdf;
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // No printer installed: the text goes into a PDF file.
        pdf = ui::answerer().saveFileName(main, {QStringLiteral("Imprimer"), QDir::currentPath(),
                                                 QStringLiteral("Document PDF (*.pdf)"),
                                                 QStringLiteral("pdf")});
        if (pdf.isEmpty()) return;
        if (QFileInfo(pdf).suffix().isEmpty()) pdf += QStringLiteral(".pdf");
        if (!printing::mayOverwrite(main, pdf)) return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    } else if (!ui::answerer().choosePrinter(main, printer)) {
        return;
    }

    QTextEdit* text = host.supertext();
    const QTextCursor selection = text->textCursor();
    QTextDocument part;
    const QTextDocument* document = text->document();
    if (selection.hasSelection()) {
        part.setDefaultFont(document->defaultFont());
        QTextCursor(&part).insertFragment(selection.selection());
        document = &part;
    }
    if (!pdf.isEmpty()) QFile::remove(pdf);
    document->print(&printer);
    const bool failed =
        printer.printerState() == QPrinter::Error || (!pdf.isEmpty() && QFileInfo(pdf).size() == 0);
    if (failed)
        ui::ask(main, QStringLiteral("Impossible d'imprimer : vérifier l'imprimante."),
                QStringLiteral("Imprimer"), ui::Icon::Critical, ui::Buttons::Ok);
}

void closeExercise(ui::BenchHost& host) {
    if (!confirmTextLoss(host.mainWindow())) return;
    ui::ProgramState& state = ui::state();
    state.textModified = 0;
    host.fich()->clear();
    host.showInformation();
    state.correctionAvailable = 0;
}

void openRequestedExercise(ui::BenchHost& host, const QString& programFolderRelativeName) {
    const QString name = programFolderRelativeName.trimmed();
    if (name.isEmpty()) return;
    QWidget* main = host.mainWindow();
    const QString folder = withFinalSeparator(ui::programFolder());
    ui::state().exerciseFolder = folder;
    const QString path = resolveStoredName(folder, name);
    // The correction is offered when the exercise has one.
    const bool corrected = readExerciseRecords(path).corrected();
    if (main) main->hide();
    openExercise(host, path, corrected, main);
    if (main) main->show();
}

void showHelp(QWidget* parent) {
    const QString path =
        resolveStoredName(withFinalSeparator(ui::programFolder()), QStringLiteral("Ovlu.hlp"));
    if (!QFileInfo(path).isFile()) {
        ui::ask(parent,
                QStringLiteral("Le fichier d'aide Ovlu.hlp est introuvable dans le dossier du "
                               "logiciel.\nRevoir l'installation du logiciel."),
                QStringLiteral("Aide"), ui::Icon::Exclamation, ui::Buttons::Ok);
        return;
    }
    ui::answerer().showHelp(parent, path);
}

} // namespace exercises
