// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "HostDefaultsLoader.h"

#include <string>

#include "HostSupportCall.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/IGeoItemTraits.h"
#include "tarvelo/services/CompanionApi.h"

namespace tarvelo::dialogs {

bool HostDefaultsLoader::load(GEOTYPE_DEFINITION::IGeoBlock* block)
{
    if (block == nullptr || block->GetSymbolType() == 0)
        return false;
    const HostSupportSession library(m_environment);
    auto getAttribs = library.find<services::exports::GetAttribs>();
    auto freeBlock = library.find<services::exports::FreeBlock>();
    GEOTYPE_DEFINITION::IGeoBlock* defaults = getAttribs != nullptr ? getAttribs(block->GetSymbolType()) : nullptr;
    if (defaults == nullptr)
        return false;
    // The map is replaced, not merged: keys the type does not have must go.
    block->GetParamMap() = defaults->GetParamMap();
    if (block->GetTraits() != nullptr && defaults->GetTraits() != nullptr)
        block->GetTraits()->CopyFrom(defaults->GetTraits());
    // The block belongs to the library and goes back to it before the library goes.
    if (freeBlock != nullptr)
        freeBlock(defaults);
    return true;
}

void ApplySymbolType(services::IServiceEnvironment& environment, std::uint32_t symbolType,
                     GEOTYPE_DEFINITION::IGeoBlock* block)
{
    if (block == nullptr || symbolType == 0)
        return;
    if (block->GetSymbolType() != symbolType)
        block->SetSymbolType(symbolType);
    HostDefaultsLoader(environment).load(block);
}

void ApplyChosenSymbolType(services::IServiceEnvironment& environment, std::uint32_t symbolType,
                           GEOTYPE_DEFINITION::IGeoBlock* block)
{
    auto* traits = block != nullptr ? block->GetTraits() : nullptr;
    const std::string layer = traits != nullptr ? traits->GetLayerName() : std::string();
    ApplySymbolType(environment, symbolType, block);
    if (traits != nullptr)
        traits->SetLayerName(layer);
}

}  // namespace tarvelo::dialogs
