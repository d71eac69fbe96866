// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <string>

namespace GEOTYPE_DEFINITION {
class IGeoBlock;
class IScopePointBlock;
}  // namespace GEOTYPE_DEFINITION
namespace tarvelo::dialogs {
class HostSupportSession;
}

/// @file
/// The rules of the level mark dialog that need no widget: the kind a new
/// mark starts with, the main text of a level value, the scope point layouts
/// of either kind, and what acceptance writes into the block. Texts are
/// code page 1251 bytes.

namespace tarvelo::dialogs {

/// Level mark kinds, the block's symbol variant.
inline constexpr std::uint32_t kLevelMark = 301;
inline constexpr std::uint32_t kPlanLevelMark = 302;

/// The extension-line choice of a plan mark; 0 stands for no choice shown.
inline constexpr std::uint32_t kWithoutExtensionLines = 1;
inline constexpr std::uint32_t kWithExtensionLines = 2;

/// The numeric parameter that tells the consumer whether the mark is attached.
inline constexpr std::uint32_t kLevelAttachParam = 9;

/// Store values: the kind of the last accepted mark, and the decimals of the level field.
inline constexpr const char* kLevelDefaultTypeValue = "LevelDefaultType";
inline constexpr const char* kLevelDecimalsValue = "RoundzLevel";

/// The kind a mark without one starts with: the stored kind when it is 301 or 302, else 301.
std::uint32_t startLevelKind(std::uint32_t storedKind);

/// The block's main text for a level: the value with six decimals and the suffix "*3".
std::string levelMainText(double level);

/// Empties the scope points and adds points 1, 2, 3 at (0,0,0), (10,0,0), (0,10,0).
void setThreePointLayout(GEOTYPE_DEFINITION::IScopePointBlock& scope);
/// Empties the scope points and adds point 1 at the origin.
void setOnePointLayout(GEOTYPE_DEFINITION::IScopePointBlock& scope);

/// A plan mark's points for the extension-line choice shown (0 for none):
/// without lines it keeps a single point and makes one where there is none;
/// with lines it makes the three-point layout unless exactly three are there.
void applyPlanLayout(GEOTYPE_DEFINITION::IScopePointBlock& scope, std::uint32_t shownExtension);

/// The points for what the two lists show (item data, 0 for no selection):
/// the three-point layout for a plain level mark, the plan rules otherwise.
void applyLevelLayout(GEOTYPE_DEFINITION::IScopePointBlock& scope, std::uint32_t shownKind,
                      std::uint32_t shownExtension);

/// Gives the block the symbol type and that type's host defaults, then the
/// attach flag as numeric parameter 9 (1.0 or 0.0). Nothing for a null
/// block or type 0.
void ApplyLevelSymbolType(const HostSupportSession& hostSupport, std::uint32_t symbolType,
                          GEOTYPE_DEFINITION::IGeoBlock* block, bool attached);

/// What acceptance adds after the layer name is in the traits: the note as
/// the sub text; for a new mark also kind 301 when it has none, the kind as
/// its type with that type's host defaults, when it does not have them yet,
/// and the attach flag. The layer already in the traits survives the host
/// defaults, which carry a layer of their own. An existing mark keeps its
/// kind, type, parameters and attachment.
void writeAcceptedLevelMark(const HostSupportSession& hostSupport, GEOTYPE_DEFINITION::IGeoBlock& block,
                            const std::string& note, bool attached);

}  // namespace tarvelo::dialogs
