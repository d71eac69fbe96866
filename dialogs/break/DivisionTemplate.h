// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <array>
#include <cstdint>

#include "ResourceIds.h"
#include "SymbolDialogTemplates.h"

class QCheckBox;

namespace tarvelo::controls {
class CNumEdit;
}

namespace tarvelo::dialogs {

/// The identifiers of template 12042's own controls; a control's objectName is its number in decimal.
struct DivisionTemplate {
    enum Id : int {
        kStraightCutOff = 12023,
        kStraightGap = 12024,
        kCurvedCutOff = 12025,
        kCurvedGap = 12026,
        kFixedSize = 12109,
        kHeightLabel = 12028,
        kHeight = 12030,
        kWidthLabel = 12027,
        kWidth = 12029,
        kLayerGroup = 12031,
    };
};

/// A type button of the break dialog: its identifier, the break type it
/// chooses, its tip and its pictures.
struct BreakTypeButton {
    int id;
    std::uint32_t type;
    const char* tip;
    resources::ButtonImages images;
};

inline constexpr std::array kBreakTypeButtons{
    BreakTypeButton{DivisionTemplate::kStraightCutOff, 201, "Обрыв прямолинейный",
                    resources::kBreakStraightCutOffButton},
    BreakTypeButton{DivisionTemplate::kStraightGap, 202, "Разрыв прямолинейный", resources::kBreakStraightGapButton},
    BreakTypeButton{DivisionTemplate::kCurvedCutOff, 203, "Обрыв криволинейный", resources::kBreakCurvedCutOffButton},
    BreakTypeButton{DivisionTemplate::kCurvedGap, 204, "Разрыв криволинейный", resources::kBreakCurvedGapButton},
};

/// The controls of template 12042 besides the shared ones.
struct DivisionControls {
    /// In the order of kBreakTypeButtons.
    std::array<ImageButton*, kBreakTypeButtons.size()> types{};
    QCheckBox* fixedSize = nullptr;
    controls::CNumEdit* height = nullptr;
    controls::CNumEdit* width = nullptr;
};

/// Template 12042: four type buttons, the fixed size with height and width,
/// the layer group, the shared buttons.
DivisionControls buildDivisionTemplate(QDialog& dialog, const FrameControls& frame);

}  // namespace tarvelo::dialogs
