// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/exercise_text.h"

#include <QTextBlock>
#include <QTextCursor>

namespace exercises {

void ExerciseText::insertFromMimeData(const QMimeData* source) {
    const QTextCursor before = textCursor();
    const QTextCharFormat chosen = currentCharFormat();
    const QTextBlockFormat paragraph = before.blockFormat();
    const QTextCharFormat paragraphChars = before.blockCharFormat();
    const int startBlock = before.blockNumber();
    QTextEdit::insertFromMimeData(source);
    QTextCursor after = textCursor();
    if (after.blockNumber() != startBlock && after.atBlockStart()) {
        // The pasted text ended with its line: the line now under the cursor is the writer's.
        after.setBlockFormat(paragraph);
        after.setBlockCharFormat(paragraphChars);
        setTextCursor(after);
    }
    setCurrentCharFormat(chosen);
}

} // namespace exercises
