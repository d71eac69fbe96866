// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "SymbolRenderer.h"

#include <algorithm>
#include <array>

#include "DrawingBuilder.h"
#include "KindDrawings.h"
#include "tarvelo/geometry/IGeoBlock.h"

namespace tarvelo::render {

namespace {

using DrawFunction = void (*)(DrawingBuilder&);

struct KindEntry {
    std::uint32_t type;
    DrawFunction draw;
};

// Sorted by type code. Leader 407 fans several leaders from one shelf, which
// is what a multi-point position leader draws.
constexpr std::array<KindEntry, 39> kKinds{{
    {101, drawStraightSection},   {102, drawSteppedSection},    {201, drawStraightBreak},
    {202, drawStraightBreak},     {203, drawCurvedBreak},       {204, drawCurvedBreak},
    {301, drawLevelMark},         {302, drawPlanLevelMark},     {401, drawPositionLeader},
    {402, drawCombLeader},        {403, drawMultilayerLeader},  {404, drawCircleLeader},
    {405, drawFramedLeader},      {406, drawShelfNote},         {407, drawPositionLeader},
    {501, drawNodeDesignation},   {601, drawBoundaryHatch},     {602, drawLinearHatch},
    {603, drawGroundBoundary},    {604, drawWaterproofing},     {605, drawThermalInsulation},
    {701, drawWeldSeam},          {702, drawWeldSeam},          {703, drawWeldSeam},
    {704, drawWeldSeam},          {711, drawWeldSeam},          {712, drawWeldSeam},
    {713, drawWeldSeam},          {714, drawWeldSeam},          {721, drawWeldSeam},
    {722, drawWeldSeam},          {723, drawWeldSeam},          {724, drawWeldSeam},
    {731, drawWeldSeam},          {732, drawWeldSeam},          {733, drawWeldSeam},
    {734, drawWeldSeam},          {801, drawOrthogonalAxes},    {802, drawPolarAxes},
}};

static_assert(std::is_sorted(kKinds.begin(), kKinds.end(),
                             [](const KindEntry& a, const KindEntry& b) { return a.type < b.type; }));

DrawFunction drawingOf(std::uint32_t type)
{
    const auto found = std::lower_bound(kKinds.begin(), kKinds.end(), type,
                                        [](const KindEntry& entry, std::uint32_t code) { return entry.type < code; });
    return found != kKinds.end() && found->type == type ? found->draw : nullptr;
}

bool isLevelMark(std::uint32_t code)
{
    return code == 301 || code == 302;
}

}  // namespace

std::uint32_t drawnType(GEOTYPE_DEFINITION::IGeoBlock& block)
{
    const std::uint32_t type = block.GetSymbolType();
    const std::uint32_t variant = block.GetSymbolVariant();
    if (isLevelMark(variant) && (isLevelMark(type) || type == 0))
        return variant;
    return type;
}

bool canRender(std::uint32_t symbolType)
{
    return drawingOf(symbolType) != nullptr;
}

Drawing renderSymbol(GEOTYPE_DEFINITION::IGeoBlock* block)
{
    if (block == nullptr)
        return {};
    DrawingBuilder builder(*block);
    if (const DrawFunction draw = drawingOf(drawnType(*block)))
        draw(builder);
    return builder.take();
}

}  // namespace tarvelo::render
