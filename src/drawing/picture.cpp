// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/picture.h"

#include "drawing/images_ahead.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace drawing {

namespace {

// Text is measured and drawn at 96 dots per inch whatever the screen, so that a point size
// gives the same pixels everywhere (10 pt is 13.33 logical pixels).
constexpr int dotsPerMeter96 = 3780;

QImage blankImage(int width, int height, qreal ratio, const QColor& colour) {
    const int w = std::max(1, int(std::ceil(width * ratio)));
    const int h = std::max(1, int(std::ceil(height * ratio)));
    QImage img = takeImageMadeAhead(QSize(w, h));
    if (img.isNull()) img = QImage(w, h, pictureFormat);
    img.setDevicePixelRatio(ratio);
    img.setDotsPerMeterX(dotsPerMeter96);
    img.setDotsPerMeterY(dotsPerMeter96);
    img.fill(colour);
    return img;
}

// Two images whose pixels can be copied from one to the other as they are.
bool sameLayout(const QImage& a, const QImage& b) {
    return a.size() == b.size() && a.format() == b.format() &&
           a.devicePixelRatio() == b.devicePixelRatio() && a.dotsPerMeterX() == b.dotsPerMeterX() &&
           a.dotsPerMeterY() == b.dotsPerMeterY();
}

void copyPixels(const QImage& from, QImage& to) {
    std::memcpy(to.bits(), from.constBits(), std::size_t(from.sizeInBytes()));
}

} // namespace

// Text is measured again and again as pictures are redrawn at every tick (the captions, the
// numbers of the tables): the picture keeps the metrics of each font it used, and the widths
// of the texts measured in it.
struct Picture::TextMeasures {
    struct Font {
        Font(const QFont& font, const QPaintDevice* device) : metrics(font, device) {}
        QFontMetricsF metrics;
        QHash<QString, double> widths;
    };
    std::vector<std::pair<QFont, std::unique_ptr<Font>>> fonts;

    Font& of(const QFont& font, const QPaintDevice* device) {
        for (auto& [known, measures] : fonts)
            if (known == font) return *measures;
        fonts.emplace_back(font, std::make_unique<Font>(font, device));
        return *fonts.back().second;
    }
};

namespace {

bool measuredAt96(const QImage& image) {
    return image.dotsPerMeterX() == dotsPerMeter96 && image.dotsPerMeterY() == dotsPerMeter96;
}

} // namespace

Picture::Picture(int width, int height, qreal devicePixelRatio, QColor background)
    : width_(std::max(0, width)), height_(std::max(0, height)), backColor_(background) {
    image_ = blankImage(width_, height_, devicePixelRatio, backColor_);
    font_.setFamily(QStringLiteral("Arial"));
    setFontSize(fontSize_);
}

void Picture::resize(int width, int height) {
    const qreal ratio = image_.isNull() ? 1.0 : image_.devicePixelRatio();
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    image_ = blankImage(width_, height_, ratio, backColor_);
    background_ = QImage();
}

void Picture::setDevicePixelRatio(qreal ratio) {
    if (ratio <= 0) ratio = 1.0;
    image_ = blankImage(width_, height_, ratio, backColor_);
    background_ = QImage();
}

void Picture::rescale(qreal ratio) {
    if (ratio <= 0 || image_.isNull() || ratio == devicePixelRatio()) return;
    auto resample = [&](const QImage& from) {
        if (from.isNull()) return QImage();
        QImage to = blankImage(width_, height_, ratio, backColor_);
        QPainter p(&to);
        p.drawImage(QRectF(0, 0, width_, height_), from);
        return to;
    };
    image_ = resample(image_);
    background_ = resample(background_);
}

QColor Picture::pixel(int x, int y) const {
    const qreal r = devicePixelRatio();
    const int dx = int(std::floor(x * r));
    const int dy = int(std::floor(y * r));
    if (dx < 0 || dy < 0 || dx >= image_.width() || dy >= image_.height()) return {};
    return image_.pixelColor(dx, dy);
}

void Picture::clear() {
    if (background_.isNull() || background_.size() != image_.size())
        image_.fill(backColor_);
    else if (image_.isDetached() && sameLayout(image_, background_))
        copyPixels(background_, image_); // into the image's own memory, which stays
    else
        image_ = background_;
}

void Picture::clear(const QRect& area) {
    if (image_.isNull()) return;
    const qreal r = devicePixelRatio();
    const QRect device =
        QRect(QPoint(int(std::floor(area.left() * r)), int(std::floor(area.top() * r))),
              QPoint(int(std::floor((area.right() + 1) * r)) - 1,
                     int(std::floor((area.bottom() + 1) * r)) - 1))
            .intersected(image_.rect());
    if (device.isEmpty()) return;
    const bool kept = !background_.isNull() && background_.size() == image_.size() &&
                      background_.format() == image_.format();
    const QRgb back = backColor_.rgb();
    for (int y = device.top(); y <= device.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        if (kept) {
            const auto* from = reinterpret_cast<const QRgb*>(background_.constScanLine(y));
            std::copy(from + device.left(), from + device.right() + 1, row + device.left());
        } else {
            std::fill(row + device.left(), row + device.right() + 1, back);
        }
    }
}

void Picture::keepAsBackground() {
    // Kept in memory of its own when there is some (the last background's, or an image made
    // ahead): shared, the next drawing would copy the pixels into new memory.
    if (!background_.isDetached() || !sameLayout(background_, image_)) {
        QImage own = takeImageMadeAhead(image_.size());
        if (own.isNull() || own.format() != image_.format()) {
            background_ = image_;
            return;
        }
        own.setDevicePixelRatio(image_.devicePixelRatio());
        own.setDotsPerMeterX(image_.dotsPerMeterX());
        own.setDotsPerMeterY(image_.dotsPerMeterY());
        background_ = std::move(own);
    }
    copyPixels(image_, background_);
}

void Picture::dropBackground() {
    background_ = QImage();
}

void Picture::restart() {
    dropBackground();
    clear();
    setPenMode(PenMode::Copy);
    setLineWidth(1);
    setForeColor(Qt::black);
    setScaleLeft(0);
    setFontName(QStringLiteral("Arial"));
    setFontSize(8);
    setBold(false);
    setItalic(false);
    currentX = 0;
    currentY = 0;
}

void Picture::begin(QPainter& p) {
    p.begin(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // A shifted scale moves everything drawn: x = scaleLeft lies on the left edge.
    if (scaleLeft_ != 0) p.translate(-scaleLeft_, 0);
    p.setCompositionMode(penMode_ == PenMode::Mask ? QPainter::RasterOp_SourceAndDestination
                                                   : QPainter::CompositionMode_SourceOver);
}

void Picture::circle(int x, int y, int r, const QColor& outline, const QColor* fill) {
    if (image_.isNull() || r < 0) return;
    QPainter p;
    begin(p);
    QPen pen(outline);
    pen.setWidthF(std::max(1, lineWidth_));
    p.setPen(pen);
    p.setBrush(fill ? QBrush(*fill) : QBrush(Qt::NoBrush));
    p.drawEllipse(QPointF(x + 0.5, y + 0.5), r, r);
}

void Picture::arc(int x, int y, int r, double a1, double a2, const QColor& c) {
    if (image_.isNull() || r < 0) return;
    QPainter p;
    begin(p);
    QPen pen(c);
    pen.setWidthF(std::max(1, lineWidth_));
    p.setPen(pen);
    constexpr double sixteenthsPerRadian = 180.0 * 16.0 / M_PI;
    double span = a2 - a1;
    if (span < 0) span += 2 * M_PI;
    p.drawArc(QRectF(x + 0.5 - r, y + 0.5 - r, 2.0 * r, 2.0 * r),
              int(std::lround(a1 * sixteenthsPerRadian)),
              int(std::lround(span * sixteenthsPerRadian)));
}

void Picture::drawImage(int x, int y, const QImage& img) {
    if (image_.isNull() || img.isNull()) return;
    QPainter p;
    begin(p);
    p.drawImage(QPointF(x, y), img);
}

void Picture::paint(const std::function<void(QPainter&)>& draw) {
    if (image_.isNull()) return;
    QPainter p;
    begin(p);
    draw(p);
}

void Picture::setFontName(const QString& name) {
    font_.setFamily(name);
}

void Picture::setFontSize(double points) {
    if (points <= 0) return;
    fontSize_ = points;
    font_.setPointSizeF(points);
}

void Picture::setBold(bool b) {
    font_.setBold(b);
}

void Picture::setItalic(bool i) {
    font_.setItalic(i);
}

QString Picture::fontName() const {
    return font_.family();
}

Picture::TextMeasures& Picture::textMeasures() const {
    // Shared by the copies of the picture: the measures hold for any picture at 96 dpi.
    if (!measures_) measures_ = std::make_shared<TextMeasures>();
    return *measures_;
}

double Picture::textWidth(const QString& text) const {
    if (!measuredAt96(image_)) return QFontMetricsF(font_, &image_).horizontalAdvance(text);
    TextMeasures::Font& m = textMeasures().of(font_, &image_);
    const auto known = m.widths.constFind(text);
    if (known != m.widths.constEnd()) return *known;
    // Numbers change at every tick: the widths kept stay few.
    if (m.widths.size() > 4096) m.widths.clear();
    const double width = m.metrics.horizontalAdvance(text);
    m.widths.insert(text, width);
    return width;
}

double Picture::textHeight(const QString&) const {
    if (!measuredAt96(image_)) return std::ceil(QFontMetricsF(font_, &image_).height());
    return std::ceil(textMeasures().of(font_, &image_).metrics.height());
}

void Picture::printRun(const QString& text) {
    if (text.isEmpty() || image_.isNull()) return;
    {
        QPainter p;
        begin(p);
        p.setFont(font_);
        p.setPen(foreColor_);
        const double ascent = measuredAt96(image_)
                                  ? textMeasures().of(font_, &image_).metrics.ascent()
                                  : QFontMetricsF(font_, &image_).ascent();
        p.drawText(QPointF(currentX, currentY + ascent), text);
    }
    currentX += textWidth(text);
}

void Picture::printLineEnd(const QString& text) {
    const double h = textHeight();
    printRun(text);
    currentX = scaleLeft_;
    currentY += h;
}

ScriptMetrics scriptMetrics(ScriptSet set) {
    switch (set) {
    case ScriptSet::Large:
        return {10, 8, 6, 4, 5};
    case ScriptSet::GraphLabel:
        return {10, 8, 6, 5, 5};
    case ScriptSet::Small:
        return {8, 8, 4, 4, 5};
    case ScriptSet::Note:
        return {8, 8, 4, 4, 5};
    case ScriptSet::Table:
        return {7, 6, 3, 3, 4};
    }
    return {8, 8, 4, 4, 5};
}

void Picture::subscript(const QString& text, ScriptSet set) {
    const ScriptMetrics o = scriptMetrics(set);
    currentY += o.down;
    setFontSize(o.scriptSize);
    printRun(text);
    currentY -= o.down;
    setFontSize(o.baseSize);
}

void Picture::superscript(const QString& text, ScriptSet set) {
    const ScriptMetrics o = scriptMetrics(set);
    currentY -= o.up;
    setFontSize(o.scriptSize);
    printRun(text);
    currentY += o.up;
    setFontSize(o.baseSize);
}

void Picture::stackedScripts(const QString& sub, const QString& sup, ScriptSet set) {
    const ScriptMetrics o = scriptMetrics(set);
    const double x0 = currentX;
    currentY += o.down;
    setFontSize(o.scriptSize);
    printRun(sub);
    currentX = x0;
    currentY -= o.down + o.stackedAbove;
    printRun(sup);
    currentY += o.stackedAbove;
    setFontSize(o.baseSize);
}

void Picture::bullet() {
    printRun(QString(QChar(0x2022)));
}

void Picture::paintOn(QPainter& painter, const QRect& target) const {
    if (image_.isNull()) return;
    const qreal r = devicePixelRatio();
    const QRectF source(target.x() * r, target.y() * r, target.width() * r, target.height() * r);
    painter.drawImage(QRectF(target), image_, source);
}

} // namespace drawing
