// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "WeldRules.h"

#include "HostDefaultsLoader.h"
#include "OriginScopePoints.h"
#include "ResourceIds.h"
#include "tarvelo/geometry/IGeoBlock.h"

namespace tarvelo::dialogs::weld {

static_assert(resources::kWeldImages.size() == kWeldTypes.size(), "one picture per weld type, in list order");

int weldPicture(std::uint32_t code)
{
    for (std::size_t index = 0; index < kWeldTypes.size(); ++index) {
        if (kWeldTypes[index].value == code)
            return resources::kWeldImages[index];
    }
    return resources::kWeldOther;
}

std::uint32_t startingWeldType(std::uint32_t remembered)
{
    return remembered <= 700 || remembered > 734 ? kFirstWeldType : remembered;
}

void ResetWeld(const HostSupportSession& hostSupport, GEOTYPE_DEFINITION::IGeoBlock& block, std::uint32_t code)
{
    block.SetSymbolType(code);
    block.SetSymbolVariant(code);
    setOriginScopePointPair(block);
    loadHostDefaults(hostSupport, &block);
}

void chooseWeldType(const HostSupportSession& hostSupport, GEOTYPE_DEFINITION::IGeoBlock& block,
                    std::uint32_t code)
{
    if (block.GetEditMode() == 0) {
        ResetWeld(hostSupport, block, code);
        return;
    }
    block.SetSymbolVariant(code);
    ApplyChosenSymbolType(hostSupport, code, &block);
}

}  // namespace tarvelo::dialogs::weld
