// SPDX-License-Identifier: GPL-3.0-or-later
// A student's own concentration to find on the bench, the bench's values for the check of a
// result, the button that offers it, and what the student's report says of the bench.
#include "bench/feuillep.h"

#include "bench/courbes_methods.h"
#include "drawing/measured_curve.h"
#include "drawing/utf8.h"
#include "files/unknown_sample.h"
#include "model/acidbase/catalogue.h"
#include "model/acidbase/indicators.h"
#include "model/catalogue.h"
#include "numbers/formats.h"
#include "numbers/reading.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace bench {

namespace {

// The start value of the concentration to find, which takes the student's place when the
// exercise ends.
const QString startSample = QStringLiteral("0,01");

using drawing::utf8;

QString titrantName(model::TitrantFamily family) {
    switch (family) {
    case model::TitrantFamily::Permanganate:
        return QStringLiteral("permanganate de potassium (K⁺ + MnO₄⁻)");
    case model::TitrantFamily::Thiosulfate:
        return QStringLiteral("thiosulfate de sodium (2 Na⁺ + S₂O₃²⁻)");
    case model::TitrantFamily::Diiode:
        return QStringLiteral("diiode (I₂)");
    case model::TitrantFamily::None:
        break;
    }
    return QStringLiteral("—");
}

} // namespace

std::optional<double> FeuilleP::secretSample() const {
    return hiddenSamples_.value(situations_.table.current, text(0).toStdString());
}

double FeuilleP::sampleValue() const {
    // In double precision, as typed: 0,0123 is 0.0123, not the single 0.0122999996.
    if (const auto secret = secretSample()) return *secret;
    return numbers::parseBenchDouble(text(0).toStdString());
}

void FeuilleP::showSecretLabel(bool secret) {
    // Greyed as nothing to click, yet dark enough to be read on the panel.
    QPalette palette = Label1->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, QColor(80, 80, 80));
    Label1->setPalette(palette);
    if (secret) {
        Label1->setText(QStringLiteral("inconnue"));
        Label1->setAccessibleName(QStringLiteral("Concentration de la solution titrée inconnue"));
        Label1->setCursor(Qt::ArrowCursor);
        Label1->setEnabled(false);
    } else {
        Label1->setText(QStringLiteral("Afficher la\nconcentration"));
        Label1->setAccessibleName(QStringLiteral("Afficher la concentration"));
        Label1->setCursor(Qt::PointingHandCursor);
        Label1->setEnabled(true);
    }
}

void FeuilleP::sealSample(std::optional<double> own) {
    auto& table = situations_.table;
    // Hidden and locked first; the bench's own text joins its situation's before the seal.
    hideSampleConcentration();
    const int s = table.current;
    if (s >= 0 && s < files::situationCount) table.texts[std::size_t(s)][0] = text(0).toStdString();
    hiddenSamples_.seal(table, own);
    setText(0, utf8(files::unknownSampleText));
    updateFocusChain();
    majtq();
}

void FeuilleP::endSecret(bool giveBack) {
    if (!exerciseSecret_ && !hiddenSamples_.held()) return;
    auto& table = situations_.table;
    const int s = table.current;
    const bool shown = s >= 0 && s < files::situationCount;
    if (giveBack) {
        if (shown) table.texts[std::size_t(s)][0] = text(0).toStdString();
        table = hiddenSamples_.unsealed(table);
        if (shown) setText(0, QString::fromStdString(table.texts[std::size_t(s)][0]));
    }
    // The words left give way to the start value: nothing of the secret is left to show.
    hiddenSamples_.end(table, startSample.toStdString());
    if (files::isUnknownSample(text(0).toStdString())) setText(0, startSample);
    exerciseSecret_ = false;
    showSecretLabel(false);
    Label1_Click();
    updateFocusChain();
    majtq();
}

void FeuilleP::newSolutionChosen() {
    // While the exercise that hides it is open, the concentration stays its secret.
    if (!exercise_.work) endSecret(false);
}

double FeuilleP::sampleConcentration() {
    return sampleValue();
}

exercises::BenchReadings FeuilleP::benchReadings() {
    // c1 as typed, in double precision: 0,02 is 0.02, not the single 0.0199999996.
    return {species(), numbers::parseBenchDouble(text(1).toStdString()), itemValue(Combo1),
            acidBaseTitration()};
}

void FeuilleP::setResultCheckOffered(bool offered) {
    checkResult->setVisible(offered);
}

void FeuilleP::redoxReport(printing::ReportFacts& facts) {
    const int s = species();
    const model::BenchInputs in = benchInputs();
    const auto general = [](float x) { return QString::fromStdString(numbers::formatGeneral(x)); };
    const QString sample =
        sampleHidden_ ? QStringLiteral("c2 inconnue")
                      : QStringLiteral("c2 = %1\u00A0mol/L").arg(general(in.sampleConcentration));
    facts.setUp << QStringLiteral("Solution titrée\u00A0: %1, prélèvement "
                                  "V2 = %2\u00A0mL, %3")
                       .arg(model::isSpecies(s) ? utf8(model::listText(s)) : QStringLiteral("—"),
                            general(in.sampleVolume), sample);
    facts.setUp << QStringLiteral("Solution titrante\u00A0: %1, c1 = %2\u00A0mol/L")
                       .arg(titrantName(model::titrantFamily(s)), general(in.titrantConcentration));
    switch (model::reagentVolumeInput(s)) {
    case model::ReagentVolumeInput::IodineVolume:
        facts.setUp << QStringLiteral("Solution de diiode ajoutée en excès\u00A0: "
                                      "c3 = %1\u00A0mol/L, V3 = %2\u00A0mL")
                           .arg(general(in.reagentConcentration), general(in.iodineVolume));
        break;
    case model::ReagentVolumeInput::IodideVolume:
        facts.setUp << QStringLiteral("Solution d'iodure de potassium ajoutée en excès\u00A0: "
                                      "%1\u00A0mL")
                           .arg(general(in.iodideVolume));
        break;
    case model::ReagentVolumeInput::None:
        break;
    }
    if (Check1->isChecked() && model::involvesDiiode(s))
        facts.setUp << QStringLiteral("Thiodène ajouté dans le bécher");
    facts.setUp << QStringLiteral("Volume de solution titrante versé\u00A0: V1 = %1\u00A0mL")
                       .arg(general(in.pouredVolume));
    facts.method = QStringLiteral("changement de couleur de la solution du bécher");
    if (Check1->isChecked() && model::involvesDiiode(s))
        facts.method += QStringLiteral(" (thiodène)");
}

void FeuilleP::acidBaseReport(printing::ReportFacts& facts) {
    namespace ab = model::acidbase;
    const ab::BenchSetup setup = acidBaseSetup();
    const ab::Preparation& p = setup.preparation;
    const auto general = [](double x) { return QString::fromStdString(numbers::formatGeneral(x)); };
    const QString sample =
        sampleHidden_ ? QStringLiteral("c2 inconnue")
                      : QStringLiteral("c2 = %1\u00A0mol/L").arg(general(p.sampleConcentration));
    facts.setUp << QStringLiteral("Solution titrée\u00A0: %1, prélèvement V2 = %2\u00A0mL, %3")
                       .arg(utf8(ab::listText(p.titration)), general(p.sampleVolume), sample);
    facts.setUp
        << QStringLiteral("Eau distillée ajoutée\u00A0: %1\u00A0mL").arg(general(p.waterVolume));
    facts.setUp << QStringLiteral("Solution titrante\u00A0: %1, c1 = %2\u00A0mol/L")
                       .arg(utf8(ab::titrantName(ab::titrant(p.titration))),
                            general(p.titrantConcentration));
    const bool indicator = ab::isIndicator(setup.indicator);
    const QString indicatorName =
        indicator ? utf8(ab::indicatorFacts(setup.indicator).name) : QStringLiteral("aucun");
    facts.setUp << QStringLiteral("Indicateur coloré\u00A0: ") + indicatorName;
    facts.setUp << QStringLiteral("Sonde de mesure\u00A0: ") + probeList->currentText();
    facts.setUp << QStringLiteral("Volume de solution titrante versé\u00A0: V1 = %1\u00A0mL")
                       .arg(general(numbers::parseBenchDouble(text(5).toStdString())));
    // The method chosen on the curve, else the indicator's colour change.
    const ab::Method method =
        setup.probe == ab::Probe::None ? ab::Method::None : courbesMethods()->choice().method;
    if (method != ab::Method::None)
        facts.method = drawing::methodName(method);
    else if (indicator)
        facts.method =
            QStringLiteral("changement de couleur de l'indicateur (%1)").arg(indicatorName);
    else if (setup.probe != ab::Probe::None)
        facts.method = QStringLiteral("lecture de la courbe (onglet Courbes)");
    else
        facts.method = QStringLiteral("aucune (ni sonde ni indicateur coloré)");
}

printing::ReportFacts FeuilleP::reportFacts() {
    printing::ReportFacts facts;
    if (acidBaseTitration() >= 0)
        acidBaseReport(facts);
    else
        redoxReport(facts);

    if (const auto& work = exercise_.work) {
        facts.student = work->name;
        facts.exerciseTitle = work->title;
        facts.equivalenceVolume = work->equivalenceVolume;
        // Every check, refused ones too; the last one made proposes the result.
        const grading::ResultCheck* lastMade = nullptr;
        for (const grading::ResultCheck& check : work->checks) {
            facts.checks << QString::fromStdString(grading::checkLine(check));
            if (check.made())
                lastMade = &check;
            else
                ++facts.refusedChecks;
        }
        if (lastMade) {
            facts.concentration =
                QString::fromStdString(numbers::formatGeneral(lastMade->concentration));
            facts.uncertainty =
                QString::fromStdString(numbers::formatGeneral(lastMade->uncertainty));
        }
    }
    return facts;
}

} // namespace bench
