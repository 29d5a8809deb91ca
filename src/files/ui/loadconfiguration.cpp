// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/loadconfiguration.h"

#include "families/rules/family_rules.h"
#include "files/configuration.h"
#include "files/ui/configwindow.h"
#include "files/ui/paths.h"
#include "files/ui/situation_bench.h"
#include "ui/modal.h"

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
        entryIgnoringCase(folder.path(), info.fileName(), QDir::Files | QDir::Hidden);
    return found.isEmpty() ? path : QDir::toNativeSeparators(folder.filePath(found));
}

bool configurationFileFound(const QString& name, QWidget* parent) {
    if (QFileInfo(existingFileIgnoringCase(name)).isFile()) return true;
    ui::ask(parent, QStringLiteral("Nom de fichier incorrect ou chemin non valide"),
            QStringLiteral("impossible d'ouvrir ce fichier"), ui::Icon::Critical, ui::Buttons::Ok);
    return false;
}

bool saveConfiguration(SituationBench& bench, const QString& path, QWidget* parent) {
    if (writeConfiguration(nativePath(path), bench.situations().table) == WriteResult::Ok) {
        bench.setCaption(captionPrefix + path);
        return true;
    }
    ui::ask(parent, QStringLiteral("Écriture impossible sur disque"),
            QStringLiteral("Enregistrement impossible"), ui::Icon::Critical, ui::Buttons::Ok);
    return false;
}

bool loadConfiguration(SituationBench& bench, QWidget* openWindowOrNull) {
    return loadConfiguration(bench, bench.situations().configFile, openWindowOrNull);
}

bool loadConfiguration(SituationBench& bench, const QString& name, QWidget* openWindowOrNull) {
    // The waiting notice of the open window shows while the file is read.
    if (openWindowOrNull && openWindowOrNull->isVisible()) openWindowOrNull->repaint();

    Situations& situations = bench.situations();
    const QString path = existingFileIgnoringCase(name);
    QWidget* parent = openWindowOrNull ? openWindowOrNull : bench.mainWindow();

    SituationTable table = situations.table;
    switch (readConfiguration(nativePath(path), table)) {
    case LoadResult::CannotRead:
        ui::ask(parent, QStringLiteral("Lecture impossible sur disque"),
                QStringLiteral("Erreur lors du chargement du fichier"), ui::Icon::Critical,
                ui::Buttons::Ok);
        return false;
    case LoadResult::InvalidSignature:
        ui::ask(parent, QStringLiteral("Ce fichier ne correspond pas à cette application"),
                QStringLiteral("Fichier non valide"), ui::Icon::Critical, ui::Buttons::Ok);
        return false;
    case LoadResult::Damaged:
        ui::ask(parent, QString::fromStdString(families::configurationRules().damagedFileText()),
                QStringLiteral("Fichier non valide"), ui::Icon::Critical, ui::Buttons::Ok);
        return false;
    case LoadResult::Ok:
        break;
    }
    // Every value is checked before any goes onto the bench: a file that holds one the bench
    // cannot hold is refused whole.
    if (const std::string problem = families::configurationProblem(table, !bench.sampleHidden());
        !problem.empty()) {
        ui::ask(parent, QString::fromStdString(problem), QStringLiteral("Fichier non valide"),
                ui::Icon::Critical, ui::Buttons::Ok);
        return false;
    }

    // The bench belongs to no situation until situation 1 is selected, so that the
    // selection saves nothing over the loaded table and always takes place.
    bench.clearSituationButtons();
    table.current = -1;
    situations.table = table;
    bench.selectSituation(0);

    if (auto* dialog = qobject_cast<QDialog*>(openWindowOrNull)) {
        dialog->accept();
    } else if (openWindowOrNull) {
        openWindowOrNull->close();
    }
    situations.configFile = path;
    bench.setCaption(captionPrefix + path);
    return true;
}

} // namespace files
