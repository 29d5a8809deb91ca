// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The information text shown in `supertext` at start-up and when an exercise is closed: a
// short French presentation of the simulator, with a title, blue phrases and exponents.

#include <QString>

#include <array>

class QTextDocument;

namespace drawing {

// Styles of the pieces.
enum class InfoStyle {
    Plain = 0,       // Arial 10 pt black, indent 20
    Blue = 1,        // RGB(0, 0, 200), indent 20
    Superscript = 4, // raised, 8 pt, indent 20
    BlueToo = 6,     // as Blue
    Title = 9,       // Arial 18 pt, centred, RGB(0, 0, 200), no indent
};

struct InfoPiece {
    QString text; // line breaks written "\r\n", as stored
    InfoStyle style;
};

inline constexpr int infoPieceCount = 24;
const std::array<InfoPiece, infoPieceCount>& infoPieces();

// Start of each piece in the text of `supertext`, where a line break is one character
// (a paragraph break).
int infoPieceStart(int piece); // piece 0..23

// Writes the information text into the document of `supertext` (emptied first by its text
// area), each piece in its style.
void writeInformation(QTextDocument& document);

} // namespace drawing
