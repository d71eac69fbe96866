// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

/// @file
/// Numbers in the dialogs' text fields. Every function here reads and prints
/// with a dot as the decimal separator, whatever the user's locale says, so
/// that fields, the store and the blocks agree.

namespace tarvelo::controls {

/// The number at the start of `text`, read the way the C library's atof
/// reads it in the "C" locale: leading white space is skipped, the longest
/// decimal number is taken and the rest ignored; 0.0 when no number starts
/// the text. A value too large for a double is ±infinity, one too small 0.
double parseLeadingNumber(std::string_view text);

/// More decimals than this are printed as this many; only a corrupt store
/// value asks for more, and it must not produce an unprintable format.
inline constexpr std::uint32_t kMostDecimals = 30;

/// `value` printed as "%.<decimals>f" prints it: fixed-point, ordinary
/// rounding, trailing zeros kept ("12.50" for 12.5 and 2).
std::string formatWithDecimals(std::uint32_t decimals, double value);

/// What a numeric field's text holds, as the numeric edit reports it.
enum NumberCheck : int {
    kNumberInRange = 0,
    kNumberOutOfRange = 1,
    kNotANumber = 2,
};

/// Checks a field's text the way scanning it with "%f%s" does: one
/// single-precision decimal number, optionally surrounded by white space and
/// nothing else. A number that does not fit a float, or lies outside
/// [minimum, maximum], is out of range; one too small for a float is 0.
NumberCheck checkNumberText(std::string_view text, float minimum, float maximum);

}  // namespace tarvelo::controls
