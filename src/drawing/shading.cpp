#include "drawing/shading.h"

#include "drawing/picture.h"
#include "model/numbers.h"

#include <QImage>

#include <algorithm>
#include <cstring>

namespace drawing {

ShadeRow shadeColours(Shade shade, int count, double step) {
    ShadeRow row;
    row.reserve(std::max(count, 0));
    double g = 0;
    for (int i = 0; i < count; ++i) {
        g += step;
        const int light = model::nearest(255 - g);
        const int deep = model::nearest(255 - 2 * g);
        row.push_back(shade == Shade::Introduced ? qRgb(deep, light, 255) : qRgb(255, light, deep));
    }
    return row;
}

void drawShadedColumns(Picture& pic, int left, int top, const ShadeRow& row, int height) {
    if (row.empty() || height <= 0) return;
    const int width = int(row.size());
    QImage strip(width, height, QImage::Format_RGB32);
    auto* first = reinterpret_cast<QRgb*>(strip.scanLine(0));
    std::copy(row.begin(), row.end(), first);
    for (int y = 1; y < height; ++y)
        std::memcpy(strip.scanLine(y), first, sizeof(QRgb) * width);
    pic.drawImage(left, top, strip);
}

} // namespace drawing
