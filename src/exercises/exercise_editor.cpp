// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/exercise_editor.h"

#include "exercises/exercise_actions.h"
#include "exercises/exercise_area.h"
#include "exercises/exercise_file.h"
#include "exercises/student_values_window.h"
#include "exercises/teacher_code.h"
#include "exercises/unknown_fields.h"
#include "files/ui/paths.h"
#include "ui/modal.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace exercises {
namespace {

const QString newExerciseName = QStringLiteral("Nouvel exercice");

QString createNote() {
    return QStringLiteral(
        "Écrire l'énoncé dans la fenêtre exercice et préparer le banc tel que les élèves doivent "
        "le trouver (cette fenêtre reste ouverte pendant ce temps), puis «\u00A0Enregistrer "
        "l'exercice\u00A0»\u00A0: l'énoncé est le texte de la fenêtre exercice, la configuration "
        "de "
        "départ le banc tel qu'il est (ses dix situations). La correction vient ensuite\u00A0: "
        "l'écrire dans la fenêtre exercice, amener le banc où elle le montre, puis choisir "
        "«\u00A0Modifier l'exercice\u00A0» et «\u00A0Enregistrer la correction\u00A0».");
}

QString modifyNote(bool correctionShown) {
    if (correctionShown)
        return QStringLiteral(
            "La fenêtre exercice montre la correction, que l'on peut maintenant modifier\u00A0: "
            "«\u00A0Enregistrer la correction\u00A0» l'enregistre, avec le banc tel qu'il est si "
            "la case «\u00A0Enregistrer aussi le banc tel qu'il est\u00A0» est cochée. Pour "
            "changer l'énoncé, rouvrir l'exercice.");
    return QStringLiteral(
        "«\u00A0Enregistrer l'exercice\u00A0» enregistre le texte de la fenêtre exercice comme "
        "énoncé, et «\u00A0Enregistrer la correction\u00A0» comme correction. La configuration "
        "enregistrée reste celle de l'exercice, sauf si la case «\u00A0Enregistrer aussi le banc "
        "tel qu'il est\u00A0» est cochée.");
}

QString fileNamesText(const QString& shortName) {
    if (!isShortName(shortName)) {
        if (shortNameIntruder(shortName).isNull()) return QStringLiteral("Fichiers\u00A0: —");
        return QStringLiteral("Fichiers\u00A0: — («\u00A0%1\u00A0» ne peut pas figurer dans "
                              "un nom de fichier d'exercice)")
            .arg(shortNameIntruder(shortName));
    }
    const ExerciseNames n = exerciseNames(shortName);
    return QStringLiteral("Fichiers\u00A0: %1, %2, %3\u00A0; correction\u00A0: %4, %5")
        .arg(n.exercise, n.statement, n.configuration, n.correction, n.correctionConfiguration);
}

} // namespace

ExerciseEditor::ExerciseEditor(ExerciseArea& area, const QString& exerciseFile, QWidget* parent)
    : QDialog(parent), area_(area), exerciseFile_(exerciseFile) {
    setModal(true);
    const bool modifying = !exerciseFile.isEmpty();
    setWindowTitle(modifying ? QStringLiteral("Modifier l'exercice")
                             : QStringLiteral("Créer un exercice"));
    buildForm();

    const bool correctionShown = modifying && area.exercise().correctionShown;
    note->setText(modifying ? modifyNote(correctionShown) : createNote());
    // The correction is saved beside an exercise already written; while the text area shows
    // the correction, it is not saved again as the statement.
    saveCorrection->setEnabled(modifying);
    saveStatement->setEnabled(!correctionShown);
    // A new exercise takes the bench as it is; a change keeps the exercise's configuration
    // unless the teacher asks for the bench.
    saveBench->setChecked(!modifying);
    saveBench->setEnabled(modifying);
    if (modifying) {
        const QString path = QDir::fromNativeSeparators(exerciseFile);
        setFields(fieldsOf(readExerciseRecords(path), path));
        // The exercise's own folder, or the documents where that one cannot be written (the
        // shipped exercises of an installation for all users).
        const QString writable = files::writableSavePath(QFileInfo(path).absoluteFilePath());
        folder->setText(
            QDir::toNativeSeparators(QFileInfo(QDir::fromNativeSeparators(writable)).path()));
    } else {
        ExerciseFields fresh;
        // A new exercise hides and locks the concentration to find, as the shipped ones do.
        fresh.hidesConcentration = true;
        setFields(fresh);
        folder->setText(proposedExerciseFolder(area));
    }
    // A concentration the bench hides (the die, an exercise) stays hidden in the exercise.
    benchHides_ = area.sampleConcentrationHidden();
    if (benchHides_)
        hidden->setToolTip(QStringLiteral("La concentration est cachée sur le banc\u00A0: elle "
                                          "le reste dans l'exercice."));
    updateHidden();

    resize(sizeHint().expandedTo(QSize(560, 0)));
    // Placed as the program's other secondary windows, below and right of the main window.
    if (QWidget* main = area.mainWindow()) move(main->pos() + QPoint(20, 20));
}

void ExerciseEditor::placeBesideMainWindow() {
    QWidget* main = area_.mainWindow();
    if (!main) return;
    // Right of the main window where the screen has room, so that the exercise window and
    // the bench stay in sight; else over the bench, left of the exercise window.
    const QRect frame = main->frameGeometry();
    const QRect screen = main->screen() ? main->screen()->availableGeometry() : QRect();
    QPoint at = frame.topRight() + QPoint(8, 0);
    if (!screen.isValid() || at.x() + width() > screen.right()) {
        const int textLeft = area_.supertext()->mapToGlobal(QPoint(0, 0)).x();
        at = QPoint(std::max(screen.left(), textLeft - width() - 8), frame.top() + 60);
    }
    move(at);
}

void ExerciseEditor::buildForm() {
    title = new QLineEdit(this);
    shortName = new QLineEdit(this);
    // Every character typed stays: a name that cannot be a file name is refused with a
    // message, never cut without a word.
    shortName->setToolTip(QStringLiteral("De 1 à 8 lettres ou chiffres, en commençant par une "
                                         "lettre\u00A0: il donne le nom des fichiers."));
    fileNames = new QLabel(this);
    folder = new QLineEdit(this);
    chooseFolder = new QPushButton(QStringLiteral("C&hoisir…"), this);
    chooseFolder->setToolTip(QStringLiteral("Choisir le dossier et le nom de l'exercice"));
    level = new QSpinBox(this);
    level->setRange(minLevel, maxLevel);
    duration = new QSpinBox(this);
    duration->setRange(0, maxHourglasses);
    topics = new QPlainTextEdit(this);
    topics->setTabChangesFocus(true);
    topics->setFixedHeight(fontMetrics().lineSpacing() * 4 + 12);
    hidden = new QCheckBox(QStringLiteral("&Cacher la concentration à trouver jusqu'à la "
                                          "correction"),
                           this);
    unknownFields = new UnknownFields(this);
    code = new QLineEdit(this);
    codeAgain = new QLineEdit(this);
    for (QLineEdit* box : {code, codeAgain}) {
        box->setEchoMode(QLineEdit::Password);
        box->setToolTip(QStringLiteral("Sans ce code, «\u00A0Modifier l'exercice\u00A0» et "
                                       "«\u00A0Valeurs des élèves…\u00A0» refusent de "
                                       "s'ouvrir sur cet exercice."));
    }
    code->setAccessibleName(QStringLiteral("Code enseignant (facultatif)"));
    codeAgain->setAccessibleName(QStringLiteral("Code enseignant, à retaper"));
    saveBench = new QCheckBox(QStringLiteral("Enregistrer aussi le &banc tel qu'il est"), this);
    saveBench->setToolTip(QStringLiteral("Le banc devient la configuration de l'énoncé ou de la "
                                         "correction enregistrée."));
    note = new QLabel(this);
    note->setWordWrap(true);
    saveStatement = new QPushButton(QStringLiteral("Enregistrer l'&exercice"), this);
    saveCorrection = new QPushButton(QStringLiteral("Enregistrer la co&rrection"), this);
    cancel = new QPushButton(QStringLiteral("&Annuler"), this);
    // Enter in a field does not save: each save is a button of its own.
    for (QPushButton* b : {chooseFolder, saveStatement, saveCorrection, cancel})
        b->setAutoDefault(false);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder, 1);
    folderRow->addWidget(chooseFolder);
    auto* form = new QFormLayout;
    // The numbers keep the width of their spin boxes; the texts take the window's width.
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    // Each label names its field for the keyboard (its letter) and for screen readers.
    form->addRow(QStringLiteral("&") + titleField + QStringLiteral("\u00A0:"), title);
    form->addRow(QStringLiteral("&") + shortNameField + QStringLiteral("\u00A0:"), shortName);
    form->addRow(QString(), fileNames);
    form->addRow(QStringLiteral("&Dossier\u00A0:"), folderRow);
    form->addRow(QStringLiteral("Ni&veau de difficulté\u00A0:"), level);
    form->addRow(QStringLiteral("D&urée (en sabliers)\u00A0:"), duration);
    form->addRow(QStringLiteral("N&otions abordées\u00A0:"), topics);
    form->addRow(QString(), hidden);
    form->addRow(unknownFields);
    form->addRow(QStringLiteral("Code ensei&gnant (facultatif)\u00A0:"), code);
    form->addRow(QStringLiteral("Confir&mer le code\u00A0:"), codeAgain);
    form->addRow(QString(), saveBench);
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(folderRow)))
        label->setBuddy(folder);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(saveStatement);
    buttons->addWidget(saveCorrection);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addLayout(buttons);

    QWidget* order[] = {title,
                        shortName,
                        folder,
                        chooseFolder,
                        level,
                        duration,
                        topics,
                        hidden,
                        unknownFields->oneValue,
                        unknownFields->range,
                        unknownFields->lowest,
                        unknownFields->highest,
                        unknownFields->digits,
                        unknownFields->newKey,
                        unknownFields->studentValues,
                        code,
                        codeAgain,
                        saveBench,
                        saveStatement,
                        saveCorrection,
                        cancel};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(shortName, &QLineEdit::textEdited, this,
            [this](const QString& text) { shortNameEdited(text); });
    connect(shortName, &QLineEdit::textChanged, this,
            [this](const QString& text) { fileNames->setText(fileNamesText(text)); });
    connect(chooseFolder, &QPushButton::clicked, this, [this] { chooseFolder_Click(); });
    connect(unknownFields, &UnknownFields::modeChanged, this, [this] { updateHidden(); });
    connect(unknownFields->studentValues, &QPushButton::clicked, this,
            [this] { studentValues_Click(); });
    connect(saveStatement, &QPushButton::clicked, this, [this] { saveStatement_Click(); });
    connect(saveCorrection, &QPushButton::clicked, this, [this] { saveCorrection_Click(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ExerciseEditor::shortNameEdited(const QString& text) {
    // Typed in capitals, as the shipped exercises are named.
    const QString upper = text.toUpper();
    if (upper == text) return;
    const int cursor = shortName->cursorPosition();
    shortName->setText(upper);
    shortName->setCursorPosition(cursor);
}

ExerciseFields ExerciseEditor::fields() const {
    ExerciseFields f;
    f.shortName = shortName->text().trimmed().toUpper();
    f.title = title->text().trimmed();
    f.level = level->value();
    f.topics = topics->toPlainText().trimmed();
    f.duration = duration->value();
    f.hidesConcentration = hidden->isChecked();
    f.unknown = unknownFields->unknown();
    if (f.hidesConcentration || f.unknown) f.teacherCode = keptCode_;
    return f;
}

void ExerciseEditor::setFields(const ExerciseFields& f) {
    shortName->setText(f.shortName);
    fileNames->setText(fileNamesText(f.shortName));
    title->setText(f.title);
    level->setValue(f.level);
    topics->setPlainText(f.topics);
    duration->setValue(f.duration);
    hidden->setChecked(f.hidesConcentration);
    unknownFields->setUnknown(f.unknown);
    keptCode_ = f.teacherCode;
    const QString placeholder =
        keptCode_.isEmpty() ? QString() : QStringLiteral("inchangé si laissé vide");
    code->setPlaceholderText(placeholder);
    codeAgain->setPlaceholderText(placeholder);
    updateHidden();
}

void ExerciseEditor::updateHidden() {
    // A student's own concentration is always hidden and locked; so is one the bench hides.
    const bool forced = benchHides_ || unknownFields->range->isChecked();
    if (forced) hidden->setChecked(true);
    hidden->setEnabled(!forced);
    // A code guards a hidden concentration only.
    const bool coded = hidden->isChecked() || unknownFields->range->isChecked();
    code->setEnabled(coded);
    codeAgain->setEnabled(coded);
}

void ExerciseEditor::studentValues_Click() {
    const std::optional<grading::ExerciseUnknown> unknown = unknownFields->unknown();
    if (!unknown) return;
    if (const std::string problem = grading::rangeProblem(unknown->range); !problem.empty()) {
        ui::ask(this, QString::fromStdString(problem), QStringLiteral("Valeurs des élèves"),
                ui::Icon::Exclamation, ui::Buttons::Ok);
        return;
    }
    // The values hold for the students once the exercise file keeps this range and this key.
    bool saved = false;
    if (!exerciseFile_.isEmpty()) {
        const auto inFile =
            readExerciseRecords(QDir::fromNativeSeparators(exerciseFile_)).unknown();
        saved = inFile && *inFile && **inFile == *unknown;
    }
    StudentValuesWindow window(*unknown, saved, this);
    ui::exec(window);
}

void ExerciseEditor::chooseFolder_Click() {
    const QString start = QDir(QDir::fromNativeSeparators(folder->text().trimmed()))
                              .filePath(exerciseNames(fields().shortName).exercise);
    const QString chosen = ui::answerer().saveFileName(
        this, {QStringLiteral("Dossier et nom de l'exercice"), start,
               QStringLiteral("Exercice (*.E44 *.e44)"), QStringLiteral("E44")});
    if (chosen.isEmpty()) return;
    const QFileInfo info(chosen);
    folder->setText(QDir::toNativeSeparators(info.absolutePath()));
    shortName->setText(info.completeBaseName().toUpper());
}

void ExerciseEditor::save(ExercisePart part) {
    ExerciseSave request{folder->text().trimmed(), fields(), part,
                         QDir::fromNativeSeparators(exerciseFile_)};
    // A new code replaces the one kept; none typed keeps it.
    const bool coded = request.fields.hidesConcentration || request.fields.unknown;
    if (coded && !(code->text().isEmpty() && codeAgain->text().isEmpty())) {
        if (const QString problem = teacherCodeProblem(code->text(), codeAgain->text());
            !problem.isEmpty()) {
            ui::ask(this, problem, windowTitle(), ui::Icon::Exclamation, ui::Buttons::Ok);
            return;
        }
        request.fields.teacherCode = teacherCodeRecordText(code->text());
    }
    request.saveBench = saveBench->isChecked();
    const QString path = saveExercise(this, request, *area_.supertext()->document(),
                                      exerciseFile_.isEmpty() ? area_.benchSituations()
                                                              : area_.exerciseSituations());
    if (path.isEmpty()) return;
    // The exercise area now names the exercise written, as after opening it.
    const QFileInfo written(path);
    ExerciseState& state = area_.exercise();
    area_.fich()->setText(QDir::toNativeSeparators(written.absoluteFilePath()));
    state.folder = QDir::toNativeSeparators(withFinalSeparator(written.absolutePath()));
    state.correctionAvailable = readExerciseRecords(path).corrected();
    state.correctionShown = part == ExercisePart::Correction;
    state.textModified = false;
    accept();
}

QString proposedExerciseFolder(ExerciseArea& area) {
    QString start = QDir::fromNativeSeparators(area.exercise().folder);
    if (start.isEmpty() || !QFileInfo(start).isDir()) start = files::programFolder();
    const QString proposed = files::writableSavePath(QDir(start).filePath(QStringLiteral("X")));
    return QDir::toNativeSeparators(QFileInfo(QDir::fromNativeSeparators(proposed)).path());
}

bool exerciseInUse(ExerciseArea& area) {
    const QString path = QDir::fromNativeSeparators(area.fich()->text());
    const QFileInfo info(path);
    return info.suffix().compare(QLatin1String("E44"), Qt::CaseInsensitive) == 0 && info.isFile();
}

ExerciseEditor* createExercise(ExerciseArea& area) {
    QWidget* main = area.mainWindow();
    // One window of a new exercise at a time: a second choice brings it back.
    if (main) {
        for (ExerciseEditor* open :
             main->findChildren<ExerciseEditor*>(QString(), Qt::FindDirectChildrenOnly))
            if (open->isVisible() && open->windowTitle() == QStringLiteral("Créer un exercice")) {
                open->raise();
                open->activateWindow();
                return open;
            }
    }
    const bool correctionShown = area.exercise().correctionShown;
    if (area.fich()->text().isEmpty() || correctionShown) {
        // Neither the information text nor a correction is the statement of a new exercise:
        // they give way to an empty page, once a change to a correction may be lost.
        if (correctionShown && !confirmTextLoss(area)) return nullptr;
        QTextEdit* text = area.supertext();
        text->clear();
        text->setCurrentCharFormat(QTextCharFormat());
        text->setReadOnly(false);
        area.fich()->setText(newExerciseName);
        ExerciseState& state = area.exercise();
        state.correctionAvailable = false;
        state.correctionShown = false;
        state.textModified = false;
    }
    // Not modal: the statement is written and the bench prepared while it is open.
    auto* editor = new ExerciseEditor(area, QString(), main);
    editor->setModal(false);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->placeBesideMainWindow();
    editor->show();
    area.supertext()->setFocus();
    return editor;
}

void modifyExercise(ExerciseArea& area) {
    if (!exerciseInUse(area)) return;
    const QString path = QDir::fromNativeSeparators(area.fich()->text());
    const ExerciseRecords records = readExerciseRecords(path);
    if (!records.readable) {
        cannotReadExercise(area.mainWindow());
        return;
    }
    if (!teacherCodeGiven(area.mainWindow(), records[codeRecord],
                          QStringLiteral("Modifier l'exercice")))
        return;
    // The teacher may now change the correction shown, and save it again.
    if (area.exercise().correctionShown) area.supertext()->setReadOnly(false);
    ExerciseEditor editor(area, path, area.mainWindow());
    ui::exec(editor);
}

} // namespace exercises
