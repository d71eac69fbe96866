// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include "CSymbolDialog.h"

namespace tarvelo::dialogs {

/// A symbol dialog with the shared controls only (scale, layer, properties,
/// accept, cancel), under its own template number and title. It keeps the
/// frame's rules for scale, layer and acceptance.
class CPlainSymbolDialog final : public CSymbolDialog {
    Q_OBJECT
public:
    CPlainSymbolDialog(QWidget* parent, services::IServiceEnvironment& environment, const FrameTemplate& frame);

protected:
    void InitFromBlock() override;
};

}  // namespace tarvelo::dialogs
