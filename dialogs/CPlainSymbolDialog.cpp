// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CPlainSymbolDialog.h"

#include "tarvelo/geometry/IGeoBlock.h"

namespace tarvelo::dialogs {

CPlainSymbolDialog::CPlainSymbolDialog(QWidget* parent, services::IServiceEnvironment& environment,
                                       const FrameTemplate& frame)
    : CSymbolDialog(parent, environment, frame)
{
    buildFrameOnlyTemplate(*this, this->frame());
}

void CPlainSymbolDialog::InitFromBlock()
{
    if (isNewSymbol())
        applyNewSymbolScale();
    UpdateScaleCaption(m_block->GetScale());
    showBlockLayer();
}

}  // namespace tarvelo::dialogs
