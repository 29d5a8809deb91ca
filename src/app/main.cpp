// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_argument.h"
#include "app/font_configuration.h"
#include "app/stop_signals.h"
#include "bench/feuillep.h"
#include "bench/random_concentration.h"
#include "drawing/images_ahead.h"
#include "drawing/program_icon.h"
#include TITRAGE_TABLEAU_HEADER

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

const char versionText[] =
    "titrage (Titrage colorimétrique) " TITRAGE_VERSION "\n"
    "Licence GPL-3.0-or-later\u00A0: GNU GPL version 3 ou toute version ultérieure\n"
    "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
    "Ce logiciel est libre\u00A0: vous pouvez le modifier et le redistribuer.\n"
    "Il n'y a AUCUNE GARANTIE, dans les limites permises par la loi.\n";

// The help: the usage line, the summary of the titrations (app::titrationsSummary), then this.
const char helpUsage[] = "Utilisation\u00A0: titrage [--help | --version] [FICHIER]\n"
                         "\n";
const char helpText[] =
    "\n"
    "Options\u00A0:\n"
    "  -h, --help     affiche cette aide et quitte\n"
    "  --version      affiche la version et la licence, et quitte\n"
    "  --tableau …    écrit le tableau d'un titrage (CSV) sans ouvrir de fenêtre\u00A0;\n"
    "                 «\u00A0titrage --tableau --help\u00A0» en donne les options\n"
    "\n"
    "FICHIER s'ouvre au démarrage\u00A0: une configuration (.C17) sur le banc, un\n"
    "exercice (.E44) dans la fenêtre des exercices, un texte (.RTF) dans la zone\n"
    "de texte des exercices.\n"
    "\n"
    "Le programme annonce qu'il fonctionne dans le fichier temporaire TEMPlu.TMP,\n"
    "partagé avec d'autres programmes\u00A0: dans le dossier du programme s'il\n"
    "appartient à l'utilisateur, sinon (programme installé) dans\n"
    "~/.local/share/titrage/.\n";

// The two questions answered without a window (no display is needed for them); -1 otherwise.
int answerCommandLine(int argc, char* argv[]) {
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--version") == 0) {
            std::fputs(versionText, stdout);
            return 0;
        }
        if (std::strcmp(argv[k], "--help") == 0 || std::strcmp(argv[k], "-h") == 0) {
            const std::string_view summary = app::titrationsSummary();
            std::fputs(helpUsage, stdout);
            std::fwrite(summary.data(), 1, summary.size(), stdout);
            std::fputs(helpText, stdout);
            return 0;
        }
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (app::asksForTable(argc, argv)) return app::printTableau(argc, argv);
    if (const int answered = answerCommandLine(argc, argv); answered >= 0) return answered;

    // The same thread then makes the memory of the window's first pictures ready.
    app::FontConfigurationReader fonts(
        [] { drawing::makeImagesAhead(bench::FeuilleP::firstPictureSizes()); });
    QApplication app(argc, argv);
    fonts.wait();
    // The name gives the user's own data folder (~/.local/share/titrage); the desktop file name
    // ties the windows to the menu entry and its icon.
    QApplication::setApplicationName(QStringLiteral("titrage"));
    QApplication::setApplicationVersion(QStringLiteral(TITRAGE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TITRAGE_APP_ID));

    // A stop signal or the end of the desktop session ends the program as closing does,
    // without the closing questions.
    app::StopSignals stops;
    // The concentrations drawn at random follow one sequence from the start to the end.
    bench::seedRandomConcentration(
        bench::clockSeed(std::chrono::system_clock::now().time_since_epoch()));
    // Its pictures are drawn once, as start() ends.
    bench::FeuilleP window(nullptr, bench::FeuilleP::FirstDrawing::WhenStarted);
    QObject::connect(&stops, &app::StopSignals::stopRequested, &window,
                     [&window] { window.shell().endWithoutQuestions(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window,
                     [&window] { window.shell().endWithoutQuestions(); });
    // The icon is drawn once the window is on the screen: the desktop shows the menu entry's
    // until then. The images made ahead that no picture took are let go.
    QObject::connect(&window, &bench::FeuilleP::firstPictureShown, &window, [] {
        QApplication::setWindowIcon(drawing::programIcon());
        drawing::dropImagesMadeAhead();
    });
    window.start();
    // A file named on the command line (a double click in the file manager) opens on the bench
    // once it is up.
    if (const QString file = app::fileArgument(QCoreApplication::arguments()); !file.isEmpty())
        QTimer::singleShot(0, &window, [&window, file] {
            app::openFile(window.situationBench(), window.exerciseArea(), file);
        });
    return app.exec();
}
