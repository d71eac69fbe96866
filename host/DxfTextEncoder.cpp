// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DxfTextEncoder.h"

#include <cstdio>
#include <iconv.h>

#include "tarvelo/services/TextCodec.h"

namespace tarvelo::host {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

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
    // Sanitized text holds no malformed sequence for nextCodePoint to refuse.
    for (std::size_t pos = 0; pos < clean.size();) {
        const std::size_t begin = pos;
        const char32_t code = text::nextCodePoint(clean, pos);
        const std::string_view sequence(clean.data() + begin, pos - begin);
        if (code < 0x80) {
            out += code < 0x20 || code == 0x7F ? ' ' : static_cast<char>(code);
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
        appendEscape(out, code);
    }
    return out;
}

}  // namespace tarvelo::host
