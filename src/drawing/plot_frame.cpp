// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/plot_frame.h"

#include "drawing/picture.h"
#include "model/amounts.h"
#include "numbers/formats.h"
#include "numbers/rounding.h"

#include <algorithm>
#include <cmath>

namespace drawing {

namespace {

const QColor black(0, 0, 0);
const QColor lightGrey(192, 192, 192); // palette colour 7

constexpr double fullBurette = model::buretteCapacity;
constexpr double shortestVolumeAxis = 2; // mL
constexpr ScriptSet textSet = ScriptSet::Large;
constexpr int margin = 3;     // between the texts and the edges of the part given
constexpr int arrow = 8;      // how far an axis runs past the plot to the tip of its arrow
constexpr int labelGap = 5;   // between a scale's labels and its axis
constexpr int markWidth = 16; // a legend's mark, then a gap, then its text
constexpr int markGap = 4;
constexpr int entryGap = 14; // between the entries of the legend
constexpr int titleGap = 16; // between a title and the legend

Runs plain(const QString& text) {
    return {{RunKind::Plain, text}};
}

// "V (mL)", the V in italics.
Runs volumeTitle() {
    return {{RunKind::Plain, QStringLiteral("V"), {}, true},
            {RunKind::Plain, QStringLiteral(" (mL)")}};
}

FrameText placed(Picture& pic, const Runs& runs, double x, double top) {
    const RunsExtent e = runsExtent(pic, runs, textSet);
    return {runs, QPointF(x, top), QRectF(x, top - e.above, e.width, e.above + e.below)};
}

// Every k-th label from the first, k the smallest that leaves `room` pixels between the
// positions of two labels kept.
template <typename Label>
std::vector<Label> thinned(const std::vector<Label>& labels, double spacing, double room) {
    if (labels.empty() || spacing <= 0) return labels;
    const int k = std::max(1, int(std::ceil(room / spacing)));
    std::vector<Label> kept;
    for (std::size_t i = 0; i < labels.size(); i += std::size_t(k))
        kept.push_back(labels[i]);
    return kept;
}

double widest(Picture& pic, const std::vector<ScaleLabel>& labels) {
    double w = 0;
    for (const ScaleLabel& l : labels)
        w = std::max(w, pic.textWidth(l.text));
    return w;
}

// The runs one after the other, a run that goes on with the same kind and style as the one
// before joined to it (printed as one text, as a title written whole would be).
Runs joined(std::initializer_list<Runs> parts) {
    Runs all;
    for (const Runs& part : parts)
        for (const Run& r : part)
            if (!all.empty() && all.back().kind == r.kind && r.kind != RunKind::Stacked &&
                all.back().italic == r.italic)
                all.back().text += r.text;
            else
                all.push_back(r);
    return all;
}

// The labelled step of a volume axis from 0 to `end`: 1, 2 or 5 times a power of ten, five
// steps at most; and how many ticks it is divided into.
struct VolumeSteps {
    double label;
    int ticks;
};

VolumeSteps volumeSteps(double end) {
    for (double power = 0.1;; power *= 10)
        for (const int m : {1, 2, 5})
            if (end <= 5 * m * power * (1 + 1e-9) || power > 1e6)
                return {m * power, m == 2 ? 4 : 5};
}

// The volumes labelled along the axis, k steps from 0.
std::vector<double> labelledVolumes(double end) {
    const double step = volumeSteps(end).label;
    std::vector<double> volumes;
    for (int k = 0; k * step <= end * (1 + 1e-9); ++k)
        volumes.push_back(k * step);
    return volumes;
}

QString volumeText(double volume) {
    return QString::fromStdString(numbers::formatGeneral(volume));
}

double onScale(const VerticalScale& s, const QRect& plot, double value) {
    if (!(s.high > s.low)) return plot.bottom();
    return plot.bottom() - (value - s.low) * (plot.bottom() - plot.top()) / (s.high - s.low);
}

} // namespace

VerticalScale roundScale(double low, double high, const Runs& quantity, const Runs& unit) {
    VerticalScale s;
    if (!std::isfinite(low) || !std::isfinite(high)) low = high = 0;
    if (high < low) std::swap(low, high);
    if (high == low) high = low == 0 ? 1 : low + std::fabs(low) / 10;
    const double power = std::pow(10.0, std::floor(std::log10((high - low) / 5)));
    double step = 0;
    for (const double m : {1.0, 2.0, 5.0, 10.0, 20.0}) {
        step = m * power;
        s.low = std::floor(low / step + 1e-9) * step;
        s.high = std::ceil(high / step - 1e-9) * step;
        if ((s.high - s.low) / step <= 5 + 1e-9) break;
    }
    // Labels such as "0,0005" or "250000" are written in a power of ten: "0,5" and "2,5".
    const double largest = std::max(std::fabs(s.low), std::fabs(s.high));
    const int exponent = step < 0.01 * (1 - 1e-9) || largest >= 1e5
                             ? int(std::floor(std::log10(largest) + 1e-9))
                             : 0;
    const double factor = std::pow(10.0, exponent);
    const int steps = int(std::lround((s.high - s.low) / step));
    for (int k = 0; k <= steps; ++k) {
        double value = s.low + k * step;
        if (std::fabs(value) < step * 1e-9) value = 0;
        s.labels.push_back({value, QString::fromStdString(numbers::formatGeneral(value / factor))});
    }
    if (quantity.empty() && unit.empty()) return s;
    Runs tens;
    if (exponent != 0)
        tens = {{RunKind::Plain, QStringLiteral("10")},
                {RunKind::Superscript, (exponent < 0 ? QStringLiteral("\u2212") : QString()) +
                                           QString::number(std::abs(exponent))},
                {RunKind::Plain, QStringLiteral(" ")}};
    s.title =
        joined({quantity, plain(QStringLiteral(" (")), tens, unit, plain(QStringLiteral(")"))});
    return s;
}

double volumeAxisEnd(double volume) {
    // A little past the volume, so that the last reading does not stand on the axis' end.
    const double need =
        std::clamp(std::isfinite(volume) ? volume * 1.05 : 0.0, shortestVolumeAxis, fullBurette);
    const double step = volumeSteps(need).label;
    return std::min(fullBurette, std::ceil(need / step - 1e-9) * step);
}

double PlotFrame::x(double volume) const {
    return plot.left() + volume * (plot.right() - plot.left()) / volumeEnd;
}

double PlotFrame::volumeAt(double px) const {
    if (plot.right() == plot.left()) return 0;
    return (px - plot.left()) * volumeEnd / (plot.right() - plot.left());
}

double PlotFrame::y(double value) const {
    return onScale(left, plot, value);
}

double PlotFrame::yRight(double value) const {
    return right ? onScale(*right, plot, value) : plot.bottom();
}

int PlotFrame::pixelX(double volume) const {
    return numbers::nearest(x(volume));
}

int PlotFrame::pixelY(double value) const {
    return numbers::nearest(y(value));
}

QRect PlotFrame::curvesArea() const {
    return plot.adjusted(-3, -3, 3, 3);
}

namespace {

PlotFrame layOut(Picture& pic, const PlotFrameInputs& in) {
    PlotFrame f;
    f.volumeEnd = in.volumeEnd > 0 ? in.volumeEnd : fullBurette;
    f.left = in.left;
    f.right = in.right;
    const double areaLeft = in.area.left() + margin;
    const double areaRight = in.area.right() + 1 - margin;
    const double areaTop = in.area.top() + margin;
    const double areaBottom = in.area.bottom() + 1 - margin;
    pic.setFontSize(scriptMetrics(textSet).baseSize);
    pic.setBold(false);
    pic.setItalic(false);
    const double cell = pic.textHeight();
    const double half = cell / 2;

    // The row of the titles, and the legend in as many rows as it needs, right-aligned.
    const RunsExtent leftTitle = runsExtent(pic, in.left.title, textSet);
    double above = leftTitle.above, below = leftTitle.below;
    std::vector<RunsExtent> entries;
    for (const LegendEntry& e : in.legend) {
        entries.push_back(runsExtent(pic, e.text, textSet));
        above = std::max(above, entries.back().above);
        below = std::max(below, entries.back().below);
    }
    double legendRight = areaRight;
    std::optional<RunsExtent> rightTitle;
    if (in.right) {
        rightTitle = runsExtent(pic, in.right->title, textSet);
        above = std::max(above, rightTitle->above);
        below = std::max(below, rightTitle->below);
    }
    const double firstRow = areaTop + above;
    const double rowHeight = above + below + 2;
    f.texts.push_back(placed(pic, in.left.title, areaLeft, firstRow));
    if (in.right) {
        legendRight = areaRight - rightTitle->width;
        f.texts.push_back(placed(pic, in.right->title, legendRight, firstRow));
        legendRight -= titleGap;
    }
    const double legendLeft = areaLeft + leftTitle.width + titleGap;
    std::vector<std::vector<std::size_t>> rows(1);
    std::vector<double> rowWidths(1, 0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double w = markWidth + markGap + entries[i].width;
        if (!rows.back().empty() && rowWidths.back() + entryGap + w > legendRight - legendLeft) {
            rows.emplace_back();
            rowWidths.push_back(0);
        }
        rowWidths.back() += (rows.back().empty() ? 0 : entryGap) + w;
        rows.back().push_back(i);
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        double x = legendRight - rowWidths[r];
        const double top = firstRow + double(r) * rowHeight;
        for (const std::size_t i : rows[r]) {
            const int middle = int(std::lround(top + cell * 0.55));
            f.marks.push_back({QRect(int(std::lround(x)), middle - 2, markWidth, 5),
                               in.legend[i].colour, in.legend[i].mark});
            f.texts.push_back(placed(pic, in.legend[i].text, x + markWidth + markGap, top));
            x += markWidth + markGap + entries[i].width + entryGap;
        }
    }
    const double rowsBottom = firstRow + double(rows.size() - 1) * rowHeight + below;

    // The plot between the scales' labels, under the rows and over the volumes' labels.
    const RunsExtent volume = runsExtent(pic, volumeTitle(), textSet);
    const std::vector<double> volumes = labelledVolumes(f.volumeEnd);
    const double firstWidth = pic.textWidth(QStringLiteral("0"));
    const double lastWidth = pic.textWidth(volumeText(volumes.back()));
    double widestVolume = 0;
    for (const double v : volumes)
        widestVolume = std::max(widestVolume, pic.textWidth(volumeText(v)));
    // With a scale on the right, its lowest label may stand at the bottom corner: the
    // volumes' labels keep below it.
    const double xLabelDrop = in.right ? std::ceil(half) + 1 : 4;
    double bottomRoom = xLabelDrop + cell;
    if (in.right) bottomRoom += 1 + volume.above + volume.below;
    const double leftRoom = std::max(widest(pic, in.left.labels) + labelGap, firstWidth / 2);
    double rightRoom = volume.width + std::max(arrow + 4.0, lastWidth / 2 + 6);
    if (in.right) rightRoom = std::max(widest(pic, in.right->labels) + labelGap, lastWidth / 2);
    const int plotTop = int(std::ceil(rowsBottom + std::max(half + 2, arrow + 2.0)));
    const int plotBottom = int(std::floor(areaBottom - bottomRoom));
    const int plotLeft = int(std::ceil(areaLeft + leftRoom));
    const int plotRight = int(std::floor(areaRight - rightRoom));
    f.plot = QRect(QPoint(plotLeft, plotTop), QPoint(plotRight, std::max(plotTop, plotBottom)));

    // The labels, as many as their room allows.
    const double height = f.plot.bottom() - f.plot.top();
    auto scaleTexts = [&](const VerticalScale& s, bool onLeft) {
        if (s.labels.size() < 2) return;
        const double spacing = height * std::fabs(s.labels[1].value - s.labels[0].value) /
                               std::max(1e-300, s.high - s.low);
        for (const ScaleLabel& l : thinned(s.labels, spacing, cell + 1)) {
            const double y = onScale(s, f.plot, l.value);
            const double w = pic.textWidth(l.text);
            const double x = onLeft ? f.plot.left() - labelGap - w : f.plot.right() + labelGap;
            f.texts.push_back(placed(pic, plain(l.text), x, std::round(y - half)));
        }
    };
    scaleTexts(in.left, true);
    if (in.right) scaleTexts(*in.right, false);
    const double spacing = volumes.size() < 2 ? 0 : f.x(volumes[1]) - f.x(volumes[0]);
    for (const double v : thinned(volumes, spacing, widestVolume + 4)) {
        const QString text = volumeText(v);
        f.texts.push_back(placed(pic, plain(text), f.x(v) - pic.textWidth(text) / 2,
                                 f.plot.bottom() + xLabelDrop));
    }
    if (in.right)
        f.texts.push_back(placed(pic, volumeTitle(), f.plot.right() - volume.width,
                                 f.plot.bottom() + xLabelDrop + cell + 1 + volume.above));
    else
        f.texts.push_back(placed(pic, volumeTitle(),
                                 f.plot.right() + std::max(arrow + 4.0, lastWidth / 2 + 6),
                                 f.plot.bottom() + xLabelDrop));
    return f;
}

} // namespace

PlotFrame layoutPlotFrame(Picture& pic, const PlotFrameInputs& in) {
    struct Kept {
        PlotFrameInputs in;
        int width = -1;
        int height = -1;
        qreal ratio = 0;
        PlotFrame frame;
    };
    static Kept kept;
    if (kept.width != pic.width() || kept.height != pic.height() ||
        kept.ratio != pic.devicePixelRatio() || !(kept.in == in))
        kept = {in, pic.width(), pic.height(), pic.devicePixelRatio(), layOut(pic, in)};
    return kept.frame;
}

void drawPlotFrame(Picture& pic, const PlotFrame& f) {
    const QRect& p = f.plot;
    for (const ScaleLabel& l : f.left.labels)
        if (l.value != f.left.low) {
            const int y = f.pixelY(l.value);
            pic.line(p.left(), y, p.right(), y, lightGrey);
        }
    const VolumeSteps steps = volumeSteps(f.volumeEnd);
    const double tick = steps.label / steps.ticks;
    for (int k = 1; k * steps.label <= f.volumeEnd * (1 + 1e-9); ++k)
        pic.line(f.pixelX(k * steps.label), p.top(), f.pixelX(k * steps.label), p.bottom(),
                 lightGrey);
    for (int k = 0; k * tick <= f.volumeEnd * (1 + 1e-9); ++k)
        pic.line(f.pixelX(k * tick), p.bottom() + 1, f.pixelX(k * tick),
                 p.bottom() + (k % steps.ticks == 0 ? 3 : 2), black);

    pic.line(p.left(), p.top() - arrow, p.left(), p.bottom(), black);
    pic.line(p.left() - 3, p.top() - arrow + 6, p.left(), p.top() - arrow, black);
    pic.line(p.left() + 3, p.top() - arrow + 6, p.left(), p.top() - arrow, black);
    if (f.right) {
        pic.line(p.left(), p.bottom(), p.right(), p.bottom(), black);
        pic.line(p.right(), p.top(), p.right(), p.bottom(), black);
        for (const ScaleLabel& l : f.right->labels) {
            const int y = numbers::nearest(f.yRight(l.value));
            pic.line(p.right() + 1, y, p.right() + 3, y, black);
        }
    } else {
        const int tip = p.right() + arrow;
        pic.line(p.left(), p.bottom(), tip, p.bottom(), black);
        pic.line(tip - 6, p.bottom() - 3, tip, p.bottom(), black);
        pic.line(tip - 6, p.bottom() + 3, tip, p.bottom(), black);
    }

    pic.setForeColor(black);
    for (const FrameText& t : f.texts) {
        pic.currentX = t.at.x();
        pic.currentY = t.at.y();
        printRuns(pic, t.runs, textSet);
    }
    for (const PlotFrame::Mark& m : f.marks) {
        const QRect& b = m.box;
        const int middle = b.top() + b.height() / 2;
        switch (m.mark) {
        case LegendMark::Line:
            pic.fillBox(b.left(), middle - 1, b.right(), middle, m.colour);
            break;
        case LegendMark::Dashes:
            for (int x = b.left(); x <= b.right(); x += 6)
                pic.fillBox(x, middle - 1, std::min(x + 3, b.right()), middle, m.colour);
            break;
        case LegendMark::Dot:
            pic.fillBox(b.left() + b.width() / 2 - 2, middle - 2, b.left() + b.width() / 2 + 2,
                        middle + 2, m.colour);
            break;
        }
    }
}

} // namespace drawing
