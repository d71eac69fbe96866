// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "Drawing.h"

namespace GEOTYPE_DEFINITION {
class IGeoBlock;
}

namespace tarvelo::render {

/// Draws the symbol a block describes, by its symbol type: the primitives in
/// drawing units (the block's sizes are sheet millimetres times its scale),
/// with the pens of its traits. A block whose points do not place the symbol
/// yet (a new symbol, points at the origin or too close together for its
/// sizes) is drawn in a nominal layout that shows its look. A null block, or
/// one of a type nothing draws, gives an empty drawing. Needs no running
/// application.
[[nodiscard]] Drawing renderSymbol(GEOTYPE_DEFINITION::IGeoBlock* block);

/// The type code a block is drawn as: its symbol type, except that a level
/// mark whose kind was changed in its dialog is drawn as the kind chosen (the
/// dialog keeps the kind in the variant until it is accepted).
[[nodiscard]] std::uint32_t drawnType(GEOTYPE_DEFINITION::IGeoBlock& block);

/// True when renderSymbol has a drawing for the type code.
[[nodiscard]] bool canRender(std::uint32_t symbolType);

}  // namespace tarvelo::render
