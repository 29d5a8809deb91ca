// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise's text area (supertext). Text pasted from elsewhere keeps its own formats, but
// leaves the writer's alone: what is typed after the pasted text takes the format the cursor
// had before the paste, and when the pasted text ends with its line (a paragraph break), the
// line the cursor then stands in keeps the paragraph format it had, not the pasted line's.

#include <QTextEdit>

namespace exercises {

class ExerciseText : public QTextEdit {
    Q_OBJECT
public:
    using QTextEdit::QTextEdit;

    // Pastes as Ctrl+V does (also used by the tests, which have no clipboard to rely on).
    void pasteData(const QMimeData& data) { insertFromMimeData(&data); }

protected:
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace exercises
