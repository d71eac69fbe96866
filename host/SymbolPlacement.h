// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QPointF>
#include <vector>

#include "Drawing.h"

namespace GEOTYPE_DEFINITION {
class IGeoBlock;
}

/// @file
/// Where the host puts the symbols it shows and exports.

namespace tarvelo::host {

/// True when the block's points do not place the symbol yet: its first
/// point, the one it is drawn about, lies at the origin (or it has none), as
/// a new symbol's does.
[[nodiscard]] bool isUnplaced(GEOTYPE_DEFINITION::IGeoBlock& block);

/// The symbols drawn where they go. A symbol goes where its points say; the
/// ones that are not placed yet go to @p anchor, the first of them there and
/// each further one to the right of the one before with a gap of 10 mm on
/// the sheet, so that none of them overlaps another. Null blocks are left out.
[[nodiscard]] std::vector<render::Drawing> placeSymbols(const std::vector<GEOTYPE_DEFINITION::IGeoBlock*>& blocks,
                                                        QPointF anchor);

}  // namespace tarvelo::host
