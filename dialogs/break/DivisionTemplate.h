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

/// A type button of the break dialog: its identifier, the break type it
/// chooses, its tip and its pictures.
struct BreakTypeButton {
    int id;
    std::uint32_t type;
    const char* tip;
    resources::ButtonImages images;
};

inline constexpr std::array kBreakTypeButtons{
    BreakTypeButton{12023, 201, "Обрыв прямолинейный", resources::kBreakStraightCutOffButton},
    BreakTypeButton{12024, 202, "Разрыв прямолинейный", resources::kBreakStraightGapButton},
    BreakTypeButton{12025, 203, "Обрыв криволинейный", resources::kBreakCurvedCutOffButton},
    BreakTypeButton{12026, 204, "Разрыв криволинейный", resources::kBreakCurvedGapButton},
};

/// The controls of template 12042 besides the shared ones.
struct DivisionControls {
    /// In the order of kBreakTypeButtons.
    std::array<ImageButton*, kBreakTypeButtons.size()> types{};
    QCheckBox* fixedSize = nullptr;       // 12109
    controls::CNumEdit* height = nullptr;  // 12030
    controls::CNumEdit* width = nullptr;   // 12029
};

/// Template 12042: four type buttons, the fixed size with height and width,
/// the layer group, the shared buttons.
DivisionControls buildDivisionTemplate(QDialog& dialog, const FrameControls& frame);

}  // namespace tarvelo::dialogs
