// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing an exercise: the fields a teacher gives, the names of the files derived from a short
// name, the checks of every text against what a record can hold, and the saving of the
// exercise file with its statement or its correction and their configurations, each file
// replaced safely.

#include "exercises/exercise_file.h"
#include "files/situations.h"

#include <QString>
#include <QStringList>

class QTextDocument;
class QWidget;

namespace files {
class RecordFile;
struct SaveFailure;
} // namespace files

namespace exercises {

// What the teacher gives for an exercise, besides its texts and configurations.
struct ExerciseFields {
    QString shortName;               // NAME of NAME.E44: 1 to 8 capital letters or digits
    QString title;                   // record 11
    int level = 1;                   // record 5, 1 to 3
    QString topics;                  // records 7 to 10, cut into pieces
    int duration = 1;                // record 12, in hourglasses
    bool hidesConcentration = false; // record 13
    // Records 14 and 15: each student's concentration drawn in a range from the exercise's
    // key, hidden and locked (record 13 is then "1"), and no concentration in its
    // configurations (files/unknown_sample.h). None: the bench's one value, as before.
    std::optional<grading::ExerciseUnknown> unknown;
    // Record 16: the salted hash of the teacher's code (teacher_code.h), kept with a hidden
    // concentration only; empty for none.
    QString teacherCode;
};

// The files of the exercise NAME, named as the shipped ones are, without a folder.
struct ExerciseNames {
    QString exercise;                // NAME.E44
    QString statement;               // NAME.RTF
    QString configuration;           // NAME.C17
    QString correction;              // NAMEC.RTF
    QString correctionConfiguration; // NAMEC.C17
};
ExerciseNames exerciseNames(const QString& shortName);

inline constexpr int maxShortName = 8;
inline constexpr int topicPieces = lastTopicRecord - firstTopicRecord + 1;
inline constexpr int maxRecordCharacters = 126;
inline constexpr int maxTopics = topicPieces * maxRecordCharacters;
inline constexpr int minLevel = 1;
inline constexpr int maxLevel = 3;

// 1 to 8 capital letters A to Z or digits, a letter first.
bool isShortName(const QString& name);
// The first character of name that a short name cannot hold ("É" of "ÉTÉ"); null if none.
QChar shortNameIntruder(const QString& name);

// The names of the fields in the window and in its messages.
inline const QString titleField = QStringLiteral("Titre");
inline const QString topicsField = QStringLiteral("Notions abordées");
inline const QString shortNameField = QStringLiteral("Nom court");

// What is wrong with the fields, as the message shown to the teacher (naming the field);
// empty when the records can hold them all.
QString fieldProblem(const ExerciseFields& fields);

// The topics cut into the four records, 126 characters each (the browser puts them end to
// end again). The fields must have passed fieldProblem.
QStringList cutTopics(const QString& topics);

// The fields of an existing exercise file, for a change: the short name from the file's
// name, the topics put end to end as the browser shows them, the level and duration held
// within what the window offers.
ExerciseFields fieldsOf(const ExerciseRecords& records, const QString& exerciseFile);

// Records 1 to 13 of the exercise file (to 15 with an unknown for each student, to 16 with a
// teacher's code): the files it
// names (records 1 to 4, as given) and the fields. The fields must have passed fieldProblem.
files::RecordFile exerciseRecordFile(const ExerciseFields& fields, const QStringList& fileNames);

// Which part of the exercise the text area and the bench hold when it is saved.
enum class ExercisePart { Statement, Correction };

struct ExerciseSave {
    QString folder;
    ExerciseFields fields;
    ExercisePart part = ExercisePart::Statement;
    // The exercise file being changed, if any: its statement saved again under the same name
    // keeps the correction it names.
    QString modifiedFile;
    // The bench saved as the part's configuration. When it is not, the configuration of the
    // exercise being changed is kept (copied under the new name if the name changes); a part
    // that has none yet takes the bench all the same.
    bool saveBench = true;
};

// Checks the fields, the text, the bench's situations and the names of the other exercises of
// the folder (a message naming what is wrong, and nothing written), asks once before
// replacing files that exist, then writes the part's text (RTF), its configuration and the
// exercise file together: all of them, or none if one cannot be written. A correction is
// written only beside an exercise file that names its statement. Returns the path of the
// exercise file written, empty when nothing was written (a message has said why).
QString saveExercise(QWidget* parent, const ExerciseSave& save, const QTextDocument& text,
                     const files::SituationTable& bench);

// The message of a save that failed: the file, its folder, the reason, and that nothing
// was changed.
QString saveFailureText(const files::SaveFailure& failure);

} // namespace exercises
