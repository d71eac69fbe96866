// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <string>
#include <string_view>

/// @file
/// Turns the raw bytes of a name in a DXF drawing into UTF-8.

namespace tarvelo::host {

/// Decodes names the way the drawing's header says they are stored: UTF-8
/// from format AC1021 on, the drawing's code page before that (ANSI_1252
/// when it names none). `\U+XXXX` escapes become the characters they stand
/// for in both cases; bytes that cannot be decoded become U+FFFD.
class DxfNameDecoder {
public:
    /// @param acadVersion the header's `$ACADVER`, e.g. "AC1009"; empty when absent.
    /// @param codePage the header's `$DWGCODEPAGE`, e.g. "ANSI_1251"; empty when absent.
    DxfNameDecoder(std::string_view acadVersion, std::string_view codePage);
    ~DxfNameDecoder();
    DxfNameDecoder(const DxfNameDecoder&) = delete;
    DxfNameDecoder& operator=(const DxfNameDecoder&) = delete;

    /// True when names are stored as UTF-8.
    [[nodiscard]] bool isUnicode() const { return m_unicode; }
    /// The character set names are decoded from, as iconv names it ("UTF-8", "CP1251", …).
    [[nodiscard]] const std::string& charset() const { return m_charset; }

    /// The name as UTF-8.
    [[nodiscard]] std::string toUtf8(std::string_view raw) const;

private:
    std::string decodeBytes(std::string_view raw) const;

    bool m_unicode = false;
    std::string m_charset;
    void* m_converter = nullptr;
};

}  // namespace tarvelo::host
