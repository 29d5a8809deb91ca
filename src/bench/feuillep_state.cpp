// SPDX-License-Identifier: GPL-3.0-or-later
// The bench state: the six text boxes with their key filter and validation, the lists and
// their volume rule, the ten situations, the hidden and random concentration, and the
// buttons that switch between the preparation panel and the simulation.
#include "bench/feuillep.h"

#include "bench/random_concentration.h"
#include "bench/widgets.h"
#include "drawing/utf8.h"
#include "drawing/widgets/picturebox.h"
#include "model/amounts.h"
#include "model/bench_limits.h"
#include "model/catalogue.h"
#include "numbers/formats.h"
#include "numbers/reading.h"
#include "ui/modal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace bench {

namespace {

using model::pipettedLimit;

float readNumber(const QString& text) {
    return numbers::parseBenchNumber(text.toStdString());
}

QString general(float x) {
    return QString::fromStdString(numbers::formatGeneral(x));
}

float roundedTo(float x, const char* pattern) {
    return numbers::parseBenchNumber(numbers::formatPattern(x, pattern));
}

} // namespace

QString FeuilleP::text(int index) const {
    if (index == 0 && sampleHidden_) return hiddenSample_;
    return Text1[index]->text();
}

void FeuilleP::setText(int index, const QString& text) {
    if (index == 0 && sampleHidden_)
        hiddenSample_ = text;
    else
        Text1[index]->setText(text);
}

void FeuilleP::keepSampleSecret(bool hidden) {
    if (hidden == sampleHidden_) return;
    if (hidden) {
        hiddenSample_ = Text1[0]->text();
        sampleHidden_ = true;
        Text1[0]->clear();
    } else {
        sampleHidden_ = false;
        Text1[0]->setText(hiddenSample_);
        hiddenSample_.clear();
    }
}

drawing::GraphSecret FeuilleP::graphSecret() const {
    return exerciseSecret() ? drawing::GraphSecret::Exercise : drawing::GraphSecret::None;
}

double FeuilleP::itemValue(const QComboBox* list) {
    return numbers::leadingNumber(list->currentText().toStdString());
}

model::TitrationId FeuilleP::titration() const {
    return model::titrationAt(ions1->currentIndex());
}

bool FeuilleP::starch() const {
    return Check1->isChecked();
}

int FeuilleP::tintSlider() const {
    return HScroll1->value();
}

double FeuilleP::pouredVolume() const {
    return std::max(0.0, numbers::parseBenchDouble(text(5).toStdString()));
}

int FeuilleP::species() const {
    int s = ions1->currentIndex();
    return model::isSpecies(s) ? s : -1;
}

model::BenchInputs FeuilleP::benchInputs() const {
    model::BenchInputs in;
    const std::optional<double> secret = secretSample();
    in.sampleConcentration = secret ? float(*secret) : readNumber(text(0));
    in.sampleVolume = itemValue(Combo1);
    in.titrantConcentration = readNumber(text(1));
    in.pouredVolume = readNumber(text(5));
    in.reagentConcentration = readNumber(text(2));
    in.iodineVolume = itemValue(Combo2);
    in.iodideVolume = readNumber(text(3));
    return in;
}

void FeuilleP::rewriteLabelvol() {
    Labelvol->setText(text(5) + QStringLiteral(" mL"));
    // Named again once the flow stops: nobody reads a label changing a hundred times a second.
    if (!flowing())
        Labelvol->setAccessibleName(QStringLiteral("Volume de solution versée\u00A0: ") +
                                    Labelvol->text());
}

void FeuilleP::lockBoxes(bool locked) {
    for (QLineEdit* box : Text1)
        box->setReadOnly(locked);
}

// Validation of a box: run when a shown box is left, on Enter, and by program.
void FeuilleP::Text1_LostFocus(int index) {
    if (index < 0 || index > 5) return;
    // The word that stands for a secret concentration is no typed value.
    if (index == 0 && secretSample()) {
        reinitialise();
        majtq();
        return;
    }
    float x = readNumber(text(index));
    if (x < 0) x = 0;
    if (index == 3) {
        x = roundedTo(x, "0.0E+00");
    } else if (index != 5) {
        x = roundedTo(x, "0.00E+00");
    }
    if (index <= 2) {
        if (x < model::minConcentration) x = float(model::minConcentration);
        if (x > model::maxConcentration) x = float(model::maxConcentration);
    }
    if (index == 3) {
        double v = itemValue(Combo1);
        if (x < 0) x = 0;
        if (v + x > pipettedLimit) x = static_cast<float>(pipettedLimit - v);
        setText(3, general(x));
        reftq();
    }
    if (index == 5) {
        if (x < 0) x = 0;
        if (x > model::buretteCapacity) {
            x = static_cast<float>(model::buretteCapacity);
            ui::ask(this, QStringLiteral("La contenance de la burette est de 25 mL."),
                    QStringLiteral("Volume corrigé"), ui::Icon::Information, ui::Buttons::Ok);
        }
        setText(5, general(x));
        // The drops beyond a volume typed in are no longer in the burette's course.
        measurements_.cutAbove(x);
        reftq();
    }
    if (index <= 3) setText(index, general(x));
    if (index != 5) reinitialise();
    majtq();
}

void FeuilleP::Combo1_Click() {
    double total = itemValue(Combo1);
    if (!Combo2->isHidden()) total += itemValue(Combo2);
    if (!Text1[3]->isHidden()) total += readNumber(text(3));
    if (total > pipettedLimit) {
        Combo1->setCurrentIndex(0);
        tellVolumeReset();
    }
    majtq();
}

void FeuilleP::Combo2_Click() {
    if (itemValue(Combo2) + itemValue(Combo1) > pipettedLimit) {
        Combo2->setCurrentIndex(0);
        tellVolumeReset();
    }
    majtq();
}

void FeuilleP::ions1_Click() {
    measurements_.clear();
    setText(5, QStringLiteral("0"));
    rewriteLabelvol();
    majtq();
    prepasol();
    imafond();
}

void FeuilleP::Check1_Click() {
    reftq();
}

void FeuilleP::Option2_Click(int index) {
    if (index < 0 || index >= files::situationCount) return;
    // The buttons are exclusive: the chosen one alone stays selected.
    for (int i = 0; i < files::situationCount; ++i) {
        QSignalBlocker block(Option2[i]);
        Option2[i]->setChecked(i == index);
    }
    auto& table = situations_.table;
    // A table just loaded belongs to no situation yet.
    const bool loaded = table.current < 0;
    if (table.current >= 0 && table.current < files::situationCount) {
        auto& texts = table.texts[table.current];
        for (int k = 0; k < 6; ++k)
            texts[k] = text(k).toStdString();
        auto& choices = table.choices[table.current];
        choices[1] = static_cast<std::int16_t>(ions1->currentIndex());
        choices[2] = static_cast<std::int16_t>(Combo1->currentIndex());
        choices[3] = static_cast<std::int16_t>(Combo2->currentIndex());
        choices[4] = Check1->isChecked() ? 1 : 0;
        for (const auto& f : families_.all())
            f->storeChoices(table.family[std::size_t(table.current)]);
    }
    table.current = static_cast<std::int16_t>(index);
    updateFocusChain();
    const auto& texts = table.texts[index];
    for (int k = 0; k < 6; ++k)
        setText(k, QString::fromStdString(texts[k]));
    const auto choices = table.choices[index];
    ions1->setCurrentIndex(choices[1] < ions1->count() ? choices[1] : -1);
    Combo1->setCurrentIndex(choices[2] < Combo1->count() ? choices[2] : -1);
    Combo2->setCurrentIndex(choices[3] < Combo2->count() ? choices[3] : -1);
    Check1->setChecked(choices[4] == 1);
    for (const auto& f : families_.all())
        f->restoreChoices(table.family[std::size_t(index)]);
    majtq();
    measurements_.clear();
    setText(5, QString::fromStdString(table.texts[index][5]));
    rewriteLabelvol();
    reftq();
    // A configuration the student opened is a new solution; an exercise's own is not.
    if (loaded && !loadingForExercise_) newSolutionChosen();
}

void FeuilleP::masquer_Click() {
    keepSampleSecret(masquer->isChecked());
    if (masquer->isChecked()) {
        Text1_LostFocus(0);
        Label1->show();
        Command5->hide();
    } else {
        Label1->hide();
        Command5->show();
    }
    prepasol();
    courbesStale_ = true;
    refcourbes();
}

void FeuilleP::Command5_Click() {
    // The generator was seeded once, when the program started.
    masquer->setChecked(true);
    float c = bench::randomConcentration(bench::drawUniform());
    setText(0, general(c));
    Text1_LostFocus(0);
    lockHiddenConcentration();
}

void FeuilleP::lockHiddenConcentration() {
    Command5->hide();
    Label1->show();
    masquer->setEnabled(false);
}

void FeuilleP::hideSampleConcentration() {
    masquer->setChecked(true);
    lockHiddenConcentration();
    exerciseSecret_ = true;
    showSecretLabel(true);
    majtq();
}

void FeuilleP::revealSampleConcentration() {
    // A student's own value is shown by nothing, a correction included.
    if (hiddenSamples_.holdsStudentsOwn()) return;
    endSecret(true);
}

void FeuilleP::Label1_Click() {
    // An exercise's secret is shown by nothing: it ends with a new solution.
    if (exerciseSecret_ || hiddenSamples_.held()) return;
    masquer->setChecked(false);
    Command5->show();
    Label1->hide();
    masquer->setEnabled(true);
}

void FeuilleP::Command3_Click() {
    if (!Picture4->isHidden()) {
        Command3->setText(QStringLiteral("Définir la\nsolution titrée"));
        Command9_Click();
        niveaubecher();
    } else {
        Command3->setText(QStringLiteral("Simuler le titrage"));
        Command12_Click();
        const QRect bench = picburette->geometry();
        // The panel's picture keeps the bench's size; the widget shows its upper part.
        Picture4->setFixedSize(bench.width() - 2, bench.height() - 130);
        Picture4->move(bench.left() + 1, bench.top() + 1);
        prepasol();
        Picture4->show();
        Picture4->raise();
        niveaubecher();
    }
    updateFocusChain();
}

void FeuilleP::Command9_Click() {
    const int s = species();
    const model::BenchInputs in = benchInputs();
    ui::Answer answer = ui::Answer::Ok;
    if (!model::reagentSufficient(s, in)) {
        const std::string_view reagent = model::reagentName(s);
        const QString text = QStringLiteral("La quantité de matière de ") + drawing::utf8(reagent) +
                             QStringLiteral(" ajoutée est insuffisante.");
        answer = ui::ask(this, text, QStringLiteral("Avertissement"), ui::Icon::Critical,
                         ui::Buttons::OkCancel);
    }
    if (answer == ui::Answer::Cancel) {
        Command3->setText(QStringLiteral("Simuler le titrage"));
        return;
    }
    Picture4->hide();
    picburette->show();
    updateFocusChain();
}

void FeuilleP::Command12_Click() {
    Timer2.stop();
    setTap(false);
    Timer1.stop();
    lockBoxes(false);
    setText(5, QStringLiteral("0"));
    Text1_LostFocus(5);
}

// ---- Key filter of the boxes the user types into ----

void FeuilleP::keyIntoBox(int index, QChar typed) {
    Text1[index]->insert(QString(typed));
}

void FeuilleP::guardPastedText(int index) {
    QLineEdit* box = Text1[index];
    const QString filtered = bench::filterText(box->text());
    if (filtered == box->text()) return;
    int cursor = box->cursorPosition() - (box->text().size() - filtered.size());
    box->setText(filtered);
    box->setCursorPosition(std::max(0, cursor));
}

void FeuilleP::updateBoxDescription(int index) {
    // The boxes that are never shown are never described.
    if (index < 4) Text1[index]->setAccessibleDescription(Text1[index]->text());
}

} // namespace bench
