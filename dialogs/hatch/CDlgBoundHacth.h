// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <array>
#include <cstdint>

#include "CSymbolDialog.h"
#include "ResourceIds.h"

class QGroupBox;

namespace tarvelo::dialogs {

namespace hatch {

inline constexpr std::uint32_t kBoundaryHatch = 601;
inline constexpr std::uint32_t kLinearHatch = 602;
inline constexpr std::uint32_t kGroundBoundary = 603;
inline constexpr std::uint32_t kWaterproofedContour = 604;
inline constexpr std::uint32_t kInsulatedContour = 605;

}  // namespace hatch

/// The identifiers of template 12078's own controls; a control's objectName is its number in decimal.
struct BoundHatchTemplate {
    enum Id : int {
        kBoundaryHatch = 12099,
        kGroundBoundary = 12100,
        kLinearHatch = 12101,
        kWaterproofedContour = 12102,
        kInsulatedContour = 12103,
        kLayerGroup = 12096,
    };
};

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
    {BoundHatchTemplate::kBoundaryHatch, hatch::kBoundaryHatch, "Граничная штриховка",
     resources::kHatchBoundaryButton, true},
    {BoundHatchTemplate::kGroundBoundary, hatch::kGroundBoundary, "Граница грунта",
     resources::kHatchGroundButton, true},
    {BoundHatchTemplate::kLinearHatch, hatch::kLinearHatch, "Линейная штриховка",
     resources::kHatchLinearButton, true},
    {BoundHatchTemplate::kWaterproofedContour, hatch::kWaterproofedContour, "Контур с гидроизоляцией",
     resources::kHatchWaterproofButton, false},
    {BoundHatchTemplate::kInsulatedContour, hatch::kInsulatedContour, "Контур с термоизоляцией",
     resources::kHatchThermalButton, false},
}};

struct BoundHatchControls {
    /// In the order of kHatchTypeButtons.
    std::array<ImageButton*, 5> types{};
};

/// The boundary hatch dialog (the class name is spelled so): one of the
/// hatch types chosen by its picture button, the layer and the scale.
/// The chosen type lives only in the block; the pushed button shows it.
class CDlgBoundHacth final : public CSymbolDialog {
    Q_OBJECT
public:
    CDlgBoundHacth(QWidget* parent, services::IServiceEnvironment& environment);

    /// Gives the block the type, pushes that type's button and readies a new
    /// hatch for it. The layer the dialog holds stays as it is.
    void SelectType(std::uint32_t code);
    /// Rebuilds a new hatch's scope points and loads the type's host
    /// defaults; an existing hatch or a null block stays as it is.
    void PrepareBlock(GEOTYPE_DEFINITION::IGeoBlock* block, std::uint32_t code);

protected:
    void InitControls() override;
    void initNewSymbol() override;
    void initExistingSymbol() override;
    void writeBackOnAccept() override;

private:
    void reportFailure(const std::exception& failure);

    BoundHatchControls m_controls;
};

}  // namespace tarvelo::dialogs
