// SPDX-License-Identifier: GPL-3.0-or-later
#include "codepage.h"

#include "numbers/windows1252.h"

#include <QStringDecoder>

#include <map>

namespace rtf {
namespace {

QString decode1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) // every character of the page lies in the first plane
        out += QChar(char16_t(numbers::fromWindows1252(static_cast<unsigned char>(ch))));
    return out;
}

// The Symbol font: Greek letters on the Latin keys and the usual mathematical signs.
char16_t symbolChar(unsigned char b) {
    static constexpr char16_t greekLower[26] = {
        0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9,
        0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1,
        0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};
    static constexpr char16_t greekUpper[26] = {
        0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399,
        0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1,
        0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
    if (b >= 'a' && b <= 'z') return greekLower[b - 'a'];
    if (b >= 'A' && b <= 'Z') return greekUpper[b - 'A'];
    switch (b) {
    case 0x22:
        return 0x2200;
    case 0x24:
        return 0x2203;
    case 0x27:
        return 0x220B;
    case 0x2A:
        return 0x2217;
    case 0x2D:
        return 0x2212;
    case 0x40:
        return 0x2245;
    case 0x5E:
        return 0x22A5;
    case 0xA3:
        return 0x2264;
    case 0xA5:
        return 0x221E;
    case 0xAB:
        return 0x2194;
    case 0xAC:
        return 0x2190;
    case 0xAD:
        return 0x2191;
    case 0xAE:
        return 0x2192;
    case 0xAF:
        return 0x2193;
    case 0xB0:
        return 0x00B0;
    case 0xB1:
        return 0x00B1;
    case 0xB3:
        return 0x2265;
    case 0xB4:
        return 0x00D7;
    case 0xB5:
        return 0x221D;
    case 0xB6:
        return 0x2202;
    case 0xB7:
        return 0x2022;
    case 0xB8:
        return 0x00F7;
    case 0xB9:
        return 0x2260;
    case 0xBA:
        return 0x2261;
    case 0xBB:
        return 0x2248;
    case 0xBC:
        return 0x2026;
    case 0xD6:
        return 0x221A;
    case 0xDB:
        return 0x21D4;
    case 0xDE:
        return 0x21D2;
    case 0xE5:
        return 0x2211;
    case 0xF2:
        return 0x222B;
    default:
        return b;
    }
}

// The few Wingdings signs that exercise texts use.
char16_t wingdingsChar(unsigned char b) {
    switch (b) {
    case 0x36:
        return 0x231B; // hourglass
    case 0x6C:
        return 0x25CF;
    case 0x6E:
        return 0x25A0;
    case 0x71:
        return 0x2751;
    case 0x9F:
        return 0x2022;
    case 0xA7:
        return 0x25AA;
    case 0xD8:
        return 0x27A2;
    case 0xE0:
        return 0x2192;
    case 0xFB:
        return 0x2717;
    case 0xFC:
        return 0x2713;
    default:
        return b;
    }
}

const char* codecName(int codePage) {
    switch (codePage) {
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 852:
        return "IBM852";
    case 866:
        return "IBM866";
    case 874:
        return "windows-874";
    case 932:
        return "windows-31j";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 1250:
        return "windows-1250";
    case 1251:
        return "windows-1251";
    case 1253:
        return "windows-1253";
    case 1254:
        return "windows-1254";
    case 1255:
        return "windows-1255";
    case 1256:
        return "windows-1256";
    case 1257:
        return "windows-1257";
    case 1258:
        return "windows-1258";
    case 10000:
        return "macintosh";
    default:
        return nullptr;
    }
}

} // namespace

int codePageOfCharset(int charset) {
    switch (charset) {
    case 0:
        return 1252;
    case 2:
        return symbolCodePage;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

bool isLeadByte(int codePage, unsigned char b) {
    switch (codePage) {
    case 932:
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    case 936:
    case 949:
    case 950:
        return b >= 0x81 && b <= 0xFE;
    default:
        return false;
    }
}

QString decode(const QByteArray& bytes, int codePage) {
    if (codePage == symbolCodePage || codePage == wingdingsCodePage) {
        QString out;
        for (char ch : bytes) {
            auto b = static_cast<unsigned char>(ch);
            out += QChar(codePage == symbolCodePage ? symbolChar(b) : wingdingsChar(b));
        }
        return out;
    }
    if (const char* name = codecName(codePage)) {
        // One decoder per code page, kept: making one looks the page up among all those the
        // system knows. Each text is decoded on its own, as by a new decoder.
        thread_local std::map<int, QStringDecoder> decoders;
        auto it = decoders.find(codePage);
        if (it == decoders.end()) it = decoders.emplace(codePage, QStringDecoder(name)).first;
        QStringDecoder& decoder = it->second;
        if (decoder.isValid()) {
            decoder.resetState();
            return decoder.decode(bytes);
        }
    }
    return decode1252(bytes);
}

char16_t symbolFromPrivateUse(int codePage, char16_t c) {
    if (c < 0xF020 || c > 0xF0FF) return c;
    if (codePage == symbolCodePage) return symbolChar(static_cast<unsigned char>(c - 0xF000));
    if (codePage == wingdingsCodePage) {
        auto b = static_cast<unsigned char>(c - 0xF000);
        char16_t mapped = wingdingsChar(b);
        return mapped == b ? c : mapped;
    }
    return c;
}

} // namespace rtf
