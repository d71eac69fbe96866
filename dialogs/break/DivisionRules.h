// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <optional>

namespace GEOTYPE_DEFINITION {
class IScopePointBlock;
}

/// @file
/// The rules of the break dialog that need no widget: the break types, the
/// remembered type, the decimals of the size fields and how height and width
/// travel between the fields and the break's three scope points. Point 1 is
/// the start; the distance from point 1 to point 2 is the height, and the
/// distance of point 3 from the line through points 1 and 2 the width. A new
/// break puts point 3 beside point 1, a resized one beside point 2: either
/// way it lies that far off the line.

namespace tarvelo::dialogs::division {

inline constexpr std::uint32_t kStraightCutOff = 201;
inline constexpr std::uint32_t kStraightGap = 202;
inline constexpr std::uint32_t kCurvedCutOff = 203;
inline constexpr std::uint32_t kCurvedGap = 204;

/// Scope keys of the points of a new break: its size is fixed in the dialog
/// or is chosen in the drawing.
inline constexpr std::uint32_t kFixedSizeScopeKey = 1;
inline constexpr std::uint32_t kDrawnSizeScopeKey = 2;

/// The break type of a stored "DivType": 200 to 204 as stored (200 has no
/// button but is kept), anything else the straight cut-off.
std::uint32_t typeFromStored(std::uint32_t stored);

/// Decimals of the size fields from a stored "Roundz": 4 when it is 0 or absent.
std::uint32_t sizeDecimals(std::uint32_t stored);

struct PlanePoint {
    double x = 0.0;
    double y = 0.0;
};

/// The direction from `from` to `to`, counter-clockwise from the positive X
/// axis, in radians from 0 up to 2π; exactly π/2 or 3π/2 along the Y axis and
/// 0 for a zero vector.
double direction(PlanePoint from, PlanePoint to);

struct BreakSizes {
    double height = 0.0;
    double width = 0.0;
};

/// Height and width of a break as its scope points 1, 2 and 3 lie in the
/// plane; nothing when one of the three is missing. Along a height of 0 the
/// line runs along X, as `direction` has it.
std::optional<BreakSizes> measureBreak(GEOTYPE_DEFINITION::IScopePointBlock& scope);

/// Replaces the scope points by those of a new break under `scopeKey`:
/// (0, 0, 0), (0, height, 0) and (width, 0, 0).
void layOutNewBreak(GEOTYPE_DEFINITION::IScopePointBlock& scope, double height, double width,
                    std::uint32_t scopeKey);

/// Moves points 2 and 3 of an existing break to the given sizes: point 2 at
/// `height` from point 1 in its present direction, point 3 at `width` from
/// point 2 a quarter turn counter-clockwise from that direction. Only X and
/// Y change. False, and nothing moved, when one of the three is missing.
bool resizeBreak(GEOTYPE_DEFINITION::IScopePointBlock& scope, double height, double width);

}  // namespace tarvelo::dialogs::division
