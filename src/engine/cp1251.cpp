#include "engine/cp1251.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zhcalc {
namespace {

// Code points of Windows-1251 bytes 0x80-0xBF; 0 marks 0x98, which has none.
// 0xC0-0xFF are U+0410-U+044F in order.
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};
constexpr char32_t kCyrillicA = 0x0410;
constexpr char32_t kCyrillicYa = 0x044F;
constexpr char kUnmappable = '?';

char32_t toCodePoint(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte >= 0xC0) return kCyrillicA + (byte - 0xC0);
    return kUpperHalf[byte - 0x80];
}

char fromCodePoint(char32_t cp) {
    if (cp < 0x80) return static_cast<char>(cp);
    if (cp >= kCyrillicA && cp <= kCyrillicYa) return static_cast<char>(0xC0 + (cp - kCyrillicA));
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
        if (kUpperHalf[i] != 0 && kUpperHalf[i] == cp) return static_cast<char>(0x80 + i);
    return kUnmappable;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes one UTF-8 sequence at `i` and moves past it. A malformed sequence yields
// nothing and moves past its longest valid-looking start (at least one byte).
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    int length;
    char32_t cp;
    // The allowed range of the second byte rules out overlong forms, surrogates and
    // code points above U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return std::nullopt;
    }
    for (int k = 1; k < length; ++k) {
        if (i >= text.size()) return std::nullopt;
        const auto byte = static_cast<unsigned char>(text[i]);
        if (k == 1 ? (byte < low || byte > high) : !isContinuation(byte)) return std::nullopt;
        cp = (cp << 6) | (byte & 0x3F);
        ++i;
    }
    return cp;
}

}  // namespace

std::string cp1251ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (const char c : cp1251) {
        const char32_t cp = toCodePoint(static_cast<unsigned char>(c));
        if (cp == 0 && c != '\0')
            out.push_back(kUnmappable);
        else
            appendUtf8(out, cp);
    }
    return out;
}

std::string utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto cp = decodeUtf8(utf8, i);
        out.push_back(cp ? fromCodePoint(*cp) : kUnmappable);
    }
    return out;
}

}  // namespace zhcalc
