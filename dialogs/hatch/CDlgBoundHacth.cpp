// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CDlgBoundHacth.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <exception>

#include "CComboLayers.h"
#include "HostDefaultsLoader.h"
#include "ImageButton.h"
#include "OriginScopePoints.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/services/IServiceEnvironment.h"

namespace tarvelo::dialogs {

namespace {

// Left to right as the template places them.
using Id = BoundHatchTemplate;
constexpr std::array kButtonRowOrder{Id::kWaterproofedContour, Id::kBoundaryHatch, Id::kLinearHatch,
                                     Id::kGroundBoundary, Id::kInsulatedContour};

/// Template 12078: the type buttons in a row (the outer two hidden and
/// disabled), the layer group, then the shared buttons.
BoundHatchControls buildBoundHatchTemplate(QDialog& dialog, const FrameControls& frame)
{
    BoundHatchControls controls;
    auto* layout = addTemplateColumn(dialog, frame);

    for (std::size_t index = 0; index < kHatchTypeButtons.size(); ++index) {
        const HatchTypeButton& type = kHatchTypeButtons[index];
        auto* button = new ImageButton(&dialog);
        button->setObjectName(QString::number(type.id));
        button->setAccessibleName(QString::fromUtf8(type.name));
        if (!type.offered) {
            button->setEnabled(false);
            button->setVisible(false);
        }
        controls.types[index] = button;
    }
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (int id : kButtonRowOrder)
        row->addWidget(dialog.findChild<ImageButton*>(QString::number(id)));
    row->addStretch(1);
    layout->addLayout(row);

    addLayerGroup(*layout, dialog, frame, Id::kLayerGroup, QStringLiteral("Слой для объекта"));

    addButtonRow(*layout, frame);
    return controls;
}

}  // namespace

CDlgBoundHacth::CDlgBoundHacth(QWidget* parent, services::IServiceEnvironment& environment)
    : CSymbolDialog(parent, environment, kBoundHatchFrame), m_controls(buildBoundHatchTemplate(*this, frame()))
{
    for (std::size_t index = 0; index < kHatchTypeButtons.size(); ++index) {
        const std::uint32_t code = kHatchTypeButtons[index].code;
        connect(m_controls.types[index], &QToolButton::clicked, this, [this, code] { SelectType(code); });
    }
}

void CDlgBoundHacth::InitControls()
{
    for (std::size_t index = 0; index < kHatchTypeButtons.size(); ++index) {
        m_controls.types[index]->LoadBitmaps(kHatchTypeButtons[index].images);
        m_tips.AddTool(m_controls.types[index], QString::fromUtf8(kHatchTypeButtons[index].name));
    }
    CSymbolDialog::InitControls();
}

void CDlgBoundHacth::initNewSymbol()
{
    // An incoming type gets its defaults first; the start type then replaces them.
    loadHostDefaults(hostSupport(), m_block);
    SelectType(hatch::kBoundaryHatch);
}

void CDlgBoundHacth::initExistingSymbol()
{
    SelectType(m_block->GetSymbolType());
}

void CDlgBoundHacth::SelectType(std::uint32_t code)
{
    if (m_block == nullptr)
        return;
    m_block->SetSymbolType(code);
    for (std::size_t index = 0; index < kHatchTypeButtons.size(); ++index)
        m_controls.types[index]->setPushed(kHatchTypeButtons[index].code == code);
    PrepareBlock(m_block, code);
}

void CDlgBoundHacth::PrepareBlock(GEOTYPE_DEFINITION::IGeoBlock* block, std::uint32_t code)
{
    // An existing hatch keeps its geometry and graphics: they are the user's.
    if (block == nullptr || block->GetEditMode() != 0)
        return;
    try {
        setOriginScopePointPair(*block);
        ApplySymbolType(hostSupport(), code, block);
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

void CDlgBoundHacth::writeBackOnAccept()
{
    try {
        CSymbolDialog::writeBackOnAccept();
        // The type's defaults were loaded when it was chosen. Loading them again
        // here would undo the layer just written and whatever the user changed
        // in the properties dialog, so acceptance only renews the placeholders.
        if (isNewSymbol())
            setOriginScopePointPair(*m_block);
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

void CDlgBoundHacth::reportFailure(const std::exception& failure)
{
    environment().messages().show("", failure.what(), services::MessageIcon::Error);
}

}  // namespace tarvelo::dialogs
