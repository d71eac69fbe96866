// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <string>
#include <string_view>

/// @file
/// The one place where 8-bit text in code page 1251 (blocks, store, log)
/// meets Unicode. Nothing else converts.

namespace tarvelo::text {

/// Stands in, visibly, for a character that code page 1251 cannot hold.
inline constexpr char kCp1251Replacement = '?';

/// Code page 1251 bytes to UTF-8. The one unassigned byte (0x98) becomes U+FFFD.
std::string cp1251ToUtf8(std::string_view cp1251);

/// The UTF-16 unit of one code page 1251 byte (every character of the code
/// page lies in the basic plane); U+FFFD for the unassigned byte.
char16_t cp1251ByteToUtf16(unsigned char byte);

/// UTF-8 to code page 1251. Characters the code page lacks, and malformed
/// UTF-8 sequences, become kCp1251Replacement, one per character.
std::string utf8ToCp1251(std::string_view utf8);

/// Appends one Unicode code point as UTF-8.
void appendUtf8(std::string& out, char32_t code);

/// Decodes the UTF-8 sequence at @p pos and moves past it; 0xFFFFFFFF for a
/// malformed, overlong or truncated one (then only its first byte is taken).
char32_t nextCodePoint(std::string_view text, std::size_t& pos);

/// Keeps well-formed UTF-8 and puts U+FFFD in place of every malformed byte.
std::string sanitizeUtf8(std::string_view text);

}  // namespace tarvelo::text
