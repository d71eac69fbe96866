// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "CSymbolDialog.h"
#include "DivisionTemplate.h"

namespace tarvelo::dialogs {

/// The break line dialog: one of four break types (201 to 204), an optional
/// fixed size given by height and width, the layer and the scale. Type and
/// scale go into the block at once; the sizes and the layer wait for
/// acceptance. An existing break moves only by a size the user typed.
class CDialogDivision final : public CSymbolDialog {
    Q_OBJECT
public:
    CDialogDivision(QWidget* parent, services::IServiceEnvironment& environment);

    /// Chooses the break type: gives the block that type and variant and
    /// pushes its button, releasing the others.
    void SetDivisionType(std::uint32_t type);
    /// Takes the value as the height and shows it with the "Roundz" decimals.
    void SetHeightText(double value);
    /// Takes the value as the width and shows it with the "Roundz" decimals.
    void SetWidthText(double value);

protected:
    void InitControls() override;
    void initNewSymbol() override;
    void initExistingSymbol() override;
    void writeBackOnAccept() override;
    void saveDefaults() override;

private:
    /// Pushes the type's button without writing the block.
    void showDivisionType(std::uint32_t type);
    void onTypeButton(std::uint32_t type);
    void setFixedSize(bool fixed);
    /// Width and height as the block's points measure them.
    void showMeasuredSize();
    void showSize(controls::CNumEdit& edit, double value);

    DivisionControls m_controls;
    std::uint32_t m_type = 0;
    // The sizes as measured, or as typed once the user typed them.
    double m_height = 0.0;
    double m_width = 0.0;
    bool m_fixedSize = false;
    bool m_heightEdited = false;
    bool m_widthEdited = false;
};

}  // namespace tarvelo::dialogs
