// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

namespace tarvelo::dialogs {
class HostSupportSession;
}

namespace GEOTYPE_DEFINITION {
class IGeoBlock;
}

namespace tarvelo::dialogs {

/// Loads the host-support library's defaults of a block's symbol type into
/// the block: its numeric parameters and its traits, nothing else. Nothing
/// happens for a null block or a block of type 0; the block keeps its
/// values when the library or its export is missing.
void loadHostDefaults(const HostSupportSession& hostSupport, GEOTYPE_DEFINITION::IGeoBlock* block);

/// Gives the block the symbol type (when it differs) and loads that type's
/// defaults. Nothing for a null block or type 0.
void ApplySymbolType(const HostSupportSession& hostSupport, std::uint32_t symbolType,
                     GEOTYPE_DEFINITION::IGeoBlock* block);

/// The same for a type the user chose in an open dialog: the type's
/// parameters and graphic traits, but the block keeps its layer, which is
/// the user's choice or an existing symbol's own.
void ApplyChosenSymbolType(const HostSupportSession& hostSupport, std::uint32_t symbolType,
                           GEOTYPE_DEFINITION::IGeoBlock* block);

}  // namespace tarvelo::dialogs
