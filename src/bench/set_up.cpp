// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/set_up.h"

#include "bench/feuillep.h"

#include "bench/random_concentration.h"
#include "bench/shell_rules.h"
#include "bench/widgets.h"
#include "calculator/window/calculator_window.h"
#include "drawing/bench_drawing.h"
#include "drawing/utf8.h"
#include "drawing/widgets/picturebox.h"
#include "exercises/exercise_actions.h"
#include "exercises/exercise_menu.h"
#include "exercises/result_check_window.h"
#include "files/recordfile.h"
#include "files/ui/enregistrer.h"
#include "files/ui/loadconfiguration.h"
#include "files/ui/ouvrir.h"
#include "files/ui/paths.h"
#include "files/unknown_sample.h"
#include "model/amounts.h"
#include "model/bench_limits.h"
#include "model/catalogue.h"
#include "numbers/formats.h"
#include "numbers/reading.h"
#include "printing/clipboard_copy.h"
#include "printing/confimp.h"
#include "ui/modal.h"
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace bench {

namespace {} // namespace

namespace {

using model::pipettedLimit;

float readNumber(const QString& text) {
    return numbers::parseBenchNumber(text.toStdString());
}

QString general(float x) {
    return QString::fromStdString(numbers::formatGeneral(x));
}

} // namespace

namespace {

// The start value of the concentration to find, which takes the student's place when the
// exercise ends.
const QString startSample = QStringLiteral("0,01");

using drawing::utf8;

} // namespace

void SetUp::storeBenchInSituation() {
    // A value typed in a box that the focus has not left (a save asked from another window) is
    // validated first, as leaving the box would: a configuration holds only values that the
    // bench takes back when it is opened.
    const QWidget* focused = p_.window.focusWidget();
    for (int k = 0; k < 4; ++k)
        if (focused == c_.Text1[k] && c_.Text1[k]->isModified()) p_.speech.validateTyped(k);
    for (const auto& f : p_.window.families().all())
        f->validateEdited(focused);
    const int s = p_.state.situations.table.current;
    p_.shell.selectSituation(0);
    p_.shell.selectSituation(1);
    if (s >= 0 && s < files::situationCount) p_.shell.selectSituation(s);
}

void SetUp::loadConfiguration(const QString& path) {
    p_.state.loadingForExercise = true;
    files::loadConfiguration(p_.window.situationBench(), path, nullptr);
    p_.state.loadingForExercise = false;
}

const files::SituationTable& SetUp::benchSituations() {
    storeBenchInSituation();
    return p_.state.situations.table;
}

const files::SituationTable& SetUp::exerciseSituations() {
    p_.state.unsealedSituations = p_.state.hiddenSamples.unsealed(benchSituations());
    return p_.state.unsealedSituations;
}

QString SetUp::text(int index) const {
    if (index == 0 && p_.state.sampleHidden) return p_.state.hiddenSample;
    return c_.Text1[index]->text();
}

void SetUp::setText(int index, const QString& text) {
    if (index == 0 && p_.state.sampleHidden)
        p_.state.hiddenSample = text;
    else
        c_.Text1[index]->setText(text);
}

void SetUp::keepSampleSecret(bool hidden) {
    if (hidden == p_.state.sampleHidden) return;
    if (hidden) {
        p_.state.hiddenSample = c_.Text1[0]->text();
        p_.state.sampleHidden = true;
        c_.Text1[0]->clear();
    } else {
        p_.state.sampleHidden = false;
        c_.Text1[0]->setText(p_.state.hiddenSample);
        p_.state.hiddenSample.clear();
    }
}

double SetUp::itemValue(const QComboBox* list) {
    return numbers::leadingNumber(list->currentText().toStdString());
}

model::TitrationId SetUp::titration() const {
    return model::titrationAt(c_.ions1->currentIndex());
}

bool SetUp::starch() const {
    return c_.Check1->isChecked();
}

int SetUp::tintSlider() const {
    return c_.HScroll1->value();
}

double SetUp::pouredVolume() const {
    return std::max(0.0, numbers::parseBenchDouble(text(5).toStdString()));
}

int SetUp::species() const {
    int s = c_.ions1->currentIndex();
    return model::isSpecies(s) ? s : -1;
}

model::BenchInputs SetUp::benchInputs() const {
    model::BenchInputs in;
    const std::optional<double> secret = secretSample();
    in.sampleConcentration = secret ? float(*secret) : readNumber(text(0));
    in.sampleVolume = itemValue(c_.Combo1);
    in.titrantConcentration = readNumber(text(1));
    in.pouredVolume = readNumber(text(5));
    in.reagentConcentration = readNumber(text(2));
    in.iodineVolume = itemValue(c_.Combo2);
    in.iodideVolume = readNumber(text(3));
    return in;
}

void SetUp::rewriteLabelvol() {
    c_.Labelvol->setText(text(5) + QStringLiteral(" mL"));
    // Named again once the flow stops: nobody reads a label changing a hundred times a second.
    if (!p_.run.flowing())
        c_.Labelvol->setAccessibleName(QStringLiteral("Volume de solution versée\u00A0: ") +
                                       c_.Labelvol->text());
}

void SetUp::lockBoxes(bool locked) {
    for (QLineEdit* box : c_.Text1)
        box->setReadOnly(locked);
}

// Validation of a box: run when a shown box is left, on Enter, and by program.
void SetUp::Text1_LostFocus(int index) {
    if (index < 0 || index > 5) return;
    // The word that stands for a secret concentration is no typed value.
    if (index == 0 && secretSample()) {
        p_.run.reinitialise();
        p_.chain.majtq();
        return;
    }
    const BoxValue held = validatedBox(index, readNumber(text(index)), itemValue(c_.Combo1));
    const float x = held.value;
    if (index == 3) {
        setText(3, general(x));
        p_.chain.reftq();
    }
    if (index == 5) {
        if (held.beyondBurette)
            ui::ask(&p_.window, QStringLiteral("La contenance de la burette est de 25 mL."),
                    QStringLiteral("Volume corrigé"), ui::Icon::Information, ui::Buttons::Ok);
        setText(5, general(x));
        // The drops beyond a volume typed in are no longer in the burette's course.
        p_.state.measurements.cutAbove(x);
        p_.chain.reftq();
    }
    if (index <= 3) setText(index, general(x));
    if (index != 5) p_.run.reinitialise();
    p_.chain.majtq();
}

void SetUp::Combo1_Click() {
    double total = itemValue(c_.Combo1);
    if (!c_.Combo2->isHidden()) total += itemValue(c_.Combo2);
    if (!c_.Text1[3]->isHidden()) total += readNumber(text(3));
    if (total > pipettedLimit) {
        c_.Combo1->setCurrentIndex(0);
        p_.speech.tellVolumeReset();
    }
    p_.chain.majtq();
}

void SetUp::Combo2_Click() {
    if (itemValue(c_.Combo2) + itemValue(c_.Combo1) > pipettedLimit) {
        c_.Combo2->setCurrentIndex(0);
        p_.speech.tellVolumeReset();
    }
    p_.chain.majtq();
}

void SetUp::ions1_Click() {
    p_.state.measurements.clear();
    setText(5, QStringLiteral("0"));
    rewriteLabelvol();
    p_.chain.majtq();
    p_.chain.prepasol();
    p_.chain.imafond();
}

void SetUp::Check1_Click() {
    p_.chain.reftq();
}

void SetUp::Option2_Click(int index) {
    if (index < 0 || index >= files::situationCount) return;
    // The buttons are exclusive: the chosen one alone stays selected.
    for (int i = 0; i < files::situationCount; ++i) {
        QSignalBlocker block(c_.Option2[i]);
        c_.Option2[i]->setChecked(i == index);
    }
    auto& table = p_.state.situations.table;
    // A table just loaded belongs to no situation yet.
    const bool loaded = table.current < 0;
    if (table.current >= 0 && table.current < files::situationCount) {
        auto& texts = table.texts[table.current];
        for (int k = 0; k < 6; ++k)
            texts[k] = text(k).toStdString();
        auto& choices = table.choices[table.current];
        choices[1] = static_cast<std::int16_t>(c_.ions1->currentIndex());
        choices[2] = static_cast<std::int16_t>(c_.Combo1->currentIndex());
        choices[3] = static_cast<std::int16_t>(c_.Combo2->currentIndex());
        choices[4] = c_.Check1->isChecked() ? 1 : 0;
        for (const auto& f : p_.window.families().all())
            f->storeChoices(table.family[std::size_t(table.current)]);
    }
    table.current = static_cast<std::int16_t>(index);
    p_.window.updateFocusChain();
    const auto& texts = table.texts[index];
    for (int k = 0; k < 6; ++k)
        setText(k, QString::fromStdString(texts[k]));
    const auto choices = table.choices[index];
    c_.ions1->setCurrentIndex(choices[1] < c_.ions1->count() ? choices[1] : -1);
    c_.Combo1->setCurrentIndex(choices[2] < c_.Combo1->count() ? choices[2] : -1);
    c_.Combo2->setCurrentIndex(choices[3] < c_.Combo2->count() ? choices[3] : -1);
    c_.Check1->setChecked(choices[4] == 1);
    for (const auto& f : p_.window.families().all())
        f->restoreChoices(table.family[std::size_t(index)]);
    p_.chain.majtq();
    p_.state.measurements.clear();
    setText(5, QString::fromStdString(table.texts[index][5]));
    rewriteLabelvol();
    p_.chain.reftq();
    // A configuration the student opened is a new solution; an exercise's own is not.
    if (loaded && !p_.state.loadingForExercise) newSolutionChosen();
}

void SetUp::masquer_Click() {
    keepSampleSecret(c_.masquer->isChecked());
    if (c_.masquer->isChecked()) {
        Text1_LostFocus(0);
        c_.Label1->show();
        c_.Command5->hide();
    } else {
        c_.Label1->hide();
        c_.Command5->show();
    }
    p_.chain.prepasol();
    p_.chain.markCourbesStale();
    p_.chain.refcourbes();
}

void SetUp::Command5_Click() {
    // The generator was seeded once, when the program started.
    c_.masquer->setChecked(true);
    float c = bench::randomConcentration(bench::drawUniform());
    setText(0, general(c));
    Text1_LostFocus(0);
    lockHiddenConcentration();
}

void SetUp::lockHiddenConcentration() {
    c_.Command5->hide();
    c_.Label1->show();
    c_.masquer->setEnabled(false);
}

void SetUp::hideSampleConcentration() {
    c_.masquer->setChecked(true);
    lockHiddenConcentration();
    p_.state.exerciseSecret = true;
    showSecretLabel(true);
    p_.chain.majtq();
}

void SetUp::revealSampleConcentration() {
    // A student's own value is shown by nothing, a correction included.
    if (p_.state.hiddenSamples.holdsStudentsOwn()) return;
    endSecret(true);
}

void SetUp::Label1_Click() {
    // An exercise's secret is shown by nothing: it ends with a new solution.
    if (p_.state.exerciseSecret || p_.state.hiddenSamples.held()) return;
    c_.masquer->setChecked(false);
    c_.Command5->show();
    c_.Label1->hide();
    c_.masquer->setEnabled(true);
}

void SetUp::Command3_Click() {
    if (!c_.Picture4->isHidden()) {
        c_.Command3->setText(QStringLiteral("Définir la\nsolution titrée"));
        Command9_Click();
        p_.chain.niveaubecher();
    } else {
        c_.Command3->setText(QStringLiteral("Simuler le titrage"));
        p_.run.Command12_Click();
        const QRect bench = c_.picburette->geometry();
        // The panel's picture keeps the bench's size; the widget shows its upper part.
        c_.Picture4->setFixedSize(bench.width() - 2, bench.height() - 130);
        c_.Picture4->move(bench.left() + 1, bench.top() + 1);
        p_.chain.prepasol();
        c_.Picture4->show();
        c_.Picture4->raise();
        p_.chain.niveaubecher();
    }
    p_.window.updateFocusChain();
}

void SetUp::Command9_Click() {
    const int s = species();
    const model::BenchInputs in = benchInputs();
    ui::Answer answer = ui::Answer::Ok;
    if (!model::reagentSufficient(s, in)) {
        const std::string_view reagent = model::reagentName(s);
        const QString text = QStringLiteral("La quantité de matière de ") + drawing::utf8(reagent) +
                             QStringLiteral(" ajoutée est insuffisante.");
        answer = ui::ask(&p_.window, text, QStringLiteral("Avertissement"), ui::Icon::Critical,
                         ui::Buttons::OkCancel);
    }
    if (answer == ui::Answer::Cancel) {
        c_.Command3->setText(QStringLiteral("Simuler le titrage"));
        return;
    }
    c_.Picture4->hide();
    c_.picburette->show();
    p_.window.updateFocusChain();
}

void SetUp::keyIntoBox(int index, QChar typed) {
    c_.Text1[index]->insert(QString(typed));
}

void SetUp::guardPastedText(int index) {
    QLineEdit* box = c_.Text1[index];
    const QString filtered = bench::filterText(box->text());
    if (filtered == box->text()) return;
    int cursor = box->cursorPosition() - (box->text().size() - filtered.size());
    box->setText(filtered);
    box->setCursorPosition(std::max(0, cursor));
}

void SetUp::updateBoxDescription(int index) {
    // The boxes that are never shown are never described.
    if (index < 4) c_.Text1[index]->setAccessibleDescription(c_.Text1[index]->text());
}

std::optional<double> SetUp::secretSample() const {
    return p_.state.secretSample(text(0).toStdString());
}

double SetUp::sampleValue() const {
    // In double precision, as typed: 0,0123 is 0.0123, not the single 0.0122999996.
    if (const auto secret = secretSample()) return *secret;
    return numbers::parseBenchDouble(text(0).toStdString());
}

void SetUp::showSecretLabel(bool secret) {
    // Greyed as nothing to click, yet dark enough to be read on the panel.
    QPalette palette = c_.Label1->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, QColor(80, 80, 80));
    c_.Label1->setPalette(palette);
    if (secret) {
        c_.Label1->setText(QStringLiteral("inconnue"));
        c_.Label1->setAccessibleName(
            QStringLiteral("Concentration de la solution titrée inconnue"));
        c_.Label1->setCursor(Qt::ArrowCursor);
        c_.Label1->setEnabled(false);
    } else {
        c_.Label1->setText(QStringLiteral("Afficher la\nconcentration"));
        c_.Label1->setAccessibleName(QStringLiteral("Afficher la concentration"));
        c_.Label1->setCursor(Qt::PointingHandCursor);
        c_.Label1->setEnabled(true);
    }
}

void SetUp::sealSample(std::optional<double> own) {
    auto& table = p_.state.situations.table;
    // Hidden and locked first; the bench's own text joins its situation's before the seal.
    hideSampleConcentration();
    const int s = table.current;
    if (s >= 0 && s < files::situationCount) table.texts[std::size_t(s)][0] = text(0).toStdString();
    p_.state.hiddenSamples.seal(table, own);
    setText(0, utf8(files::unknownSampleText));
    p_.window.updateFocusChain();
    p_.chain.majtq();
}

void SetUp::endSecret(bool giveBack) {
    if (!p_.state.exerciseSecret && !p_.state.hiddenSamples.held()) return;
    auto& table = p_.state.situations.table;
    const int s = table.current;
    const bool shown = s >= 0 && s < files::situationCount;
    if (giveBack) {
        if (shown) table.texts[std::size_t(s)][0] = text(0).toStdString();
        table = p_.state.hiddenSamples.unsealed(table);
        if (shown) setText(0, QString::fromStdString(table.texts[std::size_t(s)][0]));
    }
    // The words left give way to the start value: nothing of the secret is left to show.
    p_.state.hiddenSamples.end(table, startSample.toStdString());
    if (files::isUnknownSample(text(0).toStdString())) setText(0, startSample);
    p_.state.exerciseSecret = false;
    showSecretLabel(false);
    Label1_Click();
    p_.window.updateFocusChain();
    p_.chain.majtq();
}

void SetUp::newSolutionChosen() {
    // While the exercise that hides it is open, the concentration stays its secret.
    if (!p_.state.exercise.work) endSecret(false);
}

double SetUp::sampleConcentration() {
    return sampleValue();
}

exercises::BenchReadings SetUp::benchReadings() {
    // c1 as typed, in double precision: 0,02 is 0.02, not the single 0.0199999996.
    return {p_.window.family().numbers(), numbers::parseBenchDouble(text(1).toStdString()),
            itemValue(c_.Combo1)};
}

void SetUp::setResultCheckOffered(bool offered) {
    c_.checkResult->setVisible(offered);
}

} // namespace bench
