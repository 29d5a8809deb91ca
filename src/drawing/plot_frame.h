// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame of the plots of the "Courbes" tab, for both families: the volume poured along the
// horizontal axis, from 0 to the burette's 25 mL or to a round volume the plot is given (a
// labelled tick every 1, 2 or 5 times a power of ten); a scale on the left and, on demand, one on
// the right; the axes' titles; and a legend above the plot. It is laid out over the part of
// the picture it is given: the plot takes every pixel the texts leave, the texts are at 10 pt
// with 8 pt scripts (read from the back of a classroom on a projector), and none of them
// overlaps another, enters the plot or leaves the part given.

#include "drawing/graphlabels.h"
#include "model/amounts.h"

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

namespace drawing {

class Picture;

struct ScaleLabel {
    double value;
    QString text;
    bool operator==(const ScaleLabel&) const = default;
};

struct VerticalScale {
    double low = 0;                 // the value at the bottom of the plot
    double high = 1;                // and at its top
    std::vector<ScaleLabel> labels; // a line of the grid and a label at each
    Runs title;                     // "n (mol)", "pH", "dpH/dV (mL⁻¹)"
    bool operator==(const VerticalScale&) const = default;
};

// A scale from low to high rounded out to whole steps of 1, 2 or 5 times a power of ten, five
// steps at most, each labelled with a decimal comma ("0", "0,5", "1", "1,5"). A range of
// nothing becomes 0 to 1 (or the value to the next step). Its title is "quantity (unit)";
// labels that would need more than two decimals or five digits are written as multiples of a
// power of ten that the title gives: "0", "0,5", "1", "1,5" under "n (10⁻³ mol)".
VerticalScale roundScale(double low, double high, const Runs& quantity, const Runs& unit);

// The end of a volume axis that shows `volume` (mL) with some room past it: a whole number
// of steps of 1, 2 or 5 times a power of ten, five steps at most; 2 mL at least and the
// burette's 25 mL at most.
double volumeAxisEnd(double volume);

enum class LegendMark { Line, Dashes, Dot };

struct LegendEntry {
    Runs text;
    QColor colour;
    LegendMark mark = LegendMark::Line;
    bool operator==(const LegendEntry&) const = default;
};

struct PlotFrameInputs {
    QRect area; // the part of the picture given to the plot and its texts
    double volumeEnd = model::buretteCapacity; // mL, at the plot's right edge
    VerticalScale left;
    std::optional<VerticalScale> right;
    std::vector<LegendEntry> legend;
    bool operator==(const PlotFrameInputs&) const = default;
};

// A text of the frame: its runs, where printRuns starts them, and the box they cover.
struct FrameText {
    Runs runs;
    QPointF at;
    QRectF box;
};

struct PlotFrame {
    // The plot: 0 mL on its left edge and volumeEnd on its right one, each scale's low value
    // on its bottom edge and its high value on its top one (edges included).
    QRect plot;
    double volumeEnd = model::buretteCapacity;
    VerticalScale left;
    std::optional<VerticalScale> right;
    std::vector<FrameText> texts; // the labels, the titles and the legend's texts
    struct Mark {
        QRect box;
        QColor colour;
        LegendMark mark;
    };
    std::vector<Mark> marks; // the legend's marks

    double x(double volume) const;
    double y(double value) const; // on the left scale
    double yRight(double value) const;
    int pixelX(double volume) const;
    double volumeAt(double x) const; // the volume of a column of the plot (x(volume) undone)
    int pixelY(double value) const;
    // What the curves are drawn in: the plot and the half lines beyond its edges that thick
    // lines and markers overhang.
    QRect curvesArea() const;
};

// The frame laid out on the picture. The last one is kept: the ticks of the flow lay out the
// same frame again and again.
PlotFrame layoutPlotFrame(Picture& pic, const PlotFrameInputs& in);

// The axes with their arrows and ticks, the grid, the labels, the titles and the legend.
void drawPlotFrame(Picture& pic, const PlotFrame& frame);

} // namespace drawing
