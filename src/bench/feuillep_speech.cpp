// SPDX-License-Identifier: GPL-3.0-or-later
// What the bench tells where the keyboard focus is, for those who hear it through a screen
// reader: the volume poured and the colour of the solution on the tap and the drop while the
// titrant flows (a few times a second at most, the change of colour at once), the summary of
// the bench on demand, the names of the situations, a value corrected, the focus moved by
// the program. Nothing here says a concentration that is hidden: it is "inconnue".
#include "bench/feuillep.h"

#include "a11y/tell.h"
#include "bench/widgets.h"
#include "drawing/utf8.h"
#include "families/words.h"
#include "files/situations.h"
#include "model/catalogue.h"
#include "model/titration_id.h"
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
using families::concentrationText;

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

QString FeuilleP::iodineVolumeText() const {
    return Combo2->currentText();
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
    return family().summary();
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
    const model::TitrationId id = model::titrationAt(s);
    const std::string_view listed = families_.of(id).listText(id.index);
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
