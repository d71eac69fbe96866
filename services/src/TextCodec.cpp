// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
// An own table, not Qt's or iconv's codec: this library builds for Windows without either; it is 128 entries.
#include "tarvelo/services/TextCodec.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tarvelo::text {

namespace {

// Unicode code points of the bytes 0x80 to 0xFF; 0 marks the unassigned 0x98.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kInvalid = 0xFFFFFFFF;

}  // namespace

char32_t nextCodePoint(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    int length = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3;
        code = lead & 0x07;
    } else {
        return kInvalid;
    }
    if (pos + length > text.size())
        return kInvalid;
    for (int i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if ((byte & 0xC0) != 0x80)
            return kInvalid;
        code = (code << 6) | (byte & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return kInvalid;
    pos += length;
    return code;
}

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string sanitizeUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t code = nextCodePoint(text, pos);
        if (code == kInvalid)
            appendUtf8(out, kReplacementCharacter);
        else
            out.append(text.substr(start, pos - start));
    }
    return out;
}

char16_t cp1251ByteToUtf16(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    const char16_t code = kUpperHalf[byte - 0x80];
    return code != 0 ? code : static_cast<char16_t>(kReplacementCharacter);
}

std::string cp1251ToUtf8(std::string_view cp1251)
{
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (const char byte : cp1251)
        appendUtf8(out, cp1251ByteToUtf16(static_cast<unsigned char>(byte)));
    return out;
}

std::string utf8ToCp1251(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t code = nextCodePoint(utf8, pos);
        if (code < 0x80) {
            out += static_cast<char>(code);
            continue;
        }
        // А to я stand in one run at 0xC0 to 0xFF, and they are most of what is converted; the
        // rest of the upper half (Ё, №, dashes, quotes) is rare enough for a plain search.
        if (code >= 0x0410 && code <= 0x044F) {
            out += static_cast<char>(0xC0 + (code - 0x0410));
            continue;
        }
        const auto found = std::ranges::find(kUpperHalf, code, [](char16_t entry) { return char32_t{entry}; });
        out += found != kUpperHalf.end() ? static_cast<char>(0x80 + (found - kUpperHalf.begin())) : kCp1251Replacement;
    }
    return out;
}

}  // namespace tarvelo::text
