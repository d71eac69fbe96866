// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "CSymbolDialog.h"

class QCheckBox;
class QLineEdit;

namespace tarvelo::dialogs {

/// The identifiers of template 12055's own controls; a control's objectName is its number in decimal.
struct JoinPointTemplate {
    enum Id : int {
        kIdentification = 12051,
        kDesignation = 12052,
        kAutoNumbering = 12050,
        kLayerGroup = 12055,
    };
};

/// The controls of template 12055 besides the shared ones.
struct JoinPointControls {
    QLineEdit* designation = nullptr;
    QCheckBox* autoNumbering = nullptr;  // hidden and disabled: numbering is not offered
};

/// The node designation dialog: the designation text (written into the
/// block as it is typed), the layer and the scale of a symbol of type 501.
class CDlgJoinPoint final : public CSymbolDialog {
    Q_OBJECT
public:
    static constexpr std::uint32_t kNodeDesignation = 501;

    CDlgJoinPoint(QWidget* parent, services::IServiceEnvironment& environment);

protected:
    void initNewSymbol() override;
    void initExistingSymbol() override;

    /// A cancelled designation leaves an empty block, an existing one included.
    void afterCancel() override;

private:
    void showDesignation();

    JoinPointControls m_controls;
};

}  // namespace tarvelo::dialogs
