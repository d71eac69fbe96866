// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "CSymbolDialog.h"

class QComboBox;
class QGroupBox;
class QLabel;

namespace tarvelo::dialogs {

/// The identifiers of template 12079's own controls; a control's objectName is its number in decimal.
struct WeldTemplate {
    enum Id : int {
        kTypeGroup = 12100,
        kPicture = 12102,
        kTypes = 12013,
        kLayerGroup = 12101,
    };
};

struct WeldControls {
    QLabel* picture = nullptr;
    QComboBox* types = nullptr;
};

/// The weld seam dialog: one of sixteen seam symbols chosen from a list,
/// with a picture of the chosen one. The last accepted type is remembered
/// for the next new weld. An existing weld is shown as it is; a type the
/// user chooses for it changes its type and defaults, not its placement or layer.
class CDlgWeld final : public CSymbolDialog {
    Q_OBJECT
public:
    CDlgWeld(QWidget* parent, services::IServiceEnvironment& environment);

    /// Selects the first entry of this code and makes it the weld type; a
    /// code without an entry changes nothing.
    void SelectWeldType(std::uint32_t code);
    /// Makes the code the block's weld type (variant, scope points and host
    /// defaults included) and shows its picture.
    void SetWeldType(std::uint32_t code);

protected:
    void InitControls() override;
    void initNewSymbol() override;
    void initExistingSymbol() override;
    void saveDefaults() override;

private:
    void showWeldPicture(std::uint32_t code);

    WeldControls m_controls;
};

}  // namespace tarvelo::dialogs
