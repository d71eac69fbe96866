// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "OriginScopePoints.h"

#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/IScopePointBlock.h"

namespace tarvelo::dialogs {

void setOriginScopePointPair(GEOTYPE_DEFINITION::IGeoBlock& block)
{
    auto* scope = block.GetScopePoints();
    if (scope == nullptr)
        return;
    scope->RemoveAll();
    scope->AddScopePoint(1, 1, 2, 0.0, 0.0, 0.0, 0, 0, 0, 0);
    scope->AddScopePoint(2, 2, 2, 0.0, 0.0, 0.0, 0, 0, 0, 0);
}

}  // namespace tarvelo::dialogs
