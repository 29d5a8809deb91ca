// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/printer_target.h"

#include "ui/modal.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextFrame>
#include <memory>

namespace printing {
namespace {

const QString title = QStringLiteral("Imprimer");

// Asks where the PDF goes; false when cancelled.
bool chooseOutputFile(QWidget* parent, QPrinter& printer) {
    ui::FileRequest request;
    request.caption = QStringLiteral("Imprimer dans un fichier PDF");
    request.folder =
        printer.outputFileName().isEmpty() ? QDir::homePath() : printer.outputFileName();
    request.filter = QStringLiteral("Documents PDF (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    const QString name = chooseFileToWrite(parent, request);
    if (name.isEmpty()) return false;
    printer.setOutputFileName(name);
    return true;
}

qreal screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

void reportFailure(QWidget* parent, const QPrinter& printer) {
    const QString text =
        printsToFile(printer) ? fileFailureText(printer.outputFileName()) : printerFailureText();
    ui::ask(parent, text, title, ui::Icon::Critical, ui::Buttons::Ok);
}

} // namespace

QPrinter& programPrinter() {
    // Kept for the whole run, like the system's printer choice.
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName({});
        }
        return p;
    }();
    return *printer;
}

bool printsToFile(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat;
}

QString printerDescription(const QPrinter& printer) {
    if (!printsToFile(printer)) return printer.printerName();
    if (printer.outputFileName().isEmpty())
        return QStringLiteral("Aucune imprimante\u00A0: impression dans un fichier PDF");
    return QStringLiteral("Fichier PDF\u00A0: %1")
        .arg(QDir::toNativeSeparators(printer.outputFileName()));
}

bool mayOverwrite(QWidget* parent, const QString& fileName) {
    if (!QFileInfo::exists(fileName)) return true;
    return ui::ask(parent,
                   QStringLiteral("Le fichier ") + QDir::toNativeSeparators(fileName) +
                       QStringLiteral(" existe déjà.\nÉcraser l'ancien\u00A0?"),
                   QStringLiteral("Écraser le fichier\u00A0?"), ui::Icon::Question,
                   ui::Buttons::OkCancel) == ui::Answer::Ok;
}

QString chooseFileToWrite(QWidget* parent, const ui::FileRequest& request) {
    QString name = ui::answerer().saveFileName(parent, request);
    if (name.isEmpty()) return {};
    if (QFileInfo(name).suffix().isEmpty()) name += QLatin1Char('.') + request.defaultSuffix;
    return mayOverwrite(parent, name) ? name : QString();
}

QString printerFailureText() {
    return QStringLiteral("Impossible d'imprimer\u00A0: vérifier l'imprimante.");
}

QString fileFailureText(const QString& fileName) {
    return QStringLiteral(
               "Impossible d'écrire le fichier «\u00A0%1\u00A0»\u00A0: vérifier le dossier choisi.")
        .arg(QDir::toNativeSeparators(fileName));
}

PrintOutcome printWith(QWidget* parent, QPrinter& printer,
                       const std::function<bool(QPainter&)>& paint) {
    if (printsToFile(printer) && !chooseOutputFile(parent, printer)) return PrintOutcome::Cancelled;
    QPainter painter;
    bool ok = painter.begin(&printer);
    if (ok) {
        ok = paint(painter);
        ok = painter.end() && ok;
    }
    ok = ok && printer.printerState() != QPrinter::Error;
    if (!ok) {
        reportFailure(parent, printer);
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}

PrintOutcome printTextDocument(QWidget* parent, QPrinter& printer, const QTextDocument& document) {
    const auto paint = [&](QPainter& painter) {
        // Lay the text out again at the printer's resolution, one page per printable area.
        std::unique_ptr<QTextDocument> copy(document.clone());
        copy->documentLayout()->setPaintDevice(&printer);
        const QSizeF page(printer.width(), printer.height());
        QTextFrameFormat frame = copy->rootFrame()->frameFormat();
        // The layout scales frame margins from screen units to the printer's: 2 cm.
        frame.setMargin(screenDpi() * 2 / 2.54);
        copy->rootFrame()->setFrameFormat(frame);
        copy->setPageSize(page);
        const int pages = copy->pageCount();
        for (int p = 0; p < pages; ++p) {
            if (p > 0 && !printer.newPage()) return false;
            const QRectF view(0, p * page.height(), page.width(), page.height());
            painter.save();
            painter.translate(0, -view.top());
            copy->drawContents(&painter, view);
            painter.restore();
        }
        return true;
    };
    return printWith(parent, printer, paint);
}

bool printDocument(QWidget* parent, const QTextDocument& document) {
    QPrinter& printer = programPrinter();
    if (!ui::answerer().choosePrinter(parent, printer)) return false;
    return printTextDocument(parent, printer, document) == PrintOutcome::Printed;
}

bool printTextEdit(QWidget* parent, const QTextEdit& edit) {
    const QTextCursor cursor = edit.textCursor();
    if (!cursor.hasSelection()) return printDocument(parent, *edit.document());
    QTextDocument selection;
    selection.setDefaultFont(edit.document()->defaultFont());
    QTextCursor(&selection).insertFragment(cursor.selection());
    return printDocument(parent, selection);
}

} // namespace printing
