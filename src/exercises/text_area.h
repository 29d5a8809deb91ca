// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loading a rich-text file into a text area. The file is read into a document that no window
// shows, and the whole document is then handed to the area: a shown document would be laid
// out again at every paragraph read, which freezes the program on a long text.

#include <QString>

class QTextEdit;

namespace exercises {

// Replaces the area's text by the rich text of the file at path. The new document keeps the
// area's settings (default font, text options, margins); the area's read-only state stays as
// it was, and the document counts as unmodified. False, with the area unchanged, when the
// file cannot be read.
bool loadRtfIntoArea(const QString& path, QTextEdit& area);

} // namespace exercises
