// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What assistive technology sees of a DocumentView: its text line by line, its tables as
// tables. Kept to this library.

#include "a11y/text_table.h"

class QTextDocument;
class QTextTable;

namespace a11y {

// Makes the accessible interfaces of the document views (once per program).
void installDocumentAccessibility();

// A table of a rich text as texts: a first row in bold is the header row.
TextTable documentTable(QTextTable* table);

// The line of the document that holds the position, as a screen reader reads it: the text
// of one laid-out line (a paragraph not laid out is one line), a line that starts a table
// cell preceded by its column's header ("Contenu : titre"). start and end give the line's
// place in the document, the separator after it included.
struct DocumentLine {
    int start = 0;
    int end = 0;
    QString text;
};
DocumentLine documentLine(const QTextDocument& document, int position);

} // namespace a11y
