// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's code of an exercise whose concentration to find is hidden. Without it,
// "Modifier l'exercice" (and so "Valeurs des élèves…") refuses to open on that exercise. The
// exercise file keeps no code, only a salted hash of it, in record 16:
//
//   "code1;SALT;HASH"  SALT: 16 random bytes, HASH: 32 bytes, both in lowercase hexadecimal;
//                      HASH = h(20000), h(1) = SHA-256(SALT bytes, code in UTF-8),
//                      h(n + 1) = SHA-256(h(n), SALT bytes).
//
// A blank record 16 (or a file that ends before it) is an exercise without a code. The code
// guards the program's windows only: whoever reads the exercise file with another program, or
// changes this free program, gets past it.

#include <QString>

#include <optional>

class QWidget;

namespace exercises {

inline constexpr int minTeacherCode = 4; // characters

// What is wrong with a code the teacher typed twice, as a French sentence; empty when it can
// be kept.
QString teacherCodeProblem(const QString& code, const QString& again);

// The text of record 16 for a code, with a new random salt.
QString teacherCodeRecordText(const QString& code);

// The record holds a code (well formed); a damaged record counts as a code no one can give.
bool holdsTeacherCode(const QString& recordText);

// The code typed is the one the record keeps.
bool teacherCodeMatches(const QString& recordText, const QString& code);

// Asks the code for `action` ("Modifier l'exercice", the window's title) through the modal
// seam, in a window whose hidden field is named "code"; true when the record holds no code or the
// right code was typed. A wrong code is refused with a message.
bool teacherCodeGiven(QWidget* parent, const QString& recordText, const QString& action);

} // namespace exercises
