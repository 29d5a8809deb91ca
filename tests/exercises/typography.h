// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of French typography that every text of the program follows, as a reader of
// texts: a no-break space (U+00A0, or the narrow U+202F) before : ; ? ! and inside « »,
// never a plain space there nor none; capital letters with their accents (É, À); a question
// that ends with its question mark. And a reader of the string literals of C++ sources, to
// apply them to every text the program shows.

#include <QSet>
#include <QString>
#include <QStringList>

namespace typography {

// The faults of a text, each named with a few characters around it; none when it follows
// the rules. `accented` holds words that begin with an accented letter ("écraser", "état"),
// whose capital form must keep its accent.
QStringList faults(const QString& text, const QSet<QString>& accented);

// The words of a text that begin with é, è, ê or à, in small letters.
QSet<QString> accentedWords(const QString& text);

// The texts among the string literals of a C++ source: escapes decoded, literals that follow
// one another joined, comments left out; literals that are no text (rich-text or regular
// expression code with backslashes, style sheets, a lone punctuation mark) set aside.
QStringList sourceTexts(const QString& source);

} // namespace typography
