#pragma once
// Shaded bars of the quantities graph: one colour per pixel column, from white towards blue
// (amounts introduced) or towards orange-red (amounts present).

#include <QRgb>

#include <vector>

namespace drawing {

class Picture;

enum class Shade { Introduced, Present };
using ShadeRow = std::vector<QRgb>;

// The colours of `count` columns: a shade g that starts at 0 and grows by `step` before each
// column; introduced RGB(255 - 2g, 255 - g, 255), present RGB(255, 255 - g, 255 - 2g).
ShadeRow shadeColours(Shade shade, int count, double step);

// Draws one vertical line per colour of `row`, from y = top down `height` pixels, starting at
// x = left. The columns are drawn as one image, not as separate lines.
void drawShadedColumns(Picture& pic, int left, int top, const ShadeRow& row, int height);

} // namespace drawing
