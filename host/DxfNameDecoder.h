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
    /// Why names are decoded from the character set they are.
    enum class Origin {
        UnicodeFormat,  ///< The format stores names as UTF-8.
        ByteOrderMark,  ///< The file begins with the UTF-8 byte order mark.
        Header,         ///< The header's code page.
        Default,        ///< The header names no code page, or one that is not known.
        Override,       ///< The user named the character set.
    };

    /// @param acadVersion the header's `$ACADVER`, e.g. "AC1009"; empty when absent.
    /// @param codePage the header's `$DWGCODEPAGE`, e.g. "ANSI_1251"; empty when absent.
    /// @param utf8Marked the file begins with the UTF-8 byte order mark.
    /// @param overrideCharset a character set from charsetNamed() that wins over the drawing; empty for none.
    DxfNameDecoder(std::string_view acadVersion, std::string_view codePage, bool utf8Marked = false,
                   std::string_view overrideCharset = {});
    ~DxfNameDecoder();
    DxfNameDecoder(const DxfNameDecoder&) = delete;
    DxfNameDecoder& operator=(const DxfNameDecoder&) = delete;

    /// True when names are stored as UTF-8.
    [[nodiscard]] bool isUnicode() const { return m_unicode; }
    /// The character set names are decoded from, as iconv names it ("UTF-8", "CP1251", …).
    [[nodiscard]] const std::string& charset() const { return m_charset; }
    [[nodiscard]] Origin origin() const { return m_origin; }

    /// The character set of a code page as a user names it ("1251", "cp866",
    /// "ANSI_1251", "DOS866", "windows-1251", "UTF-8"), as iconv names it;
    /// empty when there is no such code page.
    [[nodiscard]] static std::string charsetNamed(std::string_view name);

    /// The name as UTF-8.
    [[nodiscard]] std::string toUtf8(std::string_view raw) const;

private:
    std::string decodeBytes(std::string_view raw) const;

    bool m_unicode = false;
    std::string m_charset;
    Origin m_origin = Origin::Default;
    void* m_converter = nullptr;
};

}  // namespace tarvelo::host
