// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer the program prints on, and the one way every printing goes: when no printer
// is installed the pages go into a PDF file whose name the user chooses, and a printer that
// cannot be opened or reports an error is said so instead of passing for a success.

#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QTextDocument;
class QTextEdit;
class QWidget;

namespace ui {
struct FileRequest;
}

namespace printing {

// The printer chosen for the whole run (the default printer, or a PDF file when the
// system has no printer). Created on first use.
QPrinter& programPrinter();

// Whether the printer writes a PDF file rather than sending pages to a printer.
bool printsToFile(const QPrinter& printer);

// What the printer-name box shows.
QString printerDescription(const QPrinter& printer);

// Whether a file may be written under this name: true when no such file exists, or when
// the user agrees to replace it (question "Ecraser le fichier?", OK and Cancel).
bool mayOverwrite(QWidget* parent, const QString& fileName);
// The name of a file to write, asked through the file chooser: the request's suffix added
// when the name has none, and the question above when the file exists. Empty when the user
// cancels the chooser or keeps the old file.
QString chooseFileToWrite(QWidget* parent, const ui::FileRequest& request);

// The failure messages (title "Imprimer", critical icon, OK).
QString printerFailureText();
QString fileFailureText(const QString& fileName);

enum class PrintOutcome { Printed, Cancelled, Failed };

// Opens the printer (asking the PDF file name first when it writes a file; cancelling
// that choice gives Cancelled), runs paint, which draws every page and starts the new
// ones itself (returning false when the printer refuses one), and closes the document.
// Any failure shows its message and gives Failed.
PrintOutcome printWith(QWidget* parent, QPrinter& printer,
                       const std::function<bool(QPainter&)>& paint);

// Prints a rich text on the printer (asking the PDF file's name when it writes one), page
// after page, with margins of 2 cm; the failure said as printWith says it.
PrintOutcome printTextDocument(QWidget* parent, QPrinter& printer, const QTextDocument& document);

// Lets the user choose the printer, then prints a rich text on it, page after page, with
// margins of 2 cm. False when the choice was cancelled or the printing failed (its
// message shown).
bool printDocument(QWidget* parent, const QTextDocument& document);

// The same for a text area: its selection, or all of it when nothing is selected.
bool printTextEdit(QWidget* parent, const QTextEdit& edit);

} // namespace printing
