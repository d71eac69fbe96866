// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <optional>
#include <string>
#include <string_view>

/// @file
/// How a symbol's scale factor is written and chosen. A factor is the ratio
/// of the drawn size to the nominal size: 100 is "100 : 1", 0.01 is
/// "1 : 100". All texts are ASCII.

namespace tarvelo::controls {

/// True for a factor that may reach a block or the stored default: a
/// positive finite number.
bool isUsableScale(double factor);

/// The scale button's caption: "%.0f : 1" or "%.1f : 1" for a factor of 1
/// or more, "1 : %.0f" or "1 : %.1f" of the reciprocal below 1; the short
/// form only when the value is exactly whole (0.3 gives "1 : 3.3"). Empty
/// for a factor of 0 or less, or not a number.
std::string scaleCaption(double factor);

/// The scale dialog's current-scale label: " %.1f : 1 " for a factor of 1
/// or more, " 1: %.1f " of the reciprocal below 1 (no blank before the
/// colon). Empty when the factor is not a number.
std::string currentScaleText(double factor);

/// The factor chosen as numerator : denominator, each term read as a
/// leading number (a decimal comma counts as the point); nothing when the
/// ratio is not a usable scale (an empty or zero denominator, a term that is
/// no number).
std::optional<double> scaleFromTerms(std::string_view numerator, std::string_view denominator);

/// Why two terms give no usable scale.
enum class RatioProblem {
    None,
    Numerator,    ///< the numerator is not a number above 0
    Denominator,  ///< the denominator is not a number above 0
    OutOfRange,   ///< both are, but their ratio is too large or too small for a factor
};

RatioProblem ratioProblem(std::string_view numerator, std::string_view denominator);

/// The stored default ("SymScl") of a factor: printed with "%f".
std::string scaleDefaultText(double factor);

}  // namespace tarvelo::controls
