// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"
#include "formatting.h"

#include <algorithm>

namespace rtf {

void Picture::addHexDigit(unsigned char c) {
    if (c >= '0' && c <= '9')
        addNibble(c - '0');
    else if ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))
        addNibble((c | 0x20) - 'a' + 10);
}

void Picture::addNibble(int value) {
    if (binary) return;
    if (nibble < 0) {
        nibble = value;
    } else {
        data.append(char(nibble * 16 + value));
        nibble = -1;
    }
}

void Picture::controlWord(std::string_view word, bool hasParam, int param) {
    if (word == "pngblip")
        kind = Kind::Png;
    else if (word == "jpegblip")
        kind = Kind::Jpeg;
    else if (word == "emfblip" || word == "wmetafile" || word == "macpict" || word == "dibitmap" ||
             word == "wbitmap" || word == "pmmetafile")
        kind = Kind::Other;
    else if (word == "picwgoal")
        goalWidth = std::clamp(param, 0, 31680);
    else if (word == "pichgoal")
        goalHeight = std::clamp(param, 0, 31680);
    else if (word == "picscalex")
        scaleX = hasParam ? std::clamp(param, 1, 1000) : 100;
    else if (word == "picscaley")
        scaleY = hasParam ? std::clamp(param, 1, 1000) : 100;
}

QSizeF Picture::displaySize(const QSize& imageSize) const {
    qreal w = goalWidth > 0 ? twipsToPixels(goalWidth) : imageSize.width();
    qreal h = goalHeight > 0 ? twipsToPixels(goalHeight) : imageSize.height();
    return {std::max<qreal>(1, w * scaleX / 100.0), std::max<qreal>(1, h * scaleY / 100.0)};
}

} // namespace rtf
