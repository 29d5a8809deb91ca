// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/table_copy.h"

#include "a11y/tell.h"
#include "files/recordfile.h"
#include "printing/bench_pictures.h"
#include "printing/printer_target.h"
#include "ui/modal.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

namespace printing {

namespace {

const QString saveTitle = QStringLiteral("Enregistrer le tableau");

QString startFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("titrage.csv"));
}

} // namespace

QString amountsTableClipboardText(BenchPictures& source) {
    return QString::fromStdString(source.tableText("\t", "\n"));
}

std::string amountsTableCsv(BenchPictures& source) {
    // The byte order mark tells the spreadsheet the file is UTF-8 (the subscripts of the
    // formulas in the header).
    return "\xEF\xBB\xBF" + source.tableText(";", "\r\n");
}

void copyAmountsTable(BenchPictures& source) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(amountsTableClipboardText(source));
    a11y::tell(source.mainWindow(),
               QStringLiteral("Tableau des quantités de matière copié dans le presse-papiers."));
}

bool saveAmountsTable(BenchPictures& source) {
    QWidget* parent = source.mainWindow();
    ui::FileRequest request;
    request.caption = saveTitle;
    request.folder = startFolder();
    request.filter = QStringLiteral("Tableaux CSV (*.csv)");
    request.defaultSuffix = QStringLiteral("csv");
    const QString name = chooseFileToWrite(parent, request);
    if (name.isEmpty()) return false;
    const std::string bytes = amountsTableCsv(source);
    if (files::saveFileSafely(QFile::encodeName(name).toStdString(), bytes) !=
        files::RecordStatus::Ok) {
        ui::ask(parent, fileFailureText(name), saveTitle, ui::Icon::Critical, ui::Buttons::Ok);
        return false;
    }
    a11y::tell(parent, QStringLiteral("Tableau enregistré\u00A0: ") + QFileInfo(name).fileName() +
                           QStringLiteral("."));
    return true;
}

} // namespace printing
