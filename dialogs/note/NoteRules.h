// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace GEOTYPE_DEFINITION {
class IGeoBlock;
class IScopePointBlock;
}  // namespace GEOTYPE_DEFINITION

/// @file
/// The rules of the leader note dialog that need no widget: the starting
/// shape of each leader type, which controls a type shows, how the records of
/// a multilayer leader travel between the block and the list, and how the
/// remembered angle step is stored. Texts are code page 1251 bytes.

namespace tarvelo::dialogs {

/// Leader types. The dialog offers the first three; 404 to 407 it only accepts from an existing block.
inline constexpr std::uint32_t kPositionLeader = 401;
inline constexpr std::uint32_t kCombLeader = 402;
inline constexpr std::uint32_t kMultilayerLeader = 403;

/// Where one scope point of a leader's starting shape lies, in the order of their keys 1, 2, 3, ...
struct NotePoint {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const NotePoint&) const = default;
};

/// The starting shape of a leader type: a position leader has a bend and a
/// shelf, one more point (doubling the bend) when it has several ends; comb
/// leaders always have that extra point; a type the dialog does not know has none.
std::vector<NotePoint> noteScopeLayout(std::uint32_t symbolType, bool multiPoint);

/// Empties the scope points and files the type's starting shape: point k
/// under tag k and key k, scope key 2, z 0, every other field 0.
void rebuildNoteScopePoints(GEOTYPE_DEFINITION::IScopePointBlock& scopePoints, std::uint32_t symbolType,
                            bool multiPoint);

/// How the controls that depend on the leader type are set.
struct NoteControlsLayout {
    bool endingEnabled = true;
    bool endingToFirst = false;  ///< select the first ending (without writing the block)
    bool textsShown = true;      ///< both texts and the shelf between them
    bool angleGroupShown = true; ///< angle caption, angle list and "Многоточечная"
    bool angleEnabled = true;
    bool angleToFirst = false;   ///< select "Произвольный" (without writing the block)
    bool multiPointEnabled = true;
    bool multiPointTicked = false;
    bool recordsShown = false;   ///< the record list and its two buttons
    /// Whether the leader has several ends: what SetNoteType builds.
    bool multiPoint = false;
    bool operator==(const NoteControlsLayout&) const = default;
};

/// The layout of a leader type, or nothing for a type outside 401 to 407.
/// An existing position or comb leader keeps its angle step and number of
/// ends: its angle list and "Многоточечная" are disabled and the box is
/// unticked, while `multiPoint` stays that of the type.
std::optional<NoteControlsLayout> noteControlsLayout(std::uint32_t symbolType, bool existing);

/// The texts of the block's items in ascending order of their keys.
std::vector<std::string> readNoteRecords(GEOTYPE_DEFINITION::IGeoBlock& block);

/// Replaces the block's items by one text item per record, keys 1, 2, 3, ...
/// in record order, each with the value map {0: 0} and style 0. No records:
/// the items stay as they are.
void writeNoteRecords(GEOTYPE_DEFINITION::IGeoBlock& block, const std::vector<std::string>& records);

/// The angle step as remembered in the store: truncated toward zero, wrapped
/// into 32 bits as a negative count would be; 0 for a value that is not a
/// number or does not fit.
std::uint32_t storedAngleStep(double angle);

}  // namespace tarvelo::dialogs
