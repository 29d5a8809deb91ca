// SPDX-License-Identifier: GPL-3.0-or-later
// The screenshots of the metainfo, made from the program itself without any display:
//
//   titrage_screenshots <folder>
//
// writes into folder, as the real main window draws them at 800 x 600:
//   preparation.png  the preparation panel of start-up, sulfate de fer II chosen;
//   banc.png         the same titration by permanganate past its equivalence: a pink flask;
//   exercice.png     an exercise of the data folder opened: its statement beside the bench,
//                    named by its installed path.
// Every question the program might ask is answered by its first button.

#include "bench/feuillep.h"
#include "drawing/widgets/picturebox.h"
#include "exercises/exercise_actions.h"
#include "exercises/exercise_file.h"
#include "files/ui/paths.h"
#include "model/catalogue.h"
#include "ui/first_button.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>

namespace {

bool save(bench::FeuilleP& window, const QDir& folder, const char* name) {
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (window.grab().save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// The bench's box k, typed and validated as a user does.
void type(bench::FeuilleP& window, int k, const QString& text) {
    controlsOf(window).Text1[k]->setText(text);
    window.setUp().Text1_LostFocus(k);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: titrage_screenshots <folder>\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen screen is wider than 850 pixels: the window takes its 800 x 600.
    qputenv("QT_QPA_OFFSCREEN_SCREEN_GEOMETRY", "1024x768");
    QApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) return 1;

    const QString data = files::dataFolder();
    QTemporaryDir scratch; // the bench's temporary file stays out of the program folder
    files::setProgramFolder(scratch.path());
    ui::FirstButtonAnswerer answers;
    ui::setAnswerer(&answers);

    bench::FeuilleP window;
    window.start();
    controlsOf(window).ions1->setCurrentIndex(8); // sulfate de fer II, titrated by permanganate
    type(window, 0, QStringLiteral("0,1"));
    type(window, 1, QStringLiteral("0,02"));
    controlsOf(window).Combo1->setCurrentIndex(4); // 10 mL: the equivalence at 10,0 mL
    bool ok = !controlsOf(window).Picture4->isHidden() && save(window, folder, "preparation.png");

    window.setUp().Command3_Click(); // the bench
    window.run().Image3_MouseDown(); // the tap held for 10,5 mL
    for (int tick = 0; tick < 105; ++tick)
        window.run().Timer1_Timer();
    window.run().Image3_MouseUp();
    // Past the equivalence the permanganate is in excess: the flask is pink.
    const bool past = window.setUp().presentAmounts()[model::Entry::MnO4] > 0;
    if (!past) std::fputs("the bench is not past its equivalence\n", stderr);
    ok = past && save(window, folder, "banc.png") && ok;

    window.exerciseArea().exercise().folder = exercises::withFinalSeparator(data);
    const QString exercise = exercises::resolveStoredName(window.exerciseArea().exercise().folder,
                                                          QStringLiteral("VITAC.E44"));
    const bool opened = exercises::openExercise(window.exerciseArea(), exercise, false, &window) ==
                        exercises::OpenResult::Opened;
    if (!opened) std::fprintf(stderr, "cannot open %s\n", qPrintable(exercise));
    // The box above the text names the file where an installed program finds it, whatever
    // folder this tool was built in.
    window.exerciseArea().fich()->setText(
        QDir(QStringLiteral(TITRAGE_INSTALLED_DATA)).filePath(QFileInfo(exercise).fileName()));
    ok = opened && save(window, folder, "exercice.png") && ok;

    window.shell().endWithoutQuestions();
    return ok ? 0 : 1;
}
