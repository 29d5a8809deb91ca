// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Byte decoding for the RTF reader: code pages named by \ansicpg, \fcharset and \cpg, and the
// Symbol and Wingdings fonts, whose characters are drawn as the Unicode symbols they show.

#include <QByteArray>
#include <QString>

namespace rtf {

// Pseudo code pages for the two symbol fonts.
inline constexpr int symbolCodePage = -2;
inline constexpr int wingdingsCodePage = -3;

// The code page of a \fcharset value; 0 when the charset says nothing (use the default).
int codePageOfCharset(int charset);

// Whether byte b starts a two-byte character in the code page (never below 0x81).
bool isLeadByte(int codePage, unsigned char b);

// Decodes bytes in the code page; unknown code pages fall back to Windows-1252.
QString decode(const QByteArray& bytes, int codePage);

// A character of the private area U+F000..U+F0FF written for a symbol font, as Unicode.
char16_t symbolFromPrivateUse(int codePage, char16_t c);

} // namespace rtf
