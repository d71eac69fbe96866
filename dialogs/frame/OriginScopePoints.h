// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

namespace GEOTYPE_DEFINITION {
class IGeoBlock;
}

namespace tarvelo::dialogs {

/// Replaces the block's scope points by two placeholders at the origin
/// (keys 1 and 2, point tags 1 and 2, scope key 2), which the host moves to
/// where the user places the symbol. A block without scope points is left alone.
void setOriginScopePointPair(GEOTYPE_DEFINITION::IGeoBlock& block);

}  // namespace tarvelo::dialogs
