// SPDX-License-Identifier: GPL-3.0-or-later
// The texts installed with the program, tried on the bench as a student follows them: the
// getting-started activity step by step, the exercises that keep their concentration secret,
// and the controls that the texts name.
#include "fixture.h"

#include "drawing/tabs.h"
#include "exercises/exercise_actions.h"
#include "exercises/exercise_editor.h"
#include "exercises/exercise_file.h"
#include "exercises/exercise_menu.h"
#include "exercises/result_check_window.h"
#include "exercises/student_name_dialog.h"
#include "exercises/student_values_window.h"
#include "numbers/reading.h"
#include "printing/confimp.h"
#include "printing/printer_target.h"
#include "printing/report_window.h"
#include "rtf/rtf.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>
#include <QTextEdit>

using benchtest::acidBaseOf;
using benchtest::BenchTest;

namespace {

const QString data = QStringLiteral(TITRAGE_SOURCE_DIR "/data/");

class TeachingTexts : public BenchTest {
protected:
    void SetUp() override {
        BenchTest::SetUp();
        // The program folder holds the installed texts, as after an installation.
        program = folder.path() + QLatin1Char('/');
        for (const QString& name : QDir(data).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(data + name, program + name)) << name.toStdString();
        window->exerciseArea().exercise().folder = program;
    }

    // The flask's liquid, under the lowest level: "clear" when the glass shows the bench's
    // background, else its colour.
    QString flask() const {
        const drawing::Picture& pic = controlsOf(*window).picburette->picture();
        const int x = window->chain().flaskX() + 33, y = 455;
        const qreal r = pic.devicePixelRatio();
        const QColor shown = pic.pixel(x, y);
        if (shown == pic.background().pixelColor(int(x * r), int(y * r))) return "clear";
        return shown.name();
    }
    float poured() const { return numbers::parseBenchNumber(text(5).toStdString()); }
    // "Maintenir le bouton de la souris enfoncé sur le robinet [...] Relâcher vers 8 mL, puis
    // cliquer brièvement sur le robinet (0,1 mL par clic) jusqu'à 9 mL environ."
    void pourWithTheTap() {
        emit controlsOf(*window).Image3->pressed();
        ASSERT_TRUE(window->run().tapOpen());
        while (poured() < 7.9f)
            window->run().Timer1_Timer();
        emit controlsOf(*window).Image3->released();
        emit controlsOf(*window)
            .Image3->clicked(); // a press and release on the tap is also a click
        EXPECT_FLOAT_EQ(poured(), 8.0f);
        while (poured() < 8.95f) {
            const float before = poured();
            emit controlsOf(*window)
                .Image3->pressed(); // a brief click: no tick of the flow in between
            emit controlsOf(*window).Image3->released();
            emit controlsOf(*window).Image3->clicked();
            EXPECT_NEAR(poured() - before, 0.1f, 1e-4f);
        }
        EXPECT_FALSE(window->run().tapOpen());
    }
    // "Cliquer ensuite sur la goutte [...] : chaque clic ajoute 0,05 mL."
    void clickTheDrop() {
        emit controlsOf(*window).Image1->clicked();
        for (int k = 0; k < 4; ++k)
            window->run().Timer2_Timer();
    }
    // "Ajouter les gouttes une à une : à l'équivalence la couleur disparaît." The volume read
    // when it does.
    float dropsUntilTheColourDisappears() {
        for (int k = 0; k < 60; ++k) {
            clickTheDrop();
            if (flask() == "clear") return poured();
        }
        return -1;
    }

    QString program;
};

// The steps of PRISEMAIN.RTF, in its words.
TEST_F(TeachingTexts, TheGettingStartedTextReachesTheChangeAtTheVolumeItGives) {
    openPanel(); // start-up
    // "Au démarrage, le panneau de préparation recouvre le banc et le bouton placé à droite de
    // l'erlenmeyer s'appelle « Simuler le titrage »." (The flask spans about 80 pixels from
    // flaskX, its bottom at 459.)
    EXPECT_FALSE(controlsOf(*window).Picture4->isHidden());
    EXPECT_EQ(controlsOf(*window).Command3->text(), "Simuler le titrage");
    EXPECT_GT(controlsOf(*window).Command3->x(), window->chain().flaskX() + 80);
    EXPECT_LT(controlsOf(*window).Command3->geometry().top(), 459);
    EXPECT_GT(controlsOf(*window).Command3->geometry().bottom(), 400);
    ASSERT_TRUE(
        exercises::gettingStarted(window->exerciseArea())); // menu Exercices, "Prise en main"
    const QString statement = window->exerciseArea().supertext()->toPlainText();
    ASSERT_TRUE(statement.contains("on doit trouver VE = 10,0 mL"));
    // "Le panneau montre l'espèce à titrer (« diiode »), sa concentration c2 = 0,01 mol · L-1
    // et le volume de prélèvement (10 mL)."
    EXPECT_EQ(controlsOf(*window).ions1->currentText(), "diiode");
    EXPECT_EQ(text(0), "0,01");
    EXPECT_FALSE(controlsOf(*window).Text1[0]->isHidden());
    EXPECT_EQ(controlsOf(*window).Combo1->currentText(), "10 mL");
    // "Cliquer sur « Simuler le titrage » : le banc apparaît et le bouton s'appelle
    // maintenant « Définir la solution titrée »."
    controlsOf(*window).Command3->click();
    EXPECT_TRUE(controlsOf(*window).Picture4->isHidden());
    EXPECT_EQ(controlsOf(*window).Command3->text().simplified(), "Définir la solution titrée");
    // "À droite de la burette, la case c1 [...] : laisser 0,02 mol · L-1."
    EXPECT_EQ(text(1), "0,02");
    EXPECT_GT(controlsOf(*window).Text1[1]->x(), controlsOf(*window).Image3->x());
    // "En bas du banc, la case « Ajouter du thiodène » doit être décochée."
    if (controlsOf(*window).Check1->isChecked()) controlsOf(*window).Check1->click();
    EXPECT_GT(controlsOf(*window).Check1->y(), controlsOf(*window).picburette->height() * 3 / 4);

    for (const bool starch : {false, true}) {
        SCOPED_TRACE(starch ? "with starch" : "without starch");
        pourWithTheTap();
        EXPECT_NEAR(poured(), 9.0f, 0.15f);
        // "Tant qu'il reste du diiode, le mélange est jaune" (or blue with the starch).
        const QColor tint(flask());
        ASSERT_NE(flask(), "clear");
        if (starch)
            EXPECT_GT(tint.blue(), 2 * tint.red());
        else
            EXPECT_LT(tint.blue(), tint.red());
        // "à l'équivalence la couleur disparaît [...] on doit trouver VE = 10,0 mL"
        EXPECT_FLOAT_EQ(dropsUntilTheColourDisappears(), 10.0f);
        EXPECT_EQ(flask(), "clear");
        EXPECT_EQ(controlsOf(*window).Labelvol->text(), "10 mL");
        // "Cliquer sur le petit bouton « 0 », à droite du volume versé : il remet la burette
        // à zéro." Then "Cocher « Ajouter du thiodène »".
        EXPECT_GT(controlsOf(*window).Command12->x(), controlsOf(*window).Labelvol->x());
        controlsOf(*window).Command12->click();
        EXPECT_EQ(poured(), 0.0f);
        if (!starch) {
            controlsOf(*window).Check1->click();
            // "le diiode colore le mélange en bleu très foncé, presque noir"
            const QColor dark(flask());
            EXPECT_EQ(dark.red(), 0) << dark.name().toStdString();
            EXPECT_EQ(dark.green(), 0);
            EXPECT_LT(dark.blue(), 60);
        }
    }
}

// The acid-base chapter of PRISEMAIN.RTF, in its words, from the bench of its first steps.
TEST_F(TeachingTexts, TheGettingStartedAcidBaseStepsReadWhatTheTextGives) {
    auto meter = [this] { return controlsOf(*window).picburette->part(2).description; };
    auto beaker = [this] { return controlsOf(*window).picburette->part(0).description; };
    openPanel(); // start-up
    ASSERT_TRUE(exercises::gettingStarted(window->exerciseArea()));
    controlsOf(*window).Command3->click();
    // "Cliquer sur « Situation n° 2 », puis sur « Définir la solution titrée »"
    controlsOf(*window).Option2[1]->click();
    controlsOf(*window).Command3->click();
    ASSERT_FALSE(controlsOf(*window).Picture4->isHidden());
    // "sous « Titrages acido-basiques », choisir « acide éthanoïque ». Taper sa concentration
    // c2 = 0,1 mol · L-1 et choisir le prélèvement « 10 mL »."
    const int ethanoic = controlsOf(*window).ions1->findText(QStringLiteral("acide éthanoïque"));
    EXPECT_GT(ethanoic,
              controlsOf(*window).ions1->findText(QStringLiteral("Titrages acido-basiques")));
    controlsOf(*window).ions1->setCurrentIndex(ethanoic);
    controlsOf(*window).Text1[0]->setText(QStringLiteral("0,1"));
    window->setUp().Text1_LostFocus(0);
    controlsOf(*window).Combo1->setCurrentIndex(
        controlsOf(*window).Combo1->findText(QStringLiteral("10 mL")));
    // "la concentration c1 [...] (taper 0,1), le volume d'eau distillée ajoutée (laisser 0),
    // l'indicateur coloré (choisir « phénolphtaléine ») et la sonde de mesure (laisser
    // « pH-mètre »)."
    for (QWidget* w : std::initializer_list<QWidget*>{
             acidBaseOf(*window).titrantBox, acidBaseOf(*window).waterBox,
             acidBaseOf(*window).indicatorList, acidBaseOf(*window).probeList})
        EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
    acidBaseOf(*window).titrantBox->setText(QStringLiteral("0,1"));
    acidBaseOf(*window).titrantBox_LostFocus();
    EXPECT_EQ(acidBaseOf(*window).waterBox->text(), "0");
    acidBaseOf(*window).indicatorList->setCurrentIndex(
        acidBaseOf(*window).indicatorList->findText(QStringLiteral("phénolphtaléine")));
    EXPECT_EQ(acidBaseOf(*window).probeList->currentText(), "pH-mètre");
    // "Cliquer sur « Simuler le titrage » : le pH-mètre [...] affiche pH = 2,88. Verser 5,0 mL
    // avec le robinet : il affiche 4,76"
    controlsOf(*window).Command3->click();
    ASSERT_TRUE(controlsOf(*window).Picture4->isHidden());
    EXPECT_EQ(meter(), "pH-mètre\u00A0: 2,88");
    auto pourTo = [this](float volume) {
        emit controlsOf(*window).Image3->pressed();
        while (poured() < volume - 0.05f)
            window->run().Timer1_Timer();
        emit controlsOf(*window).Image3->released();
    };
    pourTo(5.0f);
    EXPECT_FLOAT_EQ(poured(), 5.0f);
    EXPECT_EQ(meter(), "pH-mètre\u00A0: 4,76");
    // "Verser jusqu'à 9,5 mL, puis goutte à goutte : à 10,00 mL, le pH saute à 8,73 et le
    // mélange devient rose pâle (la goutte suivante donne 10,40)."
    pourTo(9.5f);
    while (poured() < 9.99f) {
        EXPECT_TRUE(beaker().endsWith(QStringLiteral("incolore"))) << poured();
        clickTheDrop();
    }
    EXPECT_FLOAT_EQ(poured(), 10.0f);
    EXPECT_EQ(meter(), "pH-mètre\u00A0: 8,73");
    EXPECT_TRUE(beaker().endsWith(QStringLiteral("rose pâle"))) << beaker().toStdString();
    clickTheDrop();
    EXPECT_EQ(meter(), "pH-mètre\u00A0: 10,40");
}

// "« Vider la burette » ouvre le robinet sans tenir la souris : la burette se vide dans
// l'erlenmeyer jusqu'au clic suivant sur ce bouton." "Changer une concentration remet la
// burette à zéro."
TEST_F(TeachingTexts, TheButtonsDoWhatTheTextsSay) {
    ASSERT_TRUE(exercises::gettingStarted(window->exerciseArea()));
    controlsOf(*window).Command6->click();
    EXPECT_TRUE(window->run().tapOpen());
    for (int k = 0; k < 30; ++k)
        window->run().Timer1_Timer();
    EXPECT_FLOAT_EQ(poured(), 3.0f);
    controlsOf(*window).Command6->click();
    EXPECT_FALSE(window->run().tapOpen());
    EXPECT_FLOAT_EQ(poured(), 3.0f) << "not a reset";
    controlsOf(*window).Text1[1]->setText("0,021");
    window->setUp().Text1_LostFocus(1);
    EXPECT_EQ(poured(), 0.0f);
}

// Every shipped exercise whose answer is a concentration opens with it hidden, locked as the
// random concentration leaves it, by the browser and by another program's request, and
// shows it with its correction.
TEST_F(TeachingTexts, ShippedExercisesNeverShowTheirConcentrationBeforeTheCorrection) {
    openPanel();
    auto secret = [this] {
        return controlsOf(*window).masquer->isChecked() &&
               !controlsOf(*window).masquer->isEnabled() &&
               controlsOf(*window).Text1[0]->isHidden() &&
               !controlsOf(*window).Label1->isHidden() && controlsOf(*window).Command5->isHidden();
    };
    const QStringList names = QDir(program).entryList({QStringLiteral("*.E44")});
    ASSERT_GE(names.size(), 6);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        window->exerciseArea().exercise().folder = program;
        ASSERT_EQ(
            exercises::openExercise(window->exerciseArea(), program + name, true, window.get()),
            exercises::OpenResult::Opened);
        EXPECT_TRUE(secret());
        EXPECT_EQ(text(0), QStringLiteral("inconnue"));
        const double hidden = window->setUp().sampleConcentration();
        exercises::showCorrection(window->exerciseArea());
        EXPECT_FALSE(controlsOf(*window).Text1[0]->isHidden());
        EXPECT_TRUE(controlsOf(*window).masquer->isEnabled());
        EXPECT_EQ(window->setUp().sampleConcentration(), hidden);
        EXPECT_EQ(numbers::parseBenchDouble(controlsOf(*window).Text1[0]->text().toStdString()),
                  hidden);
    }
    EXPECT_TRUE(script.asked.empty());

    // Opened at activation from record 31 of the temporary file, before start-up opens the
    // preparation panel.
    window = std::make_unique<bench::FeuilleP>();
    ASSERT_EQ(
        files::writeRecord(QFile::encodeName(bench::BenchShell::temporaryFile()).toStdString(), 31,
                           "EAUOXY.E44"),
        files::RecordStatus::Ok);
    window->shell().Form_Activate();
    EXPECT_EQ(tempRecord(31), "");
    EXPECT_EQ(text(0), QStringLiteral("inconnue"));
    EXPECT_EQ(window->setUp().sampleConcentration(), 0.05);
    window->setUp().Command3_Click();
    EXPECT_FALSE(controlsOf(*window).Picture4->isHidden());
    EXPECT_TRUE(secret());
}

// The names of controls that the shipped texts quote between « and » are those of controls of
// the program: captions, tooltips, list items, menu entries, tabs.
TEST_F(TeachingTexts, ShippedTextsNameControlsThatExist) {
    QSet<QString> names;
    auto add = [&names](QString name) {
        name.remove(QLatin1Char('&'));
        name = name.simplified();
        if (name.endsWith(QStringLiteral(" :"))) name.chop(2); // a field's label
        if (!name.isEmpty()) names.insert(name.toLower());
    };
    // The main window's controls, and those of the exercise window made as its child, and of
    // the windows of a student's work and report.
    exercises::ExerciseEditor editor(window->exerciseArea(), QString(), window.get());
    exercises::StudentNameDialog name(QString(), window.get());
    exercises::ResultCheckWindow check(window->exerciseArea(), window.get());
    exercises::StudentValuesWindow values({{0.008, 0.012, 3}, {1}}, true, window.get());
    printing::Confimp options(window->benchPictures(), printing::programPrinter(), window.get());
    printing::ReportWindow report(window->benchPictures(), printing::programPrinter(),
                                  window.get());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        add(w->toolTip());
        add(w->accessibleName());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) add(b->text());
        if (auto* l = qobject_cast<QLabel*>(w)) add(l->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) add(g->title());
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                add(c->itemText(i));
    }
    add(QStringLiteral("Définir la solution titrée")); // Command3 during the titration
    for (int tab = 1; tab <= drawing::tabCount; ++tab)
        add(drawing::tabCaption(tab));
    exercises::ExerciseMenu menu(window->exerciseArea(), window.get());
    for (QAction* a : menu.optionexo->actions())
        add(a->text());
    // Quotations that are not controls.
    const QSet<QString> notControls = {QStringLiteral("500 mg")};

    static const QRegularExpression quoted(QStringLiteral("«\\s*([^»]+?)\\s*»"));
    int checked = 0;
    for (const QString& file : QDir(program).entryList({QStringLiteral("*.RTF")})) {
        QTextDocument doc;
        ASSERT_TRUE(rtf::loadRtfFile(program + file, doc));
        for (auto it = quoted.globalMatch(doc.toPlainText()); it.hasNext(); ++checked) {
            const QString name = it.next().captured(1).simplified();
            if (notControls.contains(name)) continue;
            EXPECT_TRUE(names.contains(name.toLower()))
                << file.toStdString() << ": « " << name.toStdString() << " »";
        }
    }
    EXPECT_GE(checked, 15);

    // The help writes the names of controls in bold (its section about the program writes
    // other things in bold).
    QFile help(program + QStringLiteral("Ovlu.hlp"));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    QString html = QString::fromUtf8(help.readAll());
    // The section about the program is left out, up to the next section if any.
    const qsizetype about = html.indexOf(QStringLiteral("name=\"apropos\""));
    ASSERT_GE(about, 0);
    const qsizetype next = html.indexOf(QStringLiteral("<h2>"), about);
    html.remove(about, next < 0 ? html.size() - about : next - about);
    static const QRegularExpression bold(QStringLiteral("<b>(.*?)</b>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    int inHelp = 0;
    for (auto it = bold.globalMatch(html); it.hasNext(); ++inHelp) {
        const QString name = it.next().captured(1).simplified();
        EXPECT_TRUE(names.contains(name.toLower())) << "Ovlu.hlp: " << name.toStdString();
    }
    EXPECT_GE(inHelp, 60);
}

} // namespace
