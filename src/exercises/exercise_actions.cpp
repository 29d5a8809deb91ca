// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/exercise_actions.h"

#include "a11y/tell.h"
#include "exercises/exercise_area.h"
#include "exercises/exercise_file.h"
#include "exercises/student_name_dialog.h"
#include "exercises/student_work.h"
#include "exercises/text_area.h"
#include "files/ui/paths.h"
#include "printing/printer_target.h"
#include "rtf/rtf.h"
#include "ui/modal.h"

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
bool loadStoredText(ExerciseArea& area, const QString& folder, const QString& storedName) {
    const QString path = resolveStoredName(folder, storedName);
    return QFileInfo(path).isFile() && loadRtfIntoArea(path, *area.supertext());
}

// The configuration named in a record, loaded onto the bench when the record is not blank.
void loadStoredConfiguration(ExerciseArea& area, const QString& folder, const QString& storedName) {
    if (isBlank(storedName)) return;
    area.loadConfiguration(QDir::toNativeSeparators(resolveStoredName(folder, storedName)));
}

// The title of record 11 without its end blanks.
QString titleOf(const ExerciseRecords& records) {
    QString title = records[titleRecord];
    while (title.endsWith(QLatin1Char(' ')))
        title.chop(1);
    return title;
}

// Records 14 and 15 that cannot be read: the exercise is not opened.
void damagedUnknown(QWidget* parent, const QString& exerciseFile, const std::string& reason) {
    critical(parent,
             QStringLiteral("Le fichier d'exercice %1 ne peut pas donner sa concentration à "
                            "chaque élève : %2")
                 .arg(QDir::toNativeSeparators(exerciseFile), QString::fromStdString(reason)),
             QStringLiteral("Lecture impossible"));
}

// The work of an exercise just opened, when its concentration is hidden.
void startWork(ExerciseArea& area, const QString& exerciseFile, const ExerciseRecords& records,
               const std::optional<grading::ExerciseUnknown>& unknown, const QString& name) {
    if (!unknown && !records.hidesConcentration()) return;
    StudentWork work;
    work.exerciseFile = area.fich()->text();
    if (work.exerciseFile.isEmpty()) work.exerciseFile = exerciseFile;
    work.title = titleOf(records);
    work.name = name;
    work.unknown = unknown;
    beginStudentWork(area, std::move(work));
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
    critical(parent, QStringLiteral("Vérifier\u00A0:\n- le nom du fichier,\n- l'état du lecteur."),
             QStringLiteral("Lecture impossible"));
}

bool textLossAccepted(QWidget* parent) {
    return ui::ask(parent, QStringLiteral("Attention\u00A0: perte des modifications du texte."),
                   QStringLiteral("Abandon des données\u00A0?"), ui::Icon::Question,
                   ui::Buttons::OkCancel) == ui::Answer::Ok;
}

bool confirmTextLoss(ExerciseArea& area) {
    ExerciseState& state = area.exercise();
    if (!state.textModified) return true;
    if (!textLossAccepted(area.mainWindow())) return false;
    state.textModified = false;
    return true;
}

OpenResult openExercise(ExerciseArea& area, const QString& exerciseFile, bool corrected,
                        QWidget* messageParent) {
    ExerciseState& state = area.exercise();
    const ExerciseRecords records = readExerciseRecords(exerciseFile);
    if (!records.readable) {
        cannotReadExercise(messageParent);
        return OpenResult::Unreadable;
    }
    const auto unknown = records.unknown();
    if (!unknown) {
        damagedUnknown(messageParent, exerciseFile, unknown.reason);
        return OpenResult::Unreadable;
    }
    // The name first: cancelled, nothing of the exercise is opened.
    QString name;
    if (*unknown) {
        const std::optional<QString> typed = askStudentName(messageParent, titleOf(records));
        if (!typed) return OpenResult::Cancelled;
        name = *typed;
    }
    const QString folder = state.folder;
    if (!loadStoredText(area, folder, records[statementRecord])) {
        missing(messageParent, folder, records[statementRecord]);
        return OpenResult::StatementMissing;
    }
    endStudentWork(area);
    area.forgetSecretSample(); // the exercise's own solution replaces any earlier one
    area.fich()->setText(QDir::toNativeSeparators(QFileInfo(exerciseFile).absoluteFilePath()));
    state.correctionAvailable = corrected;
    state.correctionShown = false;
    // Hidden first: the concentration never shows on the bench, not even for an instant.
    if (records.hidesConcentration() || *unknown) area.hideSampleConcentration();
    loadStoredConfiguration(area, folder, records[configurationRecord]);
    startWork(area, exerciseFile, records, *unknown, name);
    area.supertext()->setReadOnly(false);
    state.textModified = false;
    return OpenResult::Opened;
}

bool gettingStarted(ExerciseArea& area) {
    ExerciseState& state = area.exercise();
    const QString folder = withFinalSeparator(files::dataFolder());
    state.folder = folder;
    const QString path = resolveStoredName(folder, QStringLiteral("VIREKA.PEM"));
    if (!QFileInfo(path).isFile()) return false;
    // The getting-started text replaces the text area like any other: typed answers are not
    // thrown away without the question.
    if (!confirmTextLoss(area)) return false;
    const ExerciseRecords records = readExerciseRecords(path);
    if (!records.readable || !loadStoredText(area, folder, records[statementRecord])) {
        critical(area.mainWindow(),
                 QStringLiteral("Fichier introuvable. Revoir l'installation du logiciel."),
                 QStringLiteral("Erreur lors du chargement"));
        return false;
    }
    endStudentWork(area);
    area.forgetSecretSample();
    area.fich()->setText(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    state.correctionAvailable = false;
    state.correctionShown = false;
    if (records.hidesConcentration()) area.hideSampleConcentration();
    loadStoredConfiguration(area, folder, records[configurationRecord]);
    startWork(area, path, records, std::nullopt, QString());
    area.supertext()->setReadOnly(false);
    state.textModified = false;
    return true;
}

void showCorrection(ExerciseArea& area) {
    QWidget* main = area.mainWindow();
    if (!confirmTextLoss(area)) return;
    ExerciseState& state = area.exercise();
    state.textModified = false;
    {
        WaitPointer wait(main);
        const ExerciseRecords records = readExerciseRecords(area.fich()->text());
        if (!records.readable) {
            cannotReadExercise(main);
            return;
        }
        const QString folder = state.folder;
        const QString& correction = records[correctionRecord];
        if (!isBlank(correction) && !loadStoredText(area, folder, correction)) {
            missing(main, folder, correction);
            return;
        }
        if (!isBlank(correction)) state.correctionShown = true;
        loadStoredConfiguration(area, folder, records[correctionConfigurationRecord]);
        if (const auto own = state.work ? studentConcentration(*state.work) : std::nullopt) {
            // The student's own concentration stays the bench's, hidden: the correction shows
            // how to find it, the check says whether the result is right.
            area.sealSample(*own);
        } else if (records.hidesConcentration()) {
            // The correction gives the concentration away: the bench shows it too.
            area.revealSampleConcentration();
        }
        area.supertext()->setReadOnly(true);
    }
    state.textModified = false;
}

void saveText(ExerciseArea& area) {
    QWidget* main = area.mainWindow();
    const QString name = printing::chooseFileToWrite(
        main, {QStringLiteral("Enregistrer le contenu de la fenêtre exercice"),
               files::writableFolder(QDir::currentPath()), rtfFilter, QStringLiteral("RTF")});
    if (name.isEmpty()) return;
    if (!rtf::saveRtfFile(name, *area.supertext()->document())) {
        critical(main, driveAdvice, QStringLiteral("Erreur d'écriture."));
        return;
    }
    area.exercise().textModified = false;
    a11y::tell(main, QStringLiteral("Texte enregistré\u00A0: ") + QFileInfo(name).fileName() +
                         QStringLiteral("."));
}

void reloadText(ExerciseArea& area) {
    QWidget* main = area.mainWindow();
    if (!confirmTextLoss(area)) return;
    const QString name =
        ui::answerer().openFileName(main, {QStringLiteral("Retrouver un texte"),
                                           QDir::currentPath(), rtfFilter, QStringLiteral("rtf")});
    if (name.isEmpty()) return;
    openText(area, name);
}

void openText(ExerciseArea& area, const QString& name) {
    ExerciseState& state = area.exercise();
    state.correctionAvailable = false;
    state.correctionShown = false;
    if (!loadRtfIntoArea(name, *area.supertext()))
        critical(area.mainWindow(), driveAdvice, QStringLiteral("Erreur de lecture."));
    area.supertext()->setReadOnly(false);
    area.fich()->setText(QStringLiteral("Texte\u00A0: ") +
                         QDir::toNativeSeparators(QFileInfo(name).absoluteFilePath()));
    state.textModified = false;
}

void printText(ExerciseArea& area) {
    QWidget* main = area.mainWindow();
    QPrinter printer;
    QString pdf;
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // No printer installed: the text goes into a PDF file.
        pdf = printing::chooseFileToWrite(
            main, {QStringLiteral("Imprimer"), files::writableFolder(QDir::currentPath()),
                   QStringLiteral("Document PDF (*.pdf)"), QStringLiteral("pdf")});
        if (pdf.isEmpty()) return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    } else if (!ui::answerer().choosePrinter(main, printer)) {
        return;
    }

    QTextEdit* text = area.supertext();
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
    if (failed) {
        ui::ask(main, QStringLiteral("Impossible d'imprimer\u00A0: vérifier l'imprimante."),
                QStringLiteral("Imprimer"), ui::Icon::Critical, ui::Buttons::Ok);
        return;
    }
    a11y::tell(main, pdf.isEmpty() ? QStringLiteral("Texte envoyé à l'imprimante.")
                                   : QStringLiteral("Texte enregistré dans le fichier PDF ") +
                                         QFileInfo(pdf).fileName() + QStringLiteral("."));
}

void closeExercise(ExerciseArea& area) {
    if (!confirmTextLoss(area)) return;
    ExerciseState& state = area.exercise();
    state.textModified = false;
    area.fich()->clear();
    area.showInformation();
    state.correctionAvailable = false;
    state.correctionShown = false;
    endStudentWork(area);
}

void openRequestedExercise(ExerciseArea& area, const QString& dataFolderRelativeName) {
    const QString name = dataFolderRelativeName.trimmed();
    if (name.isEmpty()) return;
    QWidget* main = area.mainWindow();
    const QString folder = withFinalSeparator(files::dataFolder());
    area.exercise().folder = folder;
    const QString path = resolveStoredName(folder, name);
    // The correction is offered when the exercise has one.
    const bool corrected = readExerciseRecords(path).corrected();
    if (main) main->hide();
    openExercise(area, path, corrected, main);
    if (main) main->show();
}

void showHelp(QWidget* parent) {
    const QString path =
        resolveStoredName(withFinalSeparator(files::dataFolder()), QStringLiteral("Ovlu.hlp"));
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
