// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CDlgWeld.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "CComboLayers.h"
#include "ChoiceBox.h"
#include "RenderPicture.h"
#include "ResourceIds.h"
#include "WeldRules.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/services/CSysHub.h"

namespace tarvelo::dialogs {

namespace {

/// Template 12079: the type group with the seam picture and the type list,
/// the layer group, then the shared buttons. The list starts empty.
WeldControls buildWeldTemplate(QDialog& dialog, const FrameControls& frame)
{
    WeldControls controls;
    auto* layout = addTemplateColumn(dialog, frame);

    auto* typeGroup = named(new QGroupBox(QStringLiteral("Тип"), &dialog), WeldTemplate::kTypeGroup);
    controls.picture = named(new QLabel(typeGroup), WeldTemplate::kPicture);
    controls.picture->setAlignment(Qt::AlignCenter);
    const QPixmap first = renderPicture(resources::bitmapPath(resources::kWeldCornerFactoryContinuousVisible));
    controls.picture->setPixmap(first);
    controls.picture->setMinimumSize(first.size());
    controls.types = named(new controls::ChoiceBox(typeGroup), WeldTemplate::kTypes);
    auto* typeLayout = new QVBoxLayout(typeGroup);
    typeLayout->addWidget(controls.picture);
    typeLayout->addWidget(controls.types);
    layout->addWidget(typeGroup);

    addLayerGroup(*layout, dialog, frame, WeldTemplate::kLayerGroup, QStringLiteral("Слой для объекта"));

    addButtonRow(*layout, frame);
    return controls;
}

}  // namespace

CDlgWeld::CDlgWeld(QWidget* parent, services::IServiceEnvironment& environment)
    : CSymbolDialog(parent, environment, kWeldFrame), m_controls(buildWeldTemplate(*this, frame()))
{
    connect(m_controls.types, &QComboBox::activated, this, [this](int index) {
        const std::uint32_t code = m_controls.types->itemData(index).toUInt();
        if (m_block == nullptr)
            return;
        weld::chooseWeldType(hostSupport(), *m_block, code);
        showWeldPicture(code);
    });
}

void CDlgWeld::InitControls()
{
    m_controls.types->clear();
    controls::fillChoices(*m_controls.types, weld::kWeldTypes);
    // The dialog selects the starting type itself; a code without an entry selects none.
    m_controls.types->setCurrentIndex(-1);
    CSymbolDialog::InitControls();
}

void CDlgWeld::initNewSymbol()
{
    const auto remembered = services::CSysHub(environment()).GetDwordParams("", weld::kDefaultTypeValue);
    SelectWeldType(weld::startingWeldType(remembered));
}

void CDlgWeld::initExistingSymbol()
{
    // An existing weld is shown as it is: its type, placement and defaults stay.
    const std::uint32_t code = m_block->GetSymbolType();
    if (controls::selectChoice(*m_controls.types, code))
        showWeldPicture(code);
}

void CDlgWeld::SelectWeldType(std::uint32_t code)
{
    if (controls::selectChoice(*m_controls.types, code))
        SetWeldType(code);
}

void CDlgWeld::SetWeldType(std::uint32_t code)
{
    if (m_block == nullptr)
        return;
    weld::ResetWeld(hostSupport(), *m_block, code);
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
