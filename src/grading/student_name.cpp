// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading/student_name.h"

#include <array>
#include <utility>

namespace grading {
namespace {

// One character from i (advanced past it); a byte that does not start a well-formed UTF-8
// sequence gives U+FFFD and is passed alone.
char32_t decode(std::string_view s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = byte(i);
    int length = 0;
    char32_t c = 0, least = 0;
    if (b < 0x80) {
        ++i;
        return b;
    } else if (b >= 0xC2 && b <= 0xDF) {
        length = 2, c = b & 0x1F, least = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3, c = b & 0x0F, least = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4, c = b & 0x07, least = 0x10000;
    }
    if (length == 0 || i + length > s.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = c << 6 | (byte(i + k) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += length;
    return c;
}

void encode(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isBlank(char32_t c) {
    return c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0xA0 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x202F || c == 0x205F || c == 0x3000;
}

bool isInvisible(char32_t c) {
    return c == 0xAD || (c >= 0x200B && c <= 0x200F) || c == 0x2060 || c == 0xFEFF;
}

bool isCombiningAccent(char32_t c) {
    return c >= 0x300 && c <= 0x36F;
}

// U+00C0 to U+00FF, capitals and small letters alike; null for × and ÷.
constexpr std::array<const char*, 32> latin1 = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  {},  "o", "u", "u", "u", "u", "y", "th", "ss"};

// U+0100 to U+017F; '*' marks the ligatures ĳ (ij) and œ (oe).
constexpr std::string_view latinExtendedA = "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiii"
                                            "ii**jjkkkllllllllllnnnnnnnnnoooooo**rrrrrrssssss"
                                            "ssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
static_assert(latinExtendedA.size() == 0x80);

// U+1EA0 to U+1EF9, the Vietnamese letters with two accents or a dot below.
constexpr std::array<std::pair<char32_t, char>, 6> vietnamese = {
    {{0x1EB8, 'a'}, {0x1EC8, 'e'}, {0x1ECC, 'i'}, {0x1EE4, 'o'}, {0x1EF2, 'u'}, {0x1EFA, 'y'}}};

// The letters a character stands for when names are compared; empty when it stands for
// itself.
std::string_view folded(char32_t c) {
    static constexpr std::string_view lower = "abcdefghijklmnopqrstuvwxyz";
    if (c >= 'A' && c <= 'Z') return lower.substr(c - 'A', 1);
    if (c >= 0xC0 && c <= 0xFF) {
        if (c == 0xFF) return "y";
        const char* letters = latin1[(c - 0xC0) % 32];
        return letters ? std::string_view(letters) : std::string_view();
    }
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x132 || c == 0x133) return "ij";
        if (c == 0x152 || c == 0x153) return "oe";
        const char letter = latinExtendedA[c - 0x100];
        return lower.substr(letter - 'a', 1);
    }
    if (c == 0x1A0 || c == 0x1A1) return "o";
    if (c == 0x1AF || c == 0x1B0) return "u";
    if (c == 0x218 || c == 0x219) return "s";
    if (c == 0x21A || c == 0x21B) return "t";
    if (c == 0x1E9E) return "ss";
    if (c >= 0x1EA0 && c <= 0x1EF9) {
        for (const auto& [end, letter] : vietnamese)
            if (c < end) return lower.substr(letter - 'a', 1);
    }
    if (c == 0x2018 || c == 0x2019 || c == 0x2BC || c == 0xB4 || c == '`') return "'";
    if (c >= 0x2010 && c <= 0x2013) return "-";
    return {};
}

// The characters of name that count, blanks gathered into single spaces between them, each
// passed to add.
template <typename Add> void words(std::string_view name, bool dropAccents, Add add) {
    bool pendingSpace = false, started = false;
    for (std::size_t i = 0; i < name.size();) {
        const char32_t c = decode(name, i);
        if (isBlank(c)) {
            pendingSpace = started;
            continue;
        }
        if (isInvisible(c) || (dropAccents && isCombiningAccent(c))) continue;
        if (pendingSpace) add(U' ');
        pendingSpace = false;
        started = true;
        add(c);
    }
}

} // namespace

std::string normaliseName(std::string_view name) {
    std::string out;
    words(name, true, [&](char32_t c) {
        const std::string_view letters = folded(c);
        if (letters.empty())
            encode(out, c);
        else
            out += letters;
    });
    return out;
}

std::string cleanName(std::string_view name) {
    std::string out;
    words(name, false, [&](char32_t c) { encode(out, c); });
    return out;
}

} // namespace grading
