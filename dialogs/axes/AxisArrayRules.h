// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QString>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "AxisArrayTemplate.h"

namespace GEOTYPE_DEFINITION {
class IGeoBlock;
}
namespace tarvelo::dialogs {
class HostSupportSession;
}

/// @file
/// What the axis array dialog keeps in a block, apart from its widgets: the
/// axes as named items with a point holding their step, the insertion point,
/// the placement codes, and the host-support library's default axes.

namespace tarvelo::dialogs::axes {

inline constexpr std::uint32_t kOrthogonalArray = 801;
inline constexpr std::uint32_t kPolarArray = 802;

/// Item kinds of lettered and numbered axes.
inline constexpr std::uint32_t kLetterAxisKind = 7;
inline constexpr std::uint32_t kNumberAxisKind = 4;
/// The key of an axis item's value map that names the point with its step.
inline constexpr std::uint32_t kAxisPointKey = 1;

/// Block parameters written after acceptance.
inline constexpr std::uint32_t kLetterPlacementParam = 11;
inline constexpr std::uint32_t kNumberPlacementParam = 12;
inline constexpr std::uint32_t kDimensionChainParam = 13;
inline constexpr std::uint32_t kOverallDimensionParam = 14;
inline constexpr std::uint32_t kAsPrimitivesParam = 15;

/// The scope point of the insertion point and its two scope keys.
inline constexpr std::uint32_t kInsertionScopePoint = 1;
inline constexpr std::uint32_t kInsertionGiven = 1;
inline constexpr std::uint32_t kInsertionNotGiven = 2;

enum class AxisFamily { Letters, Numbers };

/// One axis as a table row shows it: its name (code page 1251) and its step.
struct AxisRow {
    std::string name;
    double step = 0.0;
    bool operator==(const AxisRow&) const = default;
};

struct AxisRows {
    std::vector<AxisRow> letters;
    std::vector<AxisRow> numbers;
    bool operator==(const AxisRows&) const = default;
};

/// The block's axes in ascending key order: a lettered axis's step is the Y
/// of its point, a numbered axis's the X; a missing point counts as the
/// origin. Items of other kinds are not axes.
AxisRows readAxes(GEOTYPE_DEFINITION::IGeoBlock& block);

/// Replaces the block's points and items by the rows: lettered axes become
/// items 1 to L of kind 7 with points (0, step, 0), numbered axes items
/// L + 1 onwards of kind 4 with points (step, 0, 0). Nothing changes when
/// both lists are empty.
void writeAxes(GEOTYPE_DEFINITION::IGeoBlock& block, const AxisRows& rows);

/// Parameters 11 to 15: where the marks of either family go, the dimension
/// chain and overall dimension (1.0 or 0.0) and "В виде примитивов" (1.0 or 0.0).
struct AxisOptions {
    std::uint32_t letterPlacement = 0;
    std::uint32_t numberPlacement = 0;
    double dimensionChain = 0.0;
    double overallDimension = 0.0;
    double asPrimitives = 1.0;
};

/// The insertion point as the block holds it.
struct InsertionPoint {
    enum class State {
        Unknown,   ///< the block has no scope points at all
        NotGiven,  ///< scope point 1 is missing or not marked as given
        Given,
    };
    State state = State::Unknown;
    double x = 0.0;
    double y = 0.0;
};

InsertionPoint readInsertionPoint(GEOTYPE_DEFINITION::IGeoBlock& block);

/// Scope point 1: at (x, y, 0) marked as given, or at the origin marked as not given.
void writeInsertionPoint(GEOTYPE_DEFINITION::IGeoBlock& block, bool given, double x = 0.0, double y = 0.0);

/// A placement parameter as the unsigned code it stores, wrapping like a
/// 32-bit conversion; NaN and magnitudes beyond 64 bits give 0.
std::uint32_t placementFromParam(double value);

/// Whether a placement code is one a list of that family may show.
bool placementInRange(AxisFamily family, std::uint32_t placement);

/// The entries of a family's "Расположение" list for an array type (polar for 802, orthogonal otherwise).
std::span<const controls::Choice> placementChoices(AxisFamily family, std::uint32_t arrayType);

/// The name of the axis added to a table of `rowCount` rows: "А1", "А2", … or "1", "2", …
QString newAxisName(AxisFamily family, int rowCount);

/// Empties the block's items and points and fills them with the host-support
/// library's default axes of `arrayType` (none when the library or its export
/// is missing); gives the block that type and an insertion point not given.
void loadDefaultAxes(const HostSupportSession& hostSupport, GEOTYPE_DEFINITION::IGeoBlock& block,
                     std::uint32_t arrayType);

/// Hands the block to the host-support library as the new default axes of its type.
void saveDefaultAxes(const HostSupportSession& hostSupport, GEOTYPE_DEFINITION::IGeoBlock& block);

}  // namespace tarvelo::dialogs::axes
