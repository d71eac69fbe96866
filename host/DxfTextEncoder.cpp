// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DxfTextEncoder.h"

#include <algorithm>
#include <cstdio>
#include <iconv.h>

#include "tarvelo/services/TextCodec.h"

namespace tarvelo::host {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// The length of the UTF-8 sequence that begins with `lead`; 1 for a stray byte.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

char32_t codePointOf(std::string_view sequence)
{
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(sequence[i])); };
    switch (sequence.size()) {
    case 2:
        return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
    case 3:
        return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    case 4:
        return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 | (byte(3) & 0x3F);
    default:
        return byte(0);
    }
}

void appendEscape(std::string& out, char32_t code)
{
    char escape[16];
    if (code > 0xFFFF) {
        // Beyond the basic plane a character is escaped as its two surrogates.
        const char32_t offset = code - 0x10000;
        appendEscape(out, 0xD800 + (offset >> 10));
        appendEscape(out, 0xDC00 + (offset & 0x3FF));
        return;
    }
    std::snprintf(escape, sizeof escape, "\\U+%04X", static_cast<unsigned>(code));
    out += escape;
}

}  // namespace

DxfTextEncoder::DxfTextEncoder(std::string charset, bool unicode) : m_unicode(unicode)
{
    if (!unicode && !charset.empty()) {
        const iconv_t converter = iconv_open(charset.c_str(), "UTF-8");
        if (converter != kNoConverter)
            m_converter = converter;
    }
}

DxfTextEncoder::~DxfTextEncoder()
{
    if (m_converter != nullptr)
        iconv_close(static_cast<iconv_t>(m_converter));
}

std::string DxfTextEncoder::encode(std::string_view utf8) const
{
    const std::string clean = text::sanitizeUtf8(utf8);
    std::string out;
    out.reserve(clean.size());
    for (std::size_t pos = 0; pos < clean.size();) {
        const std::size_t length = std::min(sequenceLength(static_cast<unsigned char>(clean[pos])), clean.size() - pos);
        const std::string_view sequence(clean.data() + pos, length);
        pos += length;
        if (length == 1) {
            const unsigned char c = static_cast<unsigned char>(sequence[0]);
            out += c < 0x20 || c == 0x7F ? ' ' : static_cast<char>(c);
            continue;
        }
        if (m_unicode) {
            out += sequence;
            continue;
        }
        if (m_converter != nullptr) {
            char converted[8];
            char* in = const_cast<char*>(sequence.data());
            std::size_t inLeft = sequence.size();
            char* target = converted;
            std::size_t outLeft = sizeof converted;
            iconv(static_cast<iconv_t>(m_converter), nullptr, nullptr, nullptr, nullptr);
            if (iconv(static_cast<iconv_t>(m_converter), &in, &inLeft, &target, &outLeft) != static_cast<std::size_t>(-1) &&
                inLeft == 0) {
                out.append(converted, static_cast<std::size_t>(target - converted));
                continue;
            }
        }
        appendEscape(out, codePointOf(sequence));
    }
    return out;
}

}  // namespace tarvelo::host
