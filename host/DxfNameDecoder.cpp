// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DxfNameDecoder.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <iconv.h>

#include "tarvelo/services/TextCodec.h"

namespace tarvelo::host {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
// Names are stored as UTF-8 from this format number on.
constexpr int kFirstUnicodeFormat = 1021;
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

using text::appendUtf8;
using text::sanitizeUtf8;

// Reads `\U+XXXX` at `pos`; the code unit, or -1 when there is no escape there.
long escapeAt(std::string_view text, std::size_t pos)
{
    if (pos + 7 > text.size() || text[pos] != '\\' || (text[pos + 1] != 'U' && text[pos + 1] != 'u')
        || text[pos + 2] != '+')
        return -1;
    // Unsigned, so that no minus sign is taken for a digit.
    unsigned value = 0;
    const char* const end = text.data() + pos + 7;
    const auto [stop, error] = std::from_chars(text.data() + pos + 3, end, value, 16);
    return error == std::errc() && stop == end ? long(value) : -1;
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

bool allDigits(std::string_view text)
{
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
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
    if (number.size() > 5 || !allDigits(number))
        return {};
    return "CP" + std::string(number);
}

bool converts(const std::string& charset)
{
    const iconv_t converter = iconv_open("UTF-8", charset.c_str());
    if (converter == kNoConverter)
        return false;
    iconv_close(converter);
    return true;
}

// "AC1024" is 1024; only six digits are read, and anything but digits makes it 0.
int formatNumber(std::string_view acadVersion)
{
    const std::string_view digits = acadVersion.starts_with("AC") ? acadVersion.substr(2, 6) : std::string_view();
    int number = 0;
    if (allDigits(digits))
        std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return number;
}

}  // namespace

DxfNameDecoder::DxfNameDecoder(std::string_view acadVersion, std::string_view codePage, bool utf8Marked,
                               std::string_view overrideCharset)
{
    if (!overrideCharset.empty()) {
        m_origin = Origin::Override;
        m_charset = overrideCharset;
    } else if (formatNumber(acadVersion) >= kFirstUnicodeFormat) {
        m_origin = Origin::UnicodeFormat;
        m_charset = "UTF-8";
    } else if (utf8Marked) {
        // A program that marks its file as UTF-8 wrote its names so, whatever the header says.
        m_origin = Origin::ByteOrderMark;
        m_charset = "UTF-8";
    } else {
        m_origin = Origin::Header;
        m_charset = iconvName(codePage);
    }
    if (m_charset == "UTF-8") {
        m_unicode = true;
        return;
    }
    iconv_t converter = m_charset.empty() ? kNoConverter : iconv_open("UTF-8", m_charset.c_str());
    if (converter == kNoConverter) {
        // An unknown code page is read as the default one rather than refused.
        m_origin = Origin::Default;
        m_charset = "CP1252";
        converter = iconv_open("UTF-8", m_charset.c_str());
    }
    if (converter != kNoConverter)
        m_converter = converter;
}

std::string DxfNameDecoder::charsetNamed(std::string_view name)
{
    std::string upper;
    for (char c : name) {
        if (c != ' ')
            upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (upper == "UTF-8" || upper == "UTF8")
        return "UTF-8";
    std::string charset;
    if (allDigits(upper))
        charset = "CP" + upper;
    else if (upper.rfind("CP", 0) == 0 && allDigits(std::string_view(upper).substr(2)))
        charset = upper;
    else if (upper.rfind("WINDOWS-", 0) == 0 && allDigits(std::string_view(upper).substr(8)))
        charset = "CP" + upper.substr(8);
    else
        charset = iconvName(upper);
    return charset.size() <= 7 && !charset.empty() && converts(charset) ? charset : std::string();
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
