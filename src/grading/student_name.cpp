// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading/student_name.h"

#include "french_text.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

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
           c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// The hyphens and the apostrophes, which part words as blanks do.
bool isWordSeparator(char32_t c) {
    static constexpr char32_t separators[] = {
        '-', 0x2010, 0x2011, 0x2012, 0x2013, 0x2014, 0x2015, 0x2212, 0xFE58, 0xFE63, 0xFF0D, '\'',
        '`', 0xB4,   0x2018, 0x2019, 0x201B, 0x2032, 0x2035, 0x2B9,  0x2BB,  0x2BC,  0xFF07};
    return std::find(std::begin(separators), std::end(separators), c) != std::end(separators);
}

// Punctuation and control characters, which count for nothing in the normal form.
bool isPunctuation(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return true;
    if (c < 0x80)
        return !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
    // Latin-1's, then those of the Greek, Armenian, Hebrew and Arabic letters.
    static constexpr char32_t marks[] = {
        0xA1,  0xA6,  0xA7,  0xA8,  0xAB,  0xAF,  0xB6,  0xB7,  0xB8,  0xBB,  0xBF,  0x37E,
        0x387, 0x55A, 0x55B, 0x55C, 0x55D, 0x55E, 0x55F, 0x589, 0x5BE, 0x5C0, 0x5C3, 0x5C6,
        0x5F3, 0x5F4, 0x60C, 0x61B, 0x61F, 0x66A, 0x66B, 0x66C, 0x66D, 0x6D4};
    if (std::find(std::begin(marks), std::end(marks), c) != std::end(marks)) return true;
    return (c >= 0x2016 && c <= 0x2027) || (c >= 0x2030 && c <= 0x205E) ||
           (c >= 0x2E00 && c <= 0x2E7F) || (c >= 0x3001 && c <= 0x3003) ||
           (c >= 0x3008 && c <= 0x3011) || (c >= 0x3014 && c <= 0x301F) ||
           (c >= 0xFE10 && c <= 0xFE19) || (c >= 0xFE30 && c <= 0xFE6B) ||
           (c >= 0xFF01 && c <= 0xFF0F) || (c >= 0xFF1A && c <= 0xFF20) ||
           (c >= 0xFF3B && c <= 0xFF40) || (c >= 0xFF5B && c <= 0xFF65);
}

bool isLatinLetter(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == 0xAA || c == 0xBA ||
           (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) || (c >= 0x250 && c <= 0x2AF) ||
           (c >= 0x1E00 && c <= 0x1EFF) || (c >= 0x2C60 && c <= 0x2C7F) ||
           (c >= 0xA720 && c <= 0xA7FF) || (c >= 0xAB30 && c <= 0xAB6F) ||
           (c >= 0xFB00 && c <= 0xFB06) || (c >= 0xFF21 && c <= 0xFF3A) ||
           (c >= 0xFF41 && c <= 0xFF5A);
}

// The letters of the other scripts, with the words that name their script in a sentence.
struct Script {
    char32_t first, last;
    std::string_view name;
};
// Beyond those named: Syriac, Thaana, Lao, Tibetan, Myanmar, Ethiopic, Cherokee, Khmer and
// Mongolian.
constexpr Script otherScripts[] = {
    {0x370, 0x3FF, "l'alphabet grec"},         {0x1F00, 0x1FFF, "l'alphabet grec"},
    {0x400, 0x52F, "l'alphabet cyrillique"},   {0x1C80, 0x1C8F, "l'alphabet cyrillique"},
    {0x2DE0, 0x2DFF, "l'alphabet cyrillique"}, {0xA640, 0xA69F, "l'alphabet cyrillique"},
    {0x531, 0x58F, "l'alphabet arménien"},     {0x591, 0x5FF, "l'alphabet hébreu"},
    {0x600, 0x6FF, "l'alphabet arabe"},        {0x750, 0x77F, "l'alphabet arabe"},
    {0x8A0, 0x8FF, "l'alphabet arabe"},        {0xFB50, 0xFDFF, "l'alphabet arabe"},
    {0xFE70, 0xFEFE, "l'alphabet arabe"},      {0x900, 0xDFF, "une écriture de l'Inde"},
    {0xE00, 0xE7F, "l'écriture thaïe"},        {0x10A0, 0x10FF, "l'alphabet géorgien"},
    {0x1C90, 0x1CBF, "l'alphabet géorgien"},   {0x2D00, 0x2D2F, "l'alphabet géorgien"},
    {0x1100, 0x11FF, "l'alphabet coréen"},     {0x3130, 0x318F, "l'alphabet coréen"},
    {0xAC00, 0xD7AF, "l'alphabet coréen"},     {0x3040, 0x30FF, "l'écriture japonaise"},
    {0x31F0, 0x31FF, "l'écriture japonaise"},  {0x3400, 0x4DBF, "l'écriture chinoise"},
    {0x4E00, 0x9FFF, "l'écriture chinoise"},   {0xF900, 0xFAFF, "l'écriture chinoise"},
    {0x20000, 0x2FFFF, "l'écriture chinoise"}, {0x700, 0x74F, "une autre écriture"},
    {0x780, 0x7BF, "une autre écriture"},      {0xE80, 0xFFF, "une autre écriture"},
    {0x1000, 0x109F, "une autre écriture"},    {0x1200, 0x13FF, "une autre écriture"},
    {0x1780, 0x18AF, "une autre écriture"},
};

// The script of a letter of another script; null for any other character.
const Script* otherScript(char32_t c) {
    for (const Script& script : otherScripts)
        if (c >= script.first && c <= script.last) return &script;
    return nullptr;
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
    static constexpr std::string_view digits = "0123456789";
    if (c >= 'A' && c <= 'Z') return lower.substr(c - 'A', 1);
    // The full-width forms of the Asian keyboards.
    if (c >= 0xFF21 && c <= 0xFF3A) return lower.substr(c - 0xFF21, 1);
    if (c >= 0xFF41 && c <= 0xFF5A) return lower.substr(c - 0xFF41, 1);
    if (c >= 0xFF10 && c <= 0xFF19) return digits.substr(c - 0xFF10, 1);
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
    return {};
}

// The characters of name that count, blanks gathered into single spaces between them, each
// passed to add.
template <typename Add> void words(std::string_view name, Add add) {
    bool pendingSpace = false, started = false;
    for (std::size_t i = 0; i < name.size();) {
        const char32_t c = decode(name, i);
        if (isBlank(c)) {
            pendingSpace = started;
            continue;
        }
        if (isInvisible(c)) continue;
        if (pendingSpace) add(U' ');
        pendingSpace = false;
        started = true;
        add(c);
    }
}

} // namespace

std::string normaliseName(std::string_view name) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < name.size();) {
        const char32_t c = decode(name, i);
        if (isBlank(c) || isWordSeparator(c)) {
            if (!parts.back().empty()) parts.emplace_back();
            continue;
        }
        if (isInvisible(c) || isCombiningAccent(c) || isPunctuation(c)) continue;
        const std::string_view letters = folded(c);
        if (letters.empty())
            encode(parts.back(), c);
        else
            parts.back() += letters;
    }
    if (parts.back().empty()) parts.pop_back();
    std::sort(parts.begin(), parts.end());
    std::string out;
    for (const std::string& word : parts)
        out += (out.empty() ? "" : " ") + word;
    return out;
}

std::string cleanName(std::string_view name) {
    std::string out;
    words(name, [&](char32_t c) { encode(out, c); });
    return out;
}

std::string nameProblem(std::string_view name) {
    if (normaliseName(name).empty())
        return cleanName(name).empty()
                   ? "Le nom est vide" + std::string(nbsp) +
                         ": taper le nom et le prénom de l'élève."
                   : "Le nom ne contient ni lettre ni chiffre" + std::string(nbsp) +
                         ": taper le nom et le prénom de l'élève.";
    bool latin = false;
    const Script* script = nullptr;
    std::string_view letter; // the first letter of the other script
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t at = i;
        const char32_t c = decode(name, i);
        if (isPunctuation(c)) continue;
        latin = latin || isLatinLetter(c);
        if (!script && (script = otherScript(c))) letter = name.substr(at, i - at);
    }
    if (!latin || !script) return {};
    return "Le nom mêle l'alphabet latin et " + std::string(script->name) + " (" + quoted(letter) +
           ")" + std::string(nbsp) +
           ": l'écrire dans un seul alphabet, en le tapant au clavier, car des lettres qui se "
           "ressemblent donneraient une autre valeur.";
}

} // namespace grading
