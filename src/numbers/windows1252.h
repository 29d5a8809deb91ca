// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Windows-1252 code page, the character set of the record files and of the rich-text
// files: which character each byte stands for, and back. Bytes 0x00-0x7F and 0xA0-0xFF are
// the code points of the same value; the block 0x80-0x9F holds typographic characters. The
// five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1
// controls of the same value, as Windows decodes them, so that a text read and written back
// keeps them.

#include <optional>

namespace numbers {

char32_t fromWindows1252(unsigned char byte);
// The byte of a character; none for a character that Windows-1252 cannot hold.
std::optional<unsigned char> toWindows1252(char32_t c);

} // namespace numbers
