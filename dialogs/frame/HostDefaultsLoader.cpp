// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "HostDefaultsLoader.h"

#include <string>

#include "HostSupportSession.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/IGeoItemTraits.h"
#include "tarvelo/services/CompanionApi.h"

namespace tarvelo::dialogs {

void loadHostDefaults(const HostSupportSession& hostSupport, GEOTYPE_DEFINITION::IGeoBlock* block)
{
    if (block == nullptr || block->GetSymbolType() == 0)
        return;
    const auto getAttribs = hostSupport.find<services::exports::GetAttribs>();
    const BorrowedBlock defaults = hostSupport.borrow(getAttribs != nullptr ? getAttribs(block->GetSymbolType()) : nullptr);
    if (defaults == nullptr)
        return;
    // The map is replaced, not merged: keys the type does not have must go.
    block->GetParamMap() = defaults->GetParamMap();
    if (block->GetTraits() != nullptr && defaults->GetTraits() != nullptr)
        block->GetTraits()->CopyFrom(defaults->GetTraits());
}

void ApplySymbolType(const HostSupportSession& hostSupport, std::uint32_t symbolType,
                     GEOTYPE_DEFINITION::IGeoBlock* block)
{
    if (block == nullptr || symbolType == 0)
        return;
    if (block->GetSymbolType() != symbolType)
        block->SetSymbolType(symbolType);
    loadHostDefaults(hostSupport, block);
}

void ApplyChosenSymbolType(const HostSupportSession& hostSupport, std::uint32_t symbolType,
                           GEOTYPE_DEFINITION::IGeoBlock* block)
{
    auto* traits = block != nullptr ? block->GetTraits() : nullptr;
    const std::string layer = traits != nullptr ? traits->GetLayerName() : std::string();
    ApplySymbolType(hostSupport, symbolType, block);
    if (traits != nullptr)
        traits->SetLayerName(layer);
}

}  // namespace tarvelo::dialogs
