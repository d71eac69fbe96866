// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "LevelMarkRules.h"

#include "HostDefaultsLoader.h"
#include "NumberText.h"
#include "tarvelo/geometry/IExtData.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/IScopePointBlock.h"

namespace tarvelo::dialogs {

namespace {

// Point k goes under key k with tag k; scope key 2 leaves the size to the drawing.
void addPoint(GEOTYPE_DEFINITION::IScopePointBlock& scope, std::uint32_t k, double x, double y)
{
    scope.AddScopePoint(k, k, 2, x, y, 0.0, 0, 0, 0, 0);
}

}  // namespace

std::uint32_t startLevelKind(std::uint32_t storedKind)
{
    return storedKind == kLevelMark || storedKind == kPlanLevelMark ? storedKind : kLevelMark;
}

std::string levelMainText(double level)
{
    // Six decimals, as "%f" prints them.
    return controls::formatWithDecimals(6, level) + "*3";
}

void setThreePointLayout(GEOTYPE_DEFINITION::IScopePointBlock& scope)
{
    scope.RemoveAll();
    addPoint(scope, 1, 0.0, 0.0);
    addPoint(scope, 2, 10.0, 0.0);
    addPoint(scope, 3, 0.0, 10.0);
}

void setOnePointLayout(GEOTYPE_DEFINITION::IScopePointBlock& scope)
{
    scope.RemoveAll();
    addPoint(scope, 1, 0.0, 0.0);
}

void applyPlanLayout(GEOTYPE_DEFINITION::IScopePointBlock& scope, std::uint32_t shownExtension)
{
    // A layout that already has its number of points stays where the user may have moved them.
    if (shownExtension == kWithoutExtensionLines && scope.GetCount() != 1)
        setOnePointLayout(scope);
    else if (shownExtension == kWithExtensionLines && scope.GetCount() != 3)
        setThreePointLayout(scope);
}

void applyLevelLayout(GEOTYPE_DEFINITION::IScopePointBlock& scope, std::uint32_t shownKind,
                      std::uint32_t shownExtension)
{
    if (shownKind == kLevelMark)
        setThreePointLayout(scope);
    else
        applyPlanLayout(scope, shownExtension);
}

void ApplyLevelSymbolType(const HostSupportSession& hostSupport, std::uint32_t symbolType,
                          GEOTYPE_DEFINITION::IGeoBlock* block, bool attached)
{
    if (block == nullptr || symbolType == 0)
        return;
    ApplySymbolType(hostSupport, symbolType, block);
    // Written after the defaults, which replace the whole parameter map.
    block->SetParam(kLevelAttachParam, attached ? 1.0 : 0.0);
}

void writeAcceptedLevelMark(const HostSupportSession& hostSupport, GEOTYPE_DEFINITION::IGeoBlock& block,
                            const std::string& note, bool attached)
{
    if (auto* extData = block.GetExtData())
        extData->SetSubText(note);
    // An existing mark keeps its kind, type, parameters and attachment, which the dialog cannot change.
    if (block.GetEditMode() != 0)
        return;
    if (block.GetSymbolVariant() == 0)
        block.SetSymbolVariant(kLevelMark);
    // The defaults of the kind are in the block once its type is the kind;
    // loading them again would undo what the user set in the properties dialog.
    if (block.GetSymbolType() != block.GetSymbolVariant())
        ApplyChosenSymbolType(hostSupport, block.GetSymbolVariant(), &block);
    block.SetParam(kLevelAttachParam, attached ? 1.0 : 0.0);
}

}  // namespace tarvelo::dialogs
