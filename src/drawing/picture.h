// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A retained picture: an image that keeps its drawing, with a persistent background that
// clearing returns to, and a drawing state (pen mode, line width, fill, text position and
// font) used by every painting procedure of the program. Coordinates are logical pixels;
// the image is held at a device pixel ratio so that it stays sharp on dense screens.
// Antialiasing is off: lines and points land on whole pixels.
//
// Picture is a plain paint target (no widget), so paintings can be made into a test image,
// a clipboard copy or a printer page. PictureBox (widgets/picturebox.h) is the widget that shows
// one.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QPainter;

namespace drawing {

enum class PenMode { Copy, Mask }; // Mask: each pixel becomes colour AND destination

// The sets of offsets and sizes of the formula runs:
//   Large      10 pt text, 8 pt scripts, subscript 6 down, superscript 4 up (bench quantities)
//   GraphLabel as Large with the superscript 5 up (labels of the quantities graph)
//   Small      8 pt text and scripts, 4 down, 4 up (titrant text, preparation panel)
//   Note       8 pt, superscript 4 up (note of the tint scales)
//   Table      7 pt text, 6 pt scripts, 3 down, 3 up, stacked 4 above (progress table)
// Stacked scripts put the superscript 5 above the base line in the other sets.
enum class ScriptSet { Large, Small, Note, GraphLabel, Table };

// The sizes (points) and offsets (pixels) of a set.
struct ScriptMetrics {
    double baseSize;
    double scriptSize;
    int down;         // subscript
    int up;           // superscript
    int stackedAbove; // stacked superscript above the base line
};
ScriptMetrics scriptMetrics(ScriptSet set);

class Picture {
public:
    Picture() = default;
    Picture(int width, int height, qreal devicePixelRatio = 1.0, QColor background = Qt::white);

    int width() const { return width_; }
    int height() const { return height_; }
    qreal devicePixelRatio() const { return image_.devicePixelRatio(); }
    void resize(int width, int height); // keeps nothing; clears to the back colour
    // Changes the density of the image (1 on ordinary screens, 2 on dense ones); keeps nothing.
    void setDevicePixelRatio(qreal ratio);
    // Changes the density keeping the drawing and the background, resampled (the owner
    // redraws afterwards for a sharp picture).
    void rescale(qreal ratio);

    // The image as drawn (at the device pixel ratio) and the persistent background.
    const QImage& image() const { return image_; }
    const QImage& background() const { return background_; }
    // The colour of the logical pixel (x, y), read at its top-left device pixel.
    QColor pixel(int x, int y) const;

    void setBackColor(const QColor& c) { backColor_ = c; }
    QColor backColor() const { return backColor_; }

    // Clears to the persistent background (or to the back colour when there is none).
    void clear();
    // The same for the logical rectangle `area` only (in the picture's own pixels).
    void clear(const QRect& area);
    // Makes the current image the persistent background.
    void keepAsBackground();
    void dropBackground();
    // Starts a static drawing afresh: no background, cleared to the back colour, copy pen of
    // width 1, black Arial 8 regular text at (0, 0), scale left edge at 0.
    void restart();

    // Drawing state.
    void setPenMode(PenMode m) { penMode_ = m; }
    PenMode penMode() const { return penMode_; }
    void setLineWidth(int w) { lineWidth_ = w; }
    int lineWidth() const { return lineWidth_; }
    void setForeColor(const QColor& c) { foreColor_ = c; }
    QColor foreColor() const { return foreColor_; }

    // Shapes. A line includes both ends; a box covers both corners inclusive.
    void line(int x1, int y1, int x2, int y2, const QColor& c);
    void box(int x1, int y1, int x2, int y2, const QColor& c);     // outline
    void fillBox(int x1, int y1, int x2, int y2, const QColor& c); // filled, no outline
    void point(int x, int y, const QColor& c);
    // Circle of centre (x, y) and radius r; fill is optional.
    void circle(int x, int y, int r, const QColor& outline, const QColor* fill = nullptr);
    // Arc from angle a1 to a2 (radians, counter-clockwise as seen on screen from +x).
    void arc(int x, int y, int r, double a1, double a2, const QColor& c);
    // Another image drawn with its top-left corner at (x, y), at its natural logical size.
    void drawImage(int x, int y, const QImage& img);
    // Free drawing for shapes the primitives above do not cover (gradients, polygons):
    // the painter works in logical pixels, antialiasing off, in the current pen mode.
    void paint(const std::function<void(QPainter&)>& draw);

    // Text state: the current position (real pixels, y = top of the text cell), the font,
    // the colour, and the left edge of the scale (a line end brings x back to it).
    double currentX = 0;
    double currentY = 0;
    void setFontName(const QString& name);
    void setFontSize(double points);
    void setBold(bool b);
    void setItalic(bool i);
    QString fontName() const;
    double fontSize() const { return fontSize_; }
    bool bold() const { return font_.bold(); }
    bool italic() const { return font_.italic(); }
    QFont font() const { return font_; }
    // The x of the picture's left edge in drawing coordinates (0 normally). Every drawing
    // call is shifted by it; pixel() and paintOn() keep reading the picture's own pixels.
    void setScaleLeft(double left) { scaleLeft_ = left; }
    double scaleLeft() const { return scaleLeft_; }

    double textWidth(const QString& text) const;
    double textHeight(const QString& text = QStringLiteral("W")) const;

    // Runs of text at the current position.
    void printRun(const QString& text);     // on the line: x advances by the width
    void printLineEnd(const QString& text); // then x = scale left, y += line height
    void lineEnd() { printLineEnd(QString()); }

    // Formula runs built on the text state.
    void subscript(const QString& text, ScriptSet set);
    void superscript(const QString& text, ScriptSet set);
    void stackedScripts(const QString& sub, const QString& sup, ScriptSet set);
    void bullet(); // U+2022 in the current font

    // Paints the logical rectangle r of the picture onto a painter (used by widgets,
    // clipboard copies and printing).
    void paintOn(QPainter& painter, const QRect& target) const;

private:
    void begin(QPainter& p);
    struct TextMeasures;
    TextMeasures& textMeasures() const;
    void fillLogical(QPainter& p, int x1, int y1, int x2, int y2, const QColor& c);
    // The pixel value a fill in c writes, where the painter would only copy it onto whole
    // device pixels of the image; nothing where the painter must draw it.
    std::optional<QRgb> directColour(const QColor& c) const;
    // Writes that value into the device pixels of the logical pixels x1..x2, y1..y2.
    void fillDirect(int x1, int y1, int x2, int y2, QRgb value);

    int width_ = 0;
    int height_ = 0;
    QImage image_;
    QImage background_;
    QColor backColor_ = Qt::white;
    QColor foreColor_ = Qt::black;
    PenMode penMode_ = PenMode::Copy;
    int lineWidth_ = 1;
    QFont font_;
    mutable std::shared_ptr<TextMeasures> measures_;
    double fontSize_ = 8;
    double scaleLeft_ = 0;
};

} // namespace drawing
