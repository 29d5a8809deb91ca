// SPDX-License-Identifier: GPL-3.0-or-later
// A student's own concentration to find on the bench, the bench's values for the check of a
// result, the button that offers it, and what the student's report says of the bench.
#include "bench/feuillep.h"

#include "drawing/utf8.h"
#include "files/unknown_sample.h"
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
    return {family().numbers(), numbers::parseBenchDouble(text(1).toStdString()),
            itemValue(Combo1)};
}

void FeuilleP::setResultCheckOffered(bool offered) {
    checkResult->setVisible(offered);
}

printing::ReportFacts FeuilleP::reportFacts() {
    printing::ReportFacts facts;
    family().report(facts);

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
