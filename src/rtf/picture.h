// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture (\pict): its kind, its data in hexadecimal or raw (\bin), and the size it is shown
// at (\picwgoal, \pichgoal, \picscalex, \picscaley).

#include <QByteArray>
#include <QSize>
#include <QSizeF>

#include <string_view>

namespace rtf {

struct Picture {
    enum class Kind { Unknown, Png, Jpeg, Other };
    Kind kind = Kind::Unknown;
    QByteArray data;
    bool binary = false;
    int nibble = -1;
    int goalWidth = 0, goalHeight = 0; // twips
    int scaleX = 100, scaleY = 100;

    // A hexadecimal digit of the data; other characters (spaces, line ends) are skipped.
    void addHexDigit(unsigned char c);
    void addNibble(int value);
    void controlWord(std::string_view word, bool hasParam, int param);
    bool decodable() const { return kind == Kind::Png || kind == Kind::Jpeg; }
    // The displayed size in document pixels.
    QSizeF displaySize(const QSize& imageSize) const;
};

} // namespace rtf
