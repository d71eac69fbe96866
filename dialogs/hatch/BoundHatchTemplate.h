// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <array>
#include <cstdint>

#include "BoundHatchRules.h"
#include "ResourceIds.h"
#include "SymbolDialogTemplates.h"

class QGroupBox;

namespace tarvelo::dialogs {

/// A hatch type button: its identifier, the symbol type it sets, its tip
/// (the type's name, UTF-8), its pictures, and whether the user sees it.
struct HatchTypeButton {
    int id;
    std::uint32_t code;
    const char* name;
    resources::ButtonImages images;
    bool offered;
};

/// The type buttons in the order their tips are added. Types 604 and 605 are
/// only ever shown as the pushed state of a hidden button when an existing
/// hatch of that type is edited.
inline constexpr std::array<HatchTypeButton, 5> kHatchTypeButtons{{
    {12099, hatch::kBoundaryHatch, "Граничная штриховка", resources::kHatchBoundaryButton, true},
    {12100, hatch::kGroundBoundary, "Граница грунта", resources::kHatchGroundButton, true},
    {12101, hatch::kLinearHatch, "Линейная штриховка", resources::kHatchLinearButton, true},
    {12102, hatch::kWaterproofedContour, "Контур с гидроизоляцией", resources::kHatchWaterproofButton, false},
    {12103, hatch::kInsulatedContour, "Контур с термоизоляцией", resources::kHatchThermalButton, false},
}};

struct BoundHatchControls {
    /// In the order of kHatchTypeButtons.
    std::array<ImageButton*, 5> types{};
    QGroupBox* layerGroup = nullptr;  // 12096
};

/// Template 12078: the type buttons in a row (left to right 12102, 12099,
/// 12101, 12100, 12103; the outer two hidden and disabled), the layer group,
/// then the shared buttons.
BoundHatchControls buildBoundHatchTemplate(QDialog& dialog, const FrameControls& frame);

}  // namespace tarvelo::dialogs
