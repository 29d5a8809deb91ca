// SPDX-License-Identifier: GPL-3.0-or-later
#include "tokenizer.h"

#include <algorithm>

namespace rtf {
namespace {

// Control words are ASCII letters, whatever the locale says of other bytes.
bool isLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool isHex(unsigned char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
int hexValue(unsigned char c) {
    if (isDigit(c)) return c - '0';
    return (c | 0x20) - 'a' + 10;
}

constexpr std::size_t longestWord = 32;

Token token(Token::Kind kind) {
    Token t;
    t.kind = kind;
    return t;
}

} // namespace

Token Tokenizer::next() {
    const std::size_t n = in_.size();
    while (pos_ < n) {
        const auto c = static_cast<unsigned char>(in_[pos_++]);
        if (c == '{') return token(Token::Kind::GroupOpen);
        if (c == '}') return token(Token::Kind::GroupClose);
        if (c == '\r' || c == '\n' || c == 0) continue; // line ends are not text
        if (c != '\\') {
            Token t = token(Token::Kind::TextByte);
            t.byte = c;
            return t;
        }
        if (pos_ >= n) break; // a backslash that ends the input
        const auto d = static_cast<unsigned char>(in_[pos_]);
        if (isLetter(d)) return controlWord();
        ++pos_;
        if (d == '\'') {
            if (pos_ + 1 < n && isHex(in_[pos_]) && isHex(in_[pos_ + 1])) {
                Token t = token(Token::Kind::HexByte);
                t.byte =
                    static_cast<unsigned char>(hexValue(in_[pos_]) * 16 + hexValue(in_[pos_ + 1]));
                pos_ += 2;
                return t;
            }
            if (pos_ < n && isHex(in_[pos_])) ++pos_; // half a byte at the end of a cut file
            continue;
        }
        if (d == '\r' || d == '\n') {
            Token t = token(Token::Kind::ControlWord);
            t.word = "par";
            return t;
        }
        Token t = token(Token::Kind::ControlSymbol);
        t.symbol = char(d);
        return t;
    }
    pos_ = n;
    return token(Token::Kind::End);
}

Token Tokenizer::controlWord() {
    const std::size_t n = in_.size();
    const std::size_t start = pos_;
    while (pos_ < n && isLetter(in_[pos_]))
        ++pos_;
    Token t = token(Token::Kind::ControlWord);
    t.word = in_.substr(start, std::min(pos_ - start, longestWord));
    bool negative = false;
    if (pos_ + 1 < n && in_[pos_] == '-' && isDigit(in_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    long long value = 0;
    while (pos_ < n && isDigit(in_[pos_])) {
        t.hasParam = true;
        if (value < 100000000000LL) value = value * 10 + (in_[pos_] - '0');
        ++pos_;
    }
    if (pos_ < n && in_[pos_] == ' ') ++pos_;
    t.param = int(std::clamp(negative ? -value : value, -2147483647LL, 2147483647LL));
    if (t.word == "bin") {
        // Raw data, even when it looks like RTF.
        const std::size_t count =
            t.hasParam ? std::size_t(std::clamp<long long>(t.param, 0, (long long)(n - pos_))) : 0;
        t.kind = Token::Kind::Binary;
        t.data = in_.substr(pos_, count);
        pos_ += count;
    }
    return t;
}

bool Tokenizer::takeTrailByte(unsigned char& byte) {
    if (pos_ >= in_.size()) return false;
    byte = static_cast<unsigned char>(in_[pos_++]);
    return true;
}

} // namespace rtf
