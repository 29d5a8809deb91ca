// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The acid-base bench's own drawings on the bench picture: the probe dipped into the flask,
// its cable and its meter with a display that reads like a real one, the description of the
// titrant under "Dans la burette", and what the flask holds.

#include "drawing/bench_drawing.h"
#include "model/acidbase/catalogue.h"
#include "model/acidbase/meters.h"
#include "model/colour.h"

#include <QRect>

#include <optional>

namespace drawing {

class Picture;

// What the liquids' painting needs of an acid-base titration on the bench.
struct AcidBaseLevels {
    bool shown = false;             // an acid-base titration is on the bench
    double waterVolume = 0;         // water added to the sample, mL
    std::optional<model::Rgb> tint; // the indicator's colour; none: colourless
    model::acidbase::Probe probe = model::acidbase::Probe::None;
    model::acidbase::MeterDisplay display; // what the meter shows
};

// The meter on the bench, right of the flask and under the drop button, in the bench's
// pixels; its display window inside it.
inline constexpr QRect meterRect(128, 342, 172, 64);
inline constexpr QRect meterDisplayRect(138, 350, 152, 30);

// The meter's name as the bench writes it: "pH-mètre", "Conductimètre"; "" for no probe.
QString meterName(model::acidbase::Probe probe);
// The display as one line of text: "pH = 4,76", "σ = 1,23 mS·cm⁻¹"; "" for no probe.
QString meterText(model::acidbase::Probe probe, const model::acidbase::MeterDisplay& display);

// Draws the probe into the flask's neck down near its bottom (drawn before the flask, whose
// glass comes over it), its cable and the meter with its display. Nothing for no probe.
void drawProbe(Picture& bench, int flaskX, const AcidBaseLevels& levels);

// "Dans la burette": the titrant as the bench describes the redox titrants, at the picture's
// current position, in the picture's 8-point text: "Solution aqueuse d'hydroxyde de" /
// "sodium ( Na⁺ + HO⁻ )." and "Acide chlorhydrique ( H₃O⁺ + Cl⁻ ).", the charges and
// indices set as formula runs.
void acidBaseTitrantDescription(Picture& bench, model::acidbase::Titrant titrant);

// What niveaubecher paints of an acid-base titration: the water added, the indicator's colour
// in place of the redox tints, and the probe with its meter. Not shown when levels are not.
FlaskContent flaskContent(const AcidBaseLevels& levels);

// What imafond writes of the titrant of an acid-base titration; empty for no titration.
TitrantText acidBaseTitrantText(int titration);

} // namespace drawing
