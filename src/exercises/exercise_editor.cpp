// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/exercise_editor.h"

#include "exercises/exercise_actions.h"
#include "exercises/exercise_area.h"
#include "exercises/exercise_file.h"
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
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QVBoxLayout>

namespace exercises {
namespace {

const QString newExerciseName = QStringLiteral("Nouvel exercice");

QString createNote() {
    return QStringLiteral(
        "L'énoncé enregistré est le texte de la fenêtre exercice, et la configuration de "
        "départ le banc tel qu'il est (ses dix situations). La correction vient ensuite : "
        "l'écrire dans la fenêtre exercice, amener le banc où elle le montre, puis choisir "
        "«\u00A0Modifier l'exercice\u00A0» et «\u00A0Enregistrer la correction\u00A0».");
}

QString modifyNote(bool correctionShown) {
    if (correctionShown)
        return QStringLiteral(
            "La fenêtre exercice montre la correction, que l'on peut maintenant modifier : "
            "«\u00A0Enregistrer la correction\u00A0» l'enregistre avec le banc tel qu'il est. Pour "
            "changer l'énoncé, rouvrir l'exercice.");
    return QStringLiteral("«\u00A0Enregistrer l'exercice\u00A0» enregistre le texte de la fenêtre "
                          "exercice comme énoncé et "
                          "le banc comme configuration de départ ; «\u00A0Enregistrer la "
                          "correction\u00A0» les enregistre "
                          "comme correction et configuration de la correction.");
}

QString fileNamesText(const QString& shortName) {
    if (!isShortName(shortName)) return QStringLiteral("Fichiers : —");
    const ExerciseNames n = exerciseNames(shortName);
    return QStringLiteral("Fichiers : %1, %2, %3 ; correction : %4, %5")
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
    if (modifying) {
        const QString path = QDir::fromNativeSeparators(exerciseFile);
        setFields(fieldsOf(readExerciseRecords(path), path));
        // The exercise's own folder, or the documents where that one cannot be written (the
        // shipped exercises of an installation for all users).
        const QString writable = files::writableSavePath(QFileInfo(path).absoluteFilePath());
        folder->setText(
            QDir::toNativeSeparators(QFileInfo(QDir::fromNativeSeparators(writable)).path()));
    } else {
        setFields(ExerciseFields());
        folder->setText(proposedExerciseFolder(area));
    }

    // Placed as the program's other secondary windows, below and right of the main window.
    if (QWidget* main = area.mainWindow()) move(main->pos() + QPoint(20, 20));
    resize(sizeHint().expandedTo(QSize(560, 0)));
}

void ExerciseEditor::buildForm() {
    title = new QLineEdit(this);
    shortName = new QLineEdit(this);
    shortName->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z][A-Za-z0-9]{0,%1}").arg(maxShortName - 1)),
        shortName));
    shortName->setToolTip(QStringLiteral("De 1 à 8 lettres ou chiffres, en commençant par une "
                                         "lettre : il donne le nom des fichiers."));
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
    form->addRow(QStringLiteral("&") + titleField + QStringLiteral(" :"), title);
    form->addRow(QStringLiteral("&") + shortNameField + QStringLiteral(" :"), shortName);
    form->addRow(QString(), fileNames);
    form->addRow(QStringLiteral("&Dossier :"), folderRow);
    form->addRow(QStringLiteral("Ni&veau de difficulté :"), level);
    form->addRow(QStringLiteral("D&urée (en sabliers) :"), duration);
    form->addRow(QStringLiteral("N&otions abordées :"), topics);
    form->addRow(QString(), hidden);
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

    QWidget* order[] = {title,  shortName, folder,        chooseFolder,   level, duration,
                        topics, hidden,    saveStatement, saveCorrection, cancel};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(shortName, &QLineEdit::textEdited, this,
            [this](const QString& text) { shortNameEdited(text); });
    connect(shortName, &QLineEdit::textChanged, this,
            [this](const QString& text) { fileNames->setText(fileNamesText(text)); });
    connect(chooseFolder, &QPushButton::clicked, this, [this] { chooseFolder_Click(); });
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
    const ExerciseSave request{folder->text().trimmed(), fields(), part,
                               QDir::fromNativeSeparators(exerciseFile_)};
    const QString path =
        saveExercise(this, request, *area_.supertext()->document(), area_.benchSituations());
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

void createExercise(ExerciseArea& area) {
    const bool correctionShown = area.exercise().correctionShown;
    if (!area.fich()->text().isEmpty() && !correctionShown) {
        ExerciseEditor editor(area, QString(), area.mainWindow());
        ui::exec(editor);
        return;
    }
    // A correction is not the statement of a new exercise: like the information text, it
    // gives way to an empty page for the statement, once a change to it may be lost.
    if (correctionShown && !confirmTextLoss(area)) return;
    QTextEdit* text = area.supertext();
    text->clear();
    text->setCurrentCharFormat(QTextCharFormat());
    text->setReadOnly(false);
    area.fich()->setText(newExerciseName);
    ExerciseState& state = area.exercise();
    state.correctionAvailable = false;
    state.correctionShown = false;
    state.textModified = false;
    text->setFocus();
    ui::ask(area.mainWindow(),
            QStringLiteral("Écrire l'énoncé dans la fenêtre exercice et préparer le banc tel que "
                           "les élèves doivent le trouver, puis choisir de nouveau «\u00A0Créer un "
                           "exercice…\u00A0» dans le menu des exercices pour l'enregistrer."),
            QStringLiteral("Créer un exercice"), ui::Icon::Information, ui::Buttons::Ok);
}

void modifyExercise(ExerciseArea& area) {
    if (!exerciseInUse(area)) return;
    const QString path = QDir::fromNativeSeparators(area.fich()->text());
    if (!readExerciseRecords(path).readable) {
        cannotReadExercise(area.mainWindow());
        return;
    }
    // The teacher may now change the correction shown, and save it again.
    if (area.exercise().correctionShown) area.supertext()->setReadOnly(false);
    ExerciseEditor editor(area, path, area.mainWindow());
    ui::exec(editor);
}

} // namespace exercises
