// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "BoundHatchRules.h"

#include "HostDefaultsLoader.h"
#include "OriginScopePoints.h"
#include "tarvelo/geometry/IGeoBlock.h"

namespace tarvelo::dialogs::hatch {

void prepareHatchBlock(services::IServiceEnvironment& environment, GEOTYPE_DEFINITION::IGeoBlock* block,
                       std::uint32_t code)
{
    if (block == nullptr || block->GetEditMode() != 0)
        return;
    setOriginScopePointPair(*block);
    ApplySymbolType(environment, code, block);
}

}  // namespace tarvelo::dialogs::hatch
