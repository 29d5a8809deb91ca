// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the bench tells where the keyboard focus is, for those who hear it through a screen
// reader: the volume poured and the colour of the solution on the tap and the drop while the
// titrant flows (a few times a second at most, the change of colour at once), the summary of the
// bench on demand (F2), the names of the situations, a value corrected, the focus moved by the
// program; and the pictures in words (the beaker, the burette and the meter, the graph's
// columns, the tabs, the curves). Nothing here says a concentration that is hidden: it is
// "inconnue".

#include "bench/controls.h"
#include "bench/parts.h"

#include <QElapsedTimer>
#include <QString>

#include <functional>
#include <memory>
#include <string_view>

namespace bench {

class BenchSpeech {
public:
    explicit BenchSpeech(Parts& parts) : p_(parts), c_(parts.c) {}

    // "4,05 mL versés, solution rose pâle": the description of the tap, the drop, "Vider la
    // burette" and the reset. While the titrant flows it is told on the focused one of them
    // at most once per interval (and at once when the colour changes); when the flow stops,
    // all of them take it. With a probe in the beaker, the meter's reading follows: "…,
    // solution rose pâle, pH-mètre : 8,73".
    QString progressSentence() const;
    static constexpr int progressInterval = 250; // ms
    // The meter as it reads now, "pH-mètre : 4,76"; empty without a probe.
    QString meterReading() const;
    // The summary of the bench read on F2: the species and their concentrations ("inconnue"
    // while hidden), the volumes, the indicator, the volume poured, the colour of the solution
    // and the meter's reading.
    QString sceneSummary() const;
    void tellSummary();
    // What the situation button says: "Situation 3 : diiode, 0,010 mol/L".
    QString situationName(int index) const;
    void updateSituationNames();
    // "Diiode, 0,010 mol/L, 10 mL prélevés." and the reagent's volume as its list shows it.
    QString sampleSentence(std::string_view listText) const;
    QString iodineVolumeText() const;
    // The milliseconds the told progress is timed by (a steady clock unless a test sets one).
    void setClock(std::function<qint64()> clock) { clock_ = std::move(clock); }

    // ---- Corrections and moves of the focus ----
    // A box validated from the keyboard or by leaving it: a value the validation changed is
    // told.
    void validateTyped(int index);
    void tellCorrection(const QString& typed, const QString& kept, const QString& unit);
    // A pipette volume put back to 0: the sample and the reagent would pass 25 mL.
    void tellVolumeReset();
    // The die and the reveal label worked by the user: where the focus goes is told.
    void drawFromDie();
    void revealFromLabel();

    // ---- The pictures in words ----
    void updateTabParts();
    void updateBenchParts();
    void updateGraphParts();
    void updateCourbesParts();

private:
    // "diiode, 0,010 mol/L", or "diiode, concentration inconnue" while it is hidden.
    QString sampleWords(std::string_view listText, const QString& typed) const;
    void updateSpokenProgress(bool colourChanged);
    void updateMeterPart(bool settled);

    Parts& p_;
    Controls& c_;
    int flaskWord_ = -1;        // the colour word the beaker's name last said
    QString flaskColour_;       // the colour of the solution, as told
    QString toldProgress_;      // the progress sentence last told
    qint64 progressToldAt_ = 0; // when (clock_) it was told during a flow
    std::function<qint64()> clock_ = [timer = std::make_shared<QElapsedTimer>()] {
        if (!timer->isValid()) timer->start();
        return timer->elapsed();
    };
};

} // namespace bench
