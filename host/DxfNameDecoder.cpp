// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DxfNameDecoder.h"

#include <cctype>
#include <cerrno>
#include <iconv.h>

namespace tarvelo::host {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
// Names are stored as UTF-8 from this format number on.
constexpr int kFirstUnicodeFormat = 1021;
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

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

// The length of the well-formed UTF-8 sequence at `pos`, 0 when malformed.
std::size_t utf8SequenceLength(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if ((byte & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

std::string sanitizeUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = utf8SequenceLength(text, pos);
        if (length == 0) {
            appendUtf8(out, kReplacement);
            ++pos;
        } else {
            out.append(text.substr(pos, length));
            pos += length;
        }
    }
    return out;
}

// Reads `\U+XXXX` at `pos`; the code unit, or -1 when there is no escape there.
long escapeAt(std::string_view text, std::size_t pos)
{
    if (pos + 7 > text.size() || text[pos] != '\\' || (text[pos + 1] != 'U' && text[pos + 1] != 'u')
        || text[pos + 2] != '+')
        return -1;
    long value = 0;
    for (std::size_t i = pos + 3; i < pos + 7; ++i) {
        const char c = text[i];
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return -1;
        value = value * 16 + (c <= '9' ? c - '0' : (std::tolower(static_cast<unsigned char>(c)) - 'a' + 10));
    }
    return value;
}

std::string expandEscapes(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const long unit = escapeAt(text, pos);
        if (unit < 0) {
            out += text[pos++];
            continue;
        }
        pos += 7;
        char32_t code = static_cast<char32_t>(unit);
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            // Characters beyond the basic plane come as a pair of escaped surrogates.
            const long low = escapeAt(text, pos);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                code = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (static_cast<char32_t>(low) - 0xDC00);
                pos += 7;
            } else {
                code = kReplacement;
            }
        } else if ((unit >= 0xDC00 && unit <= 0xDFFF) || unit == 0) {
            code = kReplacement;
        }
        appendUtf8(out, code);
    }
    return out;
}

// "ANSI_1251" becomes "CP1251", "DOS866" becomes "CP866"; empty when not a code page name.
std::string iconvName(std::string_view codePage)
{
    std::string upper;
    for (char c : codePage)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string_view number;
    if (upper.rfind("ANSI_", 0) == 0)
        number = std::string_view(upper).substr(5);
    else if (upper.rfind("DOS", 0) == 0)
        number = std::string_view(upper).substr(3);
    if (number.empty() || number.size() > 5)
        return {};
    for (char c : number) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return {};
    }
    return "CP" + std::string(number);
}

int formatNumber(std::string_view acadVersion)
{
    if (acadVersion.size() < 3 || acadVersion.substr(0, 2) != "AC")
        return 0;
    int number = 0;
    for (char c : acadVersion.substr(2, 6)) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return 0;
        number = number * 10 + (c - '0');
    }
    return number;
}

}  // namespace

DxfNameDecoder::DxfNameDecoder(std::string_view acadVersion, std::string_view codePage)
{
    if (formatNumber(acadVersion) >= kFirstUnicodeFormat) {
        m_unicode = true;
        m_charset = "UTF-8";
        return;
    }
    m_charset = iconvName(codePage);
    iconv_t converter = m_charset.empty() ? kNoConverter : iconv_open("UTF-8", m_charset.c_str());
    if (converter == kNoConverter) {
        // An unknown code page is read as the default one rather than refused.
        m_charset = "CP1252";
        converter = iconv_open("UTF-8", m_charset.c_str());
    }
    if (converter != kNoConverter)
        m_converter = converter;
}

DxfNameDecoder::~DxfNameDecoder()
{
    if (m_converter != nullptr)
        iconv_close(static_cast<iconv_t>(m_converter));
}

std::string DxfNameDecoder::decodeBytes(std::string_view raw) const
{
    if (m_unicode || m_converter == nullptr)
        return sanitizeUtf8(raw);
    auto converter = static_cast<iconv_t>(m_converter);
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    char chunk[256];
    auto* in = const_cast<char*>(raw.data());
    std::size_t inLeft = raw.size();
    while (inLeft > 0) {
        char* outPos = chunk;
        std::size_t outLeft = sizeof chunk;
        const std::size_t converted = iconv(converter, &in, &inLeft, &outPos, &outLeft);
        out.append(chunk, static_cast<std::size_t>(outPos - chunk));
        if (converted != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        // A byte the code page does not define, or a multibyte character cut short.
        appendUtf8(out, kReplacement);
        ++in;
        --inLeft;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

std::string DxfNameDecoder::toUtf8(std::string_view raw) const
{
    return expandEscapes(decodeBytes(raw));
}

}  // namespace tarvelo::host
