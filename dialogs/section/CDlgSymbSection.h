// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "CSymbolDialog.h"

class QLineEdit;

namespace tarvelo::dialogs {

/// The identifiers of template 12003's own controls; a control's objectName is its number in decimal.
struct SectionTemplate {
    enum Id : int {
        kStraight = 12014,
        kStepped = 12015,
        kDesignationLabel = 12016,
        kDesignation = 12017,
        kLayerLabel = 12018,
    };
};

struct SectionControls {
    ImageButton* straight = nullptr;
    ImageButton* stepped = nullptr;
    QLineEdit* designation = nullptr;
};

/// The section and cut mark dialog: a straight (101) or stepped (102)
/// cutting line, its designation, layer and scale.
class CDlgSymbSection final : public CSymbolDialog {
    Q_OBJECT
public:
    static constexpr std::uint32_t kStraight = 101;
    static constexpr std::uint32_t kStepped = 102;

    CDlgSymbSection(QWidget* parent, services::IServiceEnvironment& environment);

    using CSymbolDialog::EditBlock;
    /// The entry point keeps the result where this reads it; the frame's rules otherwise.
    int EditBlock(hostcad::IDrawingDatabase* drawing, GEOTYPE_DEFINITION::IGeoBlock** block);

    /// Pushes the button of the variant and gives the block that type and variant.
    void SetSectionType(std::uint32_t variant);

protected:
    void InitControls() override;
    void initNewSymbol() override;
    void initExistingSymbol() override;

private:
    /// Pushes the button of the variant without writing the block.
    void showSectionType(std::uint32_t variant);
    /// Shows the designation as the block has it; returns the variant its buttons show.
    std::uint32_t showDesignation();

    SectionControls m_controls;
};

}  // namespace tarvelo::dialogs
