// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <sstream>
#include <string>

#include "tarvelo/geometry/IGeoBlock.h"

namespace tarvelo::dialogs::testing {

/// The block's scope points in key order, each as "key:tag/scopeKey(x,y,z) ".
inline std::string scopePointsText(GEOTYPE_DEFINITION::IGeoBlock& block)
{
    std::ostringstream text;
    auto* scope = block.GetScopePoints();
    for (std::uint32_t key = 1; key <= scope->GetMaxKey(); ++key) {
        if (const auto* point = scope->FindPoint(key))
            text << key << ':' << point->GetPointTag() << '/' << point->GetScopeKey() << '(' << point->GetX() << ','
                 << point->GetY() << ',' << point->GetZ() << ") ";
    }
    return text.str();
}

/// The placeholders that the weld and hatch dialogs leave for the host.
inline constexpr const char* kOriginPair = "1:1/2(0,0,0) 2:2/2(0,0,0) ";

}  // namespace tarvelo::dialogs::testing
