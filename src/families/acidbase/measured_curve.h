// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Courbes" tab of an acid-base titration followed with a probe: pH = f(V) (pH meter) or
// σ = f(V) (conductimeter) through the points measured so far, and nothing beyond the volume
// poured; the derivative dpH/dV on its own scale on the right, on demand; and the student's
// method with its constructions: the extrema of the derivative (each jump, named on the plot
// V_E, or V_E1, V_E2 in order), the parallel tangents with the parallel halfway between them,
// or the two straight lines of conductimetry, each with the equivalence point it finds, written
// under the plot ("V_E = 10,00 mL (méthode de la dérivée)"). The methods are worked out in the
// model (model/acidbase/student_methods.h).
//
// Drawn from plain inputs, at the picture's own density, for the screen, the clipboard and
// paper: drawMeasuredCurveBackground draws the frame and keeps it as the picture's background, and
// drawMeasuredCurve draws the curves, the constructions and the result over it. The frame
// depends on the points (the volume axis, which ends at a round volume past the volume poured,
// the last reading and the equivalence found; a conductivity's scale, the derivative's scale):
// draw it again when measuredFrameKey changes.

#include "drawing/plot_frame.h"
#include "model/acidbase/student_methods.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <cstddef>
#include <vector>

namespace drawing {

class Picture;

// What the points hold.
enum class Reading { PH, Conductivity };

struct MeasuredCurveInputs {
    Reading reading = Reading::PH;
    std::vector<model::acidbase::Point> points; // volume (mL), pH or σ (mS·cm⁻¹)
    double pouredVolume = 0;                    // where the marker stands
    bool derivative = false;                    // dpH/dV asked for (a pH only)
    // The points are σ·(V₀ + V_eau + V)/(V₀ + V_eau), corrected for the dilution: "σ corrigé".
    bool dilutionCorrected = false;
    model::acidbase::MethodChoice method;
    int selectedContact = 0; // tangents: 1 or 2, the point of contact the keys move; 0: none
    int controlsHeight = 0;  // a band left blank at the bottom for the tab's controls
};

// The points drawn: those measured up to the volume poured, by increasing volume, one per
// volume (model::acidbase::curvePoints). The methods work on these.
std::vector<model::acidbase::Point> shownPoints(const MeasuredCurveInputs& in);

// Whether the derivative is drawn: asked for, or needed by the method of its maximum, and on
// a pH curve.
bool showsDerivative(const MeasuredCurveInputs& in);

struct MeasuredCurveLayout {
    PlotFrame frame;
    QRect result; // the line under the plot that gives the equivalence found
};
MeasuredCurveLayout measuredCurveLayout(Picture& pic, const MeasuredCurveInputs& in);

// What the frame is drawn from.
struct MeasuredFrameKey {
    int width = 0, height = 0;
    qreal ratio = 0;
    Reading reading = Reading::PH;
    double volumeEnd = 0;                                           // mL
    double low = 0, high = 0;                                       // the scale on the left
    bool right = false;                                             // the derivative's scale
    double rightLow = 0, rightHigh = 0;                             //
    model::acidbase::Method method = model::acidbase::Method::None; // the legend
    int controlsHeight = 0;
    bool dilutionCorrected = false; // the title on the left and the legend
    bool operator==(const MeasuredFrameKey&) const = default;
};
MeasuredFrameKey measuredFrameKey(const Picture& pic, const MeasuredCurveInputs& in);

void drawMeasuredCurveBackground(Picture& tabcourbes, const MeasuredCurveInputs& in);
// Returns the layout it drew on. shownResult, when given, holds the line under the plot as the
// picture shows it (empty after drawMeasuredCurveBackground): the line is drawn only when it
// differs, and is kept there.
MeasuredCurveLayout drawMeasuredCurve(Picture& tabcourbes, const MeasuredCurveInputs& in,
                                      Runs* shownResult = nullptr);

// The colours: the curve, the derivative, the tangents and lines, the parallel halfway, the
// equivalence point.
QColor measuredColour();
QColor derivativeColour();
QColor constructionColour();
QColor middleColour();
QColor equivalenceColour();

// The line under the plot: "V_E = 10,00 mL (méthode de la dérivée)", E as an index, or what
// the method lacks ("Dérivée : trois mesures au moins sont nécessaires."); empty with no
// method.
// With several equivalences (the derivative's jumps), each in turn: "V_E1 = 11,20 mL ;
// V_E2 = 22,40 mL (méthode de la dérivée)".
Runs resultRuns(const MeasuredCurveInputs& in, const model::acidbase::MethodResult& result);

// The name of the equivalence at index among count found: V_E alone, or V_E1, V_E2...
Runs equivalenceName(std::size_t index, std::size_t count);

// The curve and the method's result in words, for what is read rather than seen.
QString measuredCurveWords(const MeasuredCurveInputs& in);

// "méthode de la dérivée", "méthode des tangentes parallèles", "méthode des deux droites";
// empty for no method.
QString methodName(model::acidbase::Method method);

} // namespace drawing
