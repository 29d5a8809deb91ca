// SPDX-License-Identifier: GPL-3.0-or-later
// What the bench tells where the keyboard focus is, for those who hear it through a screen
// reader: the volume poured and the colour of the solution on the tap and the drop while the
// titrant flows (a few times a second at most, the change of colour at once), the summary of
// the bench on demand, the names of the situations, a value corrected, the focus moved by
// the program. Nothing here says a concentration that is hidden: it is "inconnue".
#include "bench/feuillep.h"

#include "a11y/tell.h"
#include "bench/widgets.h"
#include "bench/words.h"
#include "drawing/utf8.h"
#include "files/situations.h"
#include "model/acidbase/catalogue.h"
#include "model/catalogue.h"
#include "numbers/formats.h"
#include "numbers/reading.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace bench {

namespace {

using drawing::utf8;

float readNumber(const QString& text) {
    return numbers::parseBenchNumber(text.toStdString());
}

} // namespace

// "diiode, 0,010 mol/L", or "diiode, concentration inconnue" while it is hidden.
QString FeuilleP::sampleWords(std::string_view listText, const QString& typed) const {
    return utf8(listText) + QStringLiteral(", ") +
           (masquer->isChecked() ? QStringLiteral("concentration inconnue")
                                 : concentrationText(typed) + QStringLiteral(" mol/L"));
}

// "Diiode, 0,010 mol/L, 10 mL prélevés."
QString FeuilleP::sampleSentence(std::string_view listText) const {
    QString sentence = sampleWords(listText, text(0));
    sentence[0] = sentence[0].toUpper();
    return sentence + QStringLiteral(", ") + Combo1->currentText() + QStringLiteral(" prélevés.");
}

QString concentrationText(const QString& typed) {
    QString text = QString::fromStdString(numbers::formatGeneral(readNumber(typed)));
    if (text == QLatin1String("0") || text.contains(QLatin1Char('E'))) return text;
    int figures = 0;
    bool leading = true;
    for (QChar c : text) {
        if (!c.isDigit()) continue;
        if (leading && c == u'0') continue;
        leading = false;
        ++figures;
    }
    if (figures >= 2) return text;
    if (!text.contains(QLatin1Char(','))) text += QLatin1Char(',');
    return text + QString(2 - figures, u'0');
}

QString FeuilleP::progressSentence() const {
    const double poured = numbers::parseBenchDouble(text(5).toStdString());
    QString sentence = QString::fromStdString(numbers::formatPattern(poured, "0.00")) +
                       QStringLiteral(" mL versés, solution ") + flaskColour_;
    const QString meter = meterReading();
    if (!meter.isEmpty()) sentence += QStringLiteral(", ") + meter;
    return sentence;
}

void FeuilleP::updateSpokenProgress(bool colourChanged) {
    const QString sentence = progressSentence();
    const std::array<QWidget*, 4> listeners = {Image3, Image1, Command6, Command12};
    if (!flowing()) {
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

QString FeuilleP::sceneSummary() const {
    if (acidBaseTitration() >= 0) return acidBaseSummary();
    const int s = species();
    if (s < 0) return QStringLiteral("Aucune espèce à titrer n'est choisie.");
    QStringList sentences{sampleSentence(model::listText(s))};
    if (model::isIndirect(s)) {
        QString reagent = utf8(model::reagentName(s));
        if (reagent.startsWith(QLatin1String("d'"))) reagent.remove(0, 2);
        const QString volume =
            model::reagentVolumeInput(s) == model::ReagentVolumeInput::IodineVolume
                ? Combo2->currentText()
                : text(3) + QStringLiteral(" mL");
        sentences << QStringLiteral("Réactif en excès\u00A0: ") + reagent + QStringLiteral(", ") +
                         concentrationText(text(2)) + QStringLiteral(" mol/L, ") + volume +
                         QStringLiteral(".");
    }
    sentences << QStringLiteral("Solution titrante\u00A0: ") + utf8(model::titrantName(s)) +
                     QStringLiteral(", ") + concentrationText(text(1)) + QStringLiteral(" mol/L.");
    if (Check1->isChecked() && model::involvesDiiode(s))
        sentences << QStringLiteral("Thiodène ajouté.");
    sentences << progressSentence() + QStringLiteral(".");
    return sentences.join(QLatin1Char(' '));
}

QString FeuilleP::acidBaseSummary() const {
    namespace ab = model::acidbase;
    const ab::BenchSetup setup = acidBaseSetup();
    const int t = setup.preparation.titration;
    QStringList sentences{sampleSentence(ab::listText(t))};
    if (setup.preparation.waterVolume > 0)
        sentences << QStringLiteral("Eau distillée ajoutée\u00A0: ") + waterBox->text() +
                         QStringLiteral(" mL.");
    QString titrant = utf8(ab::titrantName(ab::titrant(t)));
    if (titrant.startsWith(QLatin1String("solution d'"))) titrant.remove(0, 11);
    sentences << QStringLiteral("Solution titrante\u00A0: ") + titrant + QStringLiteral(", ") +
                     concentrationText(text(1)) + QStringLiteral(" mol/L.");
    sentences << (setup.indicator >= 0 ? QStringLiteral("Indicateur coloré\u00A0: ") +
                                             indicatorList->currentText() + QStringLiteral(".")
                                       : QStringLiteral("Sans indicateur coloré."));
    sentences << progressSentence() + QStringLiteral(".");
    return sentences.join(QLatin1Char(' '));
}

void FeuilleP::tellSummary() {
    a11y::tell(this, sceneSummary());
}

QString FeuilleP::situationName(int index) const {
    const auto& table = situations_.table;
    const bool current = index == table.current;
    const int s = current ? ions1->currentIndex() : table.choices[std::size_t(index)][1];
    const QString typed =
        current ? text(0) : QString::fromStdString(table.texts[std::size_t(index)][0]);
    const QString name = QStringLiteral("Situation %1").arg(index + 1);
    const std::string_view listed = files::isAcidBasePosition(s)
                                        ? model::acidbase::listText(s - files::acidBaseListStart)
                                    : model::isSpecies(s) ? model::listText(s)
                                                          : std::string_view();
    if (listed.empty()) return name;
    return name + QStringLiteral("\u00A0: ") + sampleWords(listed, typed);
}

void FeuilleP::updateSituationNames() {
    for (int i = 0; i < int(Option2.size()); ++i) {
        const QString name = situationName(i);
        if (Option2[std::size_t(i)]->accessibleName() != name)
            Option2[std::size_t(i)]->setAccessibleName(name);
    }
}

void FeuilleP::validateTyped(int index) {
    const QString typed = text(index);
    Text1_LostFocus(index);
    const QString now = text(index);
    if (index > 3) return;
    if (index == 0 && masquer->isChecked()) {
        if (readNumber(typed) != readNumber(now) || typed.trimmed().isEmpty())
            a11y::tell(this, QStringLiteral("Concentration corrigée."));
        return;
    }
    tellCorrection(typed, now, index == 3 ? QStringLiteral(" mL") : QStringLiteral(" mol/L"));
}

void FeuilleP::tellCorrection(const QString& typed, const QString& kept, const QString& unit) {
    if (readNumber(typed) == readNumber(kept) && !typed.trimmed().isEmpty()) return;
    a11y::tell(this, QStringLiteral("Valeur corrigée\u00A0: ") + kept + unit + QStringLiteral("."));
}

void FeuilleP::tellVolumeReset() {
    a11y::tell(this, QStringLiteral("Volume ramené à 0\u00A0: le prélèvement et le réactif "
                                    "ne peuvent dépasser 25 mL."));
}

void FeuilleP::drawFromDie() {
    const bool focused = Command5->hasFocus();
    Command5_Click();
    if (!focused || !Label1->isVisible()) return;
    // The die is gone: the focus goes to the label that takes its place.
    Label1->setFocus(Qt::OtherFocusReason);
    a11y::tell(this,
               QStringLiteral("Concentration tirée au hasard et cachée\u00A0; le focus est sur "
                              "«\u00A0Afficher la concentration\u00A0»."));
}

void FeuilleP::revealFromLabel() {
    const bool focused = Label1->hasFocus();
    Label1_Click();
    if (!focused || Text1[0]->isHidden()) return;
    Text1[0]->setFocus(Qt::OtherFocusReason);
    a11y::tell(this, QStringLiteral("Concentration affichée\u00A0: ") + concentrationText(text(0)) +
                         QStringLiteral(" mol/L."));
}

} // namespace bench
