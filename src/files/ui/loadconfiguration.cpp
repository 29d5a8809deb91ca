// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/loadconfiguration.h"

#include "files/configuration.h"
#include "files/ui/configwindow.h"
#include "ui/bench_host.h"
#include "ui/modal.h"
#include "ui/paths.h"
#include "ui/program_state.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace files {
namespace {

const QString captionPrefix = QStringLiteral("Titrage colorimétrique - ");

} // namespace

QString existingFileIgnoringCase(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || info.exists()) return path;
    const QDir folder = info.absoluteDir();
    if (!folder.exists()) return path;
    const QString found =
        ui::entryIgnoringCase(folder.path(), info.fileName(), QDir::Files | QDir::Hidden);
    return found.isEmpty() ? path : QDir::toNativeSeparators(folder.filePath(found));
}

bool saveConfiguration(ui::BenchHost& host, const QString& path, QWidget* parent) {
    if (writeConfiguration(nativePath(path), ui::state().situations) == WriteResult::Ok) {
        host.setCaption(captionPrefix + path);
        return true;
    }
    ui::ask(parent, QStringLiteral("Ecriture impossible sur disque"),
            QStringLiteral("Enregistrement impossible"), ui::Icon::Critical, ui::Buttons::Ok);
    return false;
}

void loadConfiguration(ui::BenchHost& host, QWidget* openWindowOrNull) {
    // The waiting notice of the open window shows while the file is read.
    if (openWindowOrNull && openWindowOrNull->isVisible()) openWindowOrNull->repaint();

    ui::ProgramState& state = ui::state();
    const QString path = existingFileIgnoringCase(state.configFile);
    QWidget* parent = openWindowOrNull ? openWindowOrNull : host.mainWindow();

    SituationTable table = state.situations;
    switch (readConfiguration(nativePath(path), table)) {
    case LoadResult::CannotRead:
        ui::ask(parent, QStringLiteral("Lecture impossible sur disque"),
                QStringLiteral("Erreur lors du chargement du fichier"), ui::Icon::Critical,
                ui::Buttons::Ok);
        return;
    case LoadResult::InvalidSignature:
        ui::ask(parent, QStringLiteral("Ce fichier ne correspond pas à cette application"),
                QStringLiteral("Fichier non valide"), ui::Icon::Critical, ui::Buttons::Ok);
        return;
    case LoadResult::Ok:
        break;
    }

    // The bench belongs to no situation until situation 1 is selected, so that the
    // selection saves nothing over the loaded table and always takes place.
    host.clearSituationButtons();
    table.current = -1;
    state.situations = table;
    host.selectSituation(0);

    if (auto* dialog = qobject_cast<QDialog*>(openWindowOrNull)) {
        dialog->accept();
    } else if (openWindowOrNull) {
        openWindowOrNull->close();
    }
    state.configFile = path;
    host.setCaption(captionPrefix + path);
}

} // namespace files
