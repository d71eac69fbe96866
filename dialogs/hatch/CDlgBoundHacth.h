// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "BoundHatchTemplate.h"
#include "CSymbolDialog.h"

namespace tarvelo::dialogs {

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
    void InitFromBlock() override;
    void writeBackOnAccept() override;

private:
    void reportFailure(const std::exception& failure);

    BoundHatchControls m_controls;
};

}  // namespace tarvelo::dialogs
