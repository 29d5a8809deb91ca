// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lexical layer of RTF: bytes to tokens. Braces open and close groups; a backslash starts a
// control word (letters, then an optional signed number and one optional space), a control
// symbol (one other character) or a hexadecimal byte (\'hh); \bin takes the number of raw bytes
// its parameter says; line ends and NUL bytes are not text; every other byte is text. Damaged
// input (a cut escape, huge numbers) gives tokens all the same: nothing here fails.

#include <string_view>

namespace rtf {

struct Token {
    enum class Kind {
        End,           // no byte left
        GroupOpen,     // {
        GroupClose,    // }
        ControlWord,   // \word, \word12, \word-3; a backslash before a line end is \par
        ControlSymbol, // \~, \-, \{ ...: symbol is the character
        HexByte,       // \'hh: byte
        TextByte,      // any other byte of text: byte
        Binary,        // the raw bytes of \binN: data
    };
    Kind kind = Kind::End;
    std::string_view word; // ControlWord: its letters, at most the first 32
    bool hasParam = false;
    int param = 0; // ControlWord: the number, kept within the range of int
    unsigned char byte = 0;
    char symbol = 0;
    std::string_view data; // Binary
};

class Tokenizer {
public:
    explicit Tokenizer(std::string_view input) : in_(input) {}
    Token next();
    // The byte after a text byte, taken as the second byte of a two-byte character even when
    // it looks like syntax; false at the end of the input.
    bool takeTrailByte(unsigned char& byte);

private:
    Token controlWord();
    std::string_view in_;
    std::size_t pos_ = 0;
};

} // namespace rtf
