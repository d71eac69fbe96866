// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "SymbolPlacement.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "SymbolRenderer.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/IGeoPoint.h"
#include "tarvelo/geometry/IScopePointBlock.h"

namespace tarvelo::host {

namespace {

constexpr double kGapMillimetres = 10.0;
// Closer to the origin than this, a point is taken to be at it.
constexpr double kAtOrigin = 1e-9;

}  // namespace

bool isUnplaced(GEOTYPE_DEFINITION::IGeoBlock& block)
{
    // A new symbol's dialog lays its points out around the origin, the first
    // of them at it; the renderer draws the symbol about that first point.
    GEOTYPE_DEFINITION::IScopePointBlock* scope = block.GetScopePoints();
    const GEOTYPE_DEFINITION::IGeoPoint* first = scope != nullptr ? scope->FindPoint(1) : nullptr;
    return first == nullptr || (std::abs(first->GetX()) <= kAtOrigin && std::abs(first->GetY()) <= kAtOrigin);
}

std::vector<render::Drawing> placeSymbols(const std::vector<GEOTYPE_DEFINITION::IGeoBlock*>& blocks, QPointF anchor)
{
    std::vector<render::Drawing> placed;
    std::optional<double> rowEnd;
    double rowGap = 0.0;
    for (GEOTYPE_DEFINITION::IGeoBlock* block : blocks) {
        if (block == nullptr)
            continue;
        render::Drawing drawing = render::renderSymbol(block);
        if (isUnplaced(*block)) {
            const QRectF bounds = drawing.bounds();
            const double gap = kGapMillimetres * drawing.unitsPerMillimetre;
            QPointF offset = anchor;
            if (rowEnd)
                offset.setX(*rowEnd + std::max(gap, rowGap) - bounds.left());
            drawing.translate(offset);
            if (!drawing.isEmpty()) {
                rowEnd = bounds.right() + offset.x();
                rowGap = gap;
            }
        }
        placed.push_back(std::move(drawing));
    }
    return placed;
}

}  // namespace tarvelo::host
