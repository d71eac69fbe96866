// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CDlgWeld.h"

#include <QComboBox>
#include <QLabel>

#include "CComboLayers.h"
#include "ObjPropertiesTemplate.h"
#include "ResourceIds.h"
#include "WeldRules.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/services/CSysHub.h"

namespace tarvelo::dialogs {

CDlgWeld::CDlgWeld(QWidget* parent, services::IServiceEnvironment& environment)
    : CSymbolDialog(parent, environment, kWeldFrame), m_controls(buildWeldTemplate(*this, frame()))
{
    // The layers are listed together with the types, once the block is known.
    fillsLayersInInitControls = false;
    connect(m_controls.types, &QComboBox::activated, this, [this](int index) {
        const std::uint32_t code = m_controls.types->itemData(index).toUInt();
        if (m_block == nullptr)
            return;
        weld::chooseWeldType(this->environment(), *m_block, code);
        showWeldPicture(code);
    });
}

void CDlgWeld::InitFromBlock()
{
    fillLayerCombo();
    m_controls.types->clear();
    insertWeldTypes(*m_controls.types);
    if (isNewSymbol()) {
        const auto remembered = services::CSysHub(environment()).GetDwordParams("", weld::kDefaultTypeValue);
        SelectWeldType(weld::startingWeldType(remembered));
        applyNewSymbolScale();
    } else {
        // An existing weld is shown as it is: its type, placement and defaults stay.
        const std::uint32_t code = m_block->GetSymbolType();
        const int entry = m_controls.types->findData(QVariant::fromValue(code));
        if (entry >= 0) {
            m_controls.types->setCurrentIndex(entry);
            showWeldPicture(code);
        }
        frame().layers->setEnabled(false);
    }
    UpdateScaleCaption(m_block->GetScale());
    showBlockLayer();
}

void CDlgWeld::SelectWeldType(std::uint32_t code)
{
    const int entry = m_controls.types->findData(QVariant::fromValue(code));
    if (entry < 0)
        return;
    m_controls.types->setCurrentIndex(entry);
    SetWeldType(code);
}

void CDlgWeld::SetWeldType(std::uint32_t code)
{
    if (m_block == nullptr)
        return;
    weld::ResetWeld(environment(), *m_block, code);
    showWeldPicture(code);
}

void CDlgWeld::showWeldPicture(std::uint32_t code)
{
    // A picture that cannot be read leaves the one shown before.
    const QPixmap picture = renderPicture(resources::bitmapPath(weld::weldPicture(code)));
    if (!picture.isNull())
        m_controls.picture->setPixmap(picture);
    m_controls.picture->repaint();
}

void CDlgWeld::saveDefaults()
{
    services::CSysHub(environment()).SetDwordParam("", weld::kDefaultTypeValue, m_block->GetSymbolType());
}

}  // namespace tarvelo::dialogs
