// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CDlgJoinPoint.h"

#include <QLineEdit>
#include <QPushButton>

#include "CComboLayers.h"
#include "HostDefaultsLoader.h"
#include "tarvelo/geometry/IExtData.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/IScopePointBlock.h"
#include "tarvelo/services/QtText.h"

namespace tarvelo::dialogs {

CDlgJoinPoint::CDlgJoinPoint(QWidget* parent, services::IServiceEnvironment& environment)
    : CSymbolDialog(parent, environment, kJoinPointFrame), m_controls(buildJoinPointTemplate(*this, frame()))
{
    connect(m_controls.designation, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_block != nullptr && m_block->GetExtData() != nullptr)
            m_block->GetExtData()->SetMainText(text::qStringToCp1251(text));
    });
}

void CDlgJoinPoint::InitFromBlock()
{
    if (isNewSymbol() && m_block->IsEmpty() && m_block->GetScopePoints() != nullptr)
        m_block->GetScopePoints()->AddScopePoint(1, 1, 2, 0.0, 0.0, 0.0, 0, 0, 0, 0);

    if (isNewSymbol()) {
        applyNewSymbolScale();
        frame().layers->setEnabled(true);
        ApplySymbolType(environment(), kNodeDesignation, m_block);
    } else {
        frame().layers->setEnabled(false);
        frame().properties->setEnabled(false);
    }

    if (auto* extData = m_block->GetExtData()) {
        // Numbering starts at 1 for a new designation; an existing one the user emptied stays empty.
        if (isNewSymbol() && extData->GetMainText().empty())
            extData->SetMainText("1");
        // Showing the text must not write it back: bytes without a character would be lost.
        const QSignalBlocker quiet(m_controls.designation);
        m_controls.designation->setText(text::cp1251ToQString(extData->GetMainText()));
    }

    UpdateScaleCaption(m_block->GetScale());
    showBlockLayer();
}

void CDlgJoinPoint::afterCancel()
{
    m_block->Clear();
}

}  // namespace tarvelo::dialogs
