// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of the amounts along the titration, for a spreadsheet: on the clipboard as text
// (tab-separated, decimal comma), or saved as a CSV file (";" separator, decimal comma, UTF-8
// with a byte order mark, CR LF line ends), as French spreadsheets read them.

#include <QString>

#include <string>

class QWidget;

namespace printing {

class BenchPictures;

// The table's text as the clipboard gets it.
QString amountsTableClipboardText(BenchPictures& source);
// The bytes of the CSV file.
std::string amountsTableCsv(BenchPictures& source);

// "Copier le tableau des quantités de matière".
void copyAmountsTable(BenchPictures& source);

// "Enregistrer le tableau…": asks for a file name (through the modal seam), asks before
// replacing an existing file, and writes the file safely (a new file renamed into place),
// telling when it could not. True when the file was written.
bool saveAmountsTable(BenchPictures& source);

} // namespace printing
