// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/bench_speech.h"

#include "bench/feuillep.h"

#include "a11y/tell.h"
#include "bench/widgets.h"
#include "drawing/bench_drawing.h"
#include "drawing/graph.h"
#include "drawing/information.h"
#include "drawing/tabs.h"
#include "drawing/tintscale.h"
#include "drawing/utf8.h"
#include "drawing/widgets/picturebox.h"
#include "exercises/format_bar.h"
#include "families/words.h"
#include "files/situations.h"
#include "model/catalogue.h"
#include "model/colour.h"
#include "model/colour_words.h"
#include "model/titration_id.h"
#include "numbers/formats.h"
#include "numbers/reading.h"
#include "printing/bench_overlay.h"
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <utility>

namespace bench {

namespace {

using drawing::utf8;

// The parts of the bench picture: the meter follows them when a probe is in the beaker.
enum BenchPart { FlaskPart, BurettePart, benchPartCount, MeterPart = benchPartCount };

} // namespace

namespace {

const QString designText = QStringLiteral("Text1");

} // namespace

namespace {

using drawing::utf8;
using families::concentrationText;

float readNumber(const QString& text) {
    return numbers::parseBenchNumber(text.toStdString());
}

} // namespace

void BenchSpeech::updateTabParts() {
    const int count = p_.window.tabCount();
    c_.Onglets->setPartCount(count);
    const int h = p_.chain.tabEdges()[0] < p_.chain.tabEdges()[1] ? 15 : 0;
    for (int i = 1; i <= count; ++i) {
        drawing::PicturePart part;
        part.role = QAccessible::PageTab;
        part.name = drawing::tabCaption(i);
        part.rect = QRect(p_.chain.tabEdges()[i - 1] + 1, 0,
                          p_.chain.tabEdges()[i] - p_.chain.tabEdges()[i - 1], h + 1);
        part.selected = i == p_.chain.currentTab();
        c_.Onglets->setPart(i - 1, part);
    }
    if (p_.chain.currentTab() >= 1 && p_.chain.currentTab() <= count)
        c_.Onglets->setFocusMark(QRect(p_.chain.tabEdges()[p_.chain.currentTab() - 1] + 4, 2,
                                       p_.chain.tabEdges()[p_.chain.currentTab()] -
                                           p_.chain.tabEdges()[p_.chain.currentTab() - 1] - 7,
                                       h - 1));
    else
        c_.Onglets->setFocusMark({});
}

void BenchSpeech::updateBenchParts() {
    if (p_.setUp.text(4) == QStringLiteral("c_.Text1")) return;
    // The texts change at every step of the flow; they are told once it has stopped.
    const bool settled = !p_.run.flowing();
    const drawing::LevelInputs in = p_.chain.levelInputs(p_.window.devicePixelRatioF());
    const double volume = drawing::flaskVolume(in);
    const model::ColourWord word = p_.window.family().flaskColourWord(in, volume);
    const QString colour = utf8(model::solutionColour(word));

    // The name says the colour, and says it again only when the colour changes.
    drawing::PicturePart flask = c_.picburette->part(FlaskPart);
    const bool colourChanged = flaskWord_ >= 0 && int(word) != flaskWord_;
    if (int(word) != flaskWord_) {
        flask.name = QStringLiteral("La solution du bécher ") +
                     (flaskWord_ < 0 ? QStringLiteral("est ") : QStringLiteral("devient ")) +
                     colour;
        flaskWord_ = int(word);
    }
    flaskColour_ = colour;
    flask.description =
        QStringLiteral("Bécher\u00A0: ") +
        QString::fromStdString(numbers::formatGeneral(std::round(volume * 100) / 100)) +
        QStringLiteral(" mL, solution ") + colour;
    flask.rect = QRect(p_.chain.flaskX() - 8, 380, 90, 85);
    flask.role = QAccessible::ListItem;
    c_.picburette->setPart(FlaskPart, flask, settled);

    drawing::PicturePart burette;
    burette.role = QAccessible::ListItem;
    const bool empty = in.pouredVolume >= model::buretteCapacity;
    burette.name = empty ? QStringLiteral("Burette vide") : QStringLiteral("Burette");
    burette.description =
        QStringLiteral("Burette\u00A0: ") + p_.setUp.text(5) + QStringLiteral(" mL versés");
    burette.rect = QRect(p_.chain.flaskX() + 20, 20, 26, 330);
    c_.picburette->setPart(BurettePart, burette, settled);
    updateMeterPart(settled);
    updateSpokenProgress(colourChanged);
}

void BenchSpeech::updateMeterPart(bool settled) {
    const std::optional<drawing::PicturePart> meter = p_.window.family().meterPart();
    c_.picburette->setPartCount(meter ? MeterPart + 1 : MeterPart);
    if (meter) c_.picburette->setPart(MeterPart, *meter, settled);
}

void BenchSpeech::updateGraphParts() {
    const QStringList columns = p_.window.family().graphColumns();
    const bool settled = !p_.run.flowing();
    c_.tabquant->setPartCount(int(columns.size()));
    const int width = columns.isEmpty() ? 0 : c_.tabquant->width() / int(columns.size());
    for (int i = 0; i < int(columns.size()); ++i) {
        drawing::PicturePart column;
        column.name = columns[i].section(QStringLiteral("\u00A0: "), 0, 0);
        column.description = columns[i];
        column.rect = QRect(i * width, 0, width, c_.tabquant->height());
        c_.tabquant->setPart(i, column, settled);
    }
}

void BenchSpeech::updateCourbesParts() {
    p_.window.family().describeCourbes();
}

// "diiode, 0,010 mol/L", or "diiode, concentration inconnue" while it is hidden.
QString BenchSpeech::sampleWords(std::string_view listText, const QString& typed) const {
    return utf8(listText) + QStringLiteral(", ") +
           (p_.state.sampleHidden ? QStringLiteral("concentration inconnue")
                                  : concentrationText(typed) + QStringLiteral(" mol/L"));
}

// "Diiode, 0,010 mol/L, 10 mL prélevés."
QString BenchSpeech::sampleSentence(std::string_view listText) const {
    QString sentence = sampleWords(listText, p_.setUp.text(0));
    sentence[0] = sentence[0].toUpper();
    return sentence + QStringLiteral(", ") + c_.Combo1->currentText() +
           QStringLiteral(" prélevés.");
}

QString BenchSpeech::iodineVolumeText() const {
    return c_.Combo2->currentText();
}

QString BenchSpeech::progressSentence() const {
    const double poured = numbers::parseBenchDouble(p_.setUp.text(5).toStdString());
    QString sentence = QString::fromStdString(numbers::formatPattern(poured, "0.00")) +
                       QStringLiteral(" mL versés, solution ") + flaskColour_;
    const QString meter = meterReading();
    if (!meter.isEmpty()) sentence += QStringLiteral(", ") + meter;
    return sentence;
}

void BenchSpeech::updateSpokenProgress(bool colourChanged) {
    const QString sentence = progressSentence();
    const std::array<QWidget*, 4> listeners = {c_.Image3, c_.Image1, c_.Command6, c_.Command12};
    if (!p_.run.flowing()) {
        for (QWidget* w : listeners)
            a11y::describe(w, sentence);
        toldProgress_ = sentence;
        return;
    }
    // While the titrant flows, the focused control alone, a few times a second at most.
    if (sentence == toldProgress_) return;
    const qint64 now = clock_();
    if (!colourChanged && now - progressToldAt_ < progressInterval) return;
    for (QWidget* w : listeners)
        if (w->hasFocus()) {
            a11y::describe(w, sentence);
            progressToldAt_ = now;
            toldProgress_ = sentence;
        }
}

QString BenchSpeech::sceneSummary() const {
    return p_.window.family().summary();
}

void BenchSpeech::tellSummary() {
    a11y::tell(&p_.window, sceneSummary());
}

QString BenchSpeech::situationName(int index) const {
    const auto& table = p_.state.situations.table;
    const bool current = index == table.current;
    const int s = current ? c_.ions1->currentIndex() : table.choices[std::size_t(index)][1];
    const QString typed =
        current ? p_.setUp.text(0) : QString::fromStdString(table.texts[std::size_t(index)][0]);
    const QString name = QStringLiteral("Situation %1").arg(index + 1);
    const model::TitrationId id = model::titrationAt(s);
    const std::string_view listed = p_.window.families().of(id).listText(id.index);
    if (listed.empty()) return name;
    return name + QStringLiteral("\u00A0: ") + sampleWords(listed, typed);
}

void BenchSpeech::updateSituationNames() {
    for (int i = 0; i < int(c_.Option2.size()); ++i) {
        const QString name = situationName(i);
        if (c_.Option2[std::size_t(i)]->accessibleName() != name)
            c_.Option2[std::size_t(i)]->setAccessibleName(name);
    }
}

void BenchSpeech::validateTyped(int index) {
    const QString typed = p_.setUp.text(index);
    p_.setUp.Text1_LostFocus(index);
    const QString now = p_.setUp.text(index);
    if (index > 3) return;
    if (index == 0 && p_.state.sampleHidden) {
        if (readNumber(typed) != readNumber(now) || typed.trimmed().isEmpty())
            a11y::tell(&p_.window, QStringLiteral("Concentration corrigée."));
        return;
    }
    tellCorrection(typed, now, index == 3 ? QStringLiteral(" mL") : QStringLiteral(" mol/L"));
}

void BenchSpeech::tellCorrection(const QString& typed, const QString& kept, const QString& unit) {
    if (readNumber(typed) == readNumber(kept) && !typed.trimmed().isEmpty()) return;
    a11y::tell(&p_.window,
               QStringLiteral("Valeur corrigée\u00A0: ") + kept + unit + QStringLiteral("."));
}

void BenchSpeech::tellVolumeReset() {
    a11y::tell(&p_.window, QStringLiteral("Volume ramené à 0\u00A0: le prélèvement et le réactif "
                                          "ne peuvent dépasser 25 mL."));
}

void BenchSpeech::drawFromDie() {
    const bool focused = c_.Command5->hasFocus();
    p_.setUp.Command5_Click();
    if (!focused || !c_.Label1->isVisible()) return;
    // The die is gone: the focus goes to the label that takes its place.
    c_.Label1->setFocus(Qt::OtherFocusReason);
    a11y::tell(&p_.window,
               QStringLiteral("Concentration tirée au hasard et cachée\u00A0; le focus est sur "
                              "«\u00A0Afficher la concentration\u00A0»."));
}

void BenchSpeech::revealFromLabel() {
    const bool focused = c_.Label1->hasFocus();
    p_.setUp.Label1_Click();
    if (!focused || c_.Text1[0]->isHidden()) return;
    c_.Text1[0]->setFocus(Qt::OtherFocusReason);
    a11y::tell(&p_.window, QStringLiteral("Concentration affichée\u00A0: ") +
                               concentrationText(p_.setUp.text(0)) + QStringLiteral(" mol/L."));
}

QString BenchSpeech::meterReading() const {
    return p_.window.family().meterReading();
}

} // namespace bench
