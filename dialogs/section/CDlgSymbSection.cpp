// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CDlgSymbSection.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "CComboLayers.h"
#include "HostDefaultsLoader.h"
#include "ImageButton.h"
#include "ResourceIds.h"
#include "tarvelo/geometry/IExtData.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/IScopePointBlock.h"
#include "tarvelo/services/QtText.h"

namespace tarvelo::dialogs {

namespace {

/// Template 12003: two type buttons, the designation, the layer, the shared buttons.
SectionControls buildSectionTemplate(QDialog& dialog, const FrameControls& frame)
{
    SectionControls controls;
    auto* layout = addTemplateColumn(dialog, frame);
    auto* types = new QHBoxLayout;
    controls.straight = named(new ImageButton(&dialog), SectionTemplate::kStraight);
    controls.straight->setAccessibleName(QStringLiteral("Прямая линия сечения"));
    controls.stepped = named(new ImageButton(&dialog), SectionTemplate::kStepped);
    controls.stepped->setAccessibleName(QStringLiteral("Ступенчатая линия сечения"));
    types->addWidget(controls.straight);
    types->addWidget(controls.stepped);
    types->addStretch(1);
    layout->addLayout(types);

    auto* designationRow = new QHBoxLayout;
    auto* label = named(new QLabel(QStringLiteral("Обозначение"), &dialog), SectionTemplate::kDesignationLabel);
    controls.designation = named(new QLineEdit(&dialog), SectionTemplate::kDesignation);
    label->setBuddy(controls.designation);
    designationRow->addWidget(label);
    designationRow->addWidget(controls.designation, 1);
    layout->addLayout(designationRow);

    addLayerRow(*layout, dialog, frame, SectionTemplate::kLayerLabel);
    addButtonRow(*layout, frame);
    return controls;
}

}  // namespace

CDlgSymbSection::CDlgSymbSection(QWidget* parent, services::IServiceEnvironment& environment)
    : CSymbolDialog(parent, environment, kSectionFrame), m_controls(buildSectionTemplate(*this, frame()))
{
    connect(m_controls.straight, &QToolButton::clicked, this, [this] { SetSectionType(kStraight); });
    connect(m_controls.stepped, &QToolButton::clicked, this, [this] { SetSectionType(kStepped); });
    connect(m_controls.designation, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_block != nullptr && m_block->GetExtData() != nullptr)
            m_block->GetExtData()->SetMainText(text::qStringToCp1251(text));
    });
}

int CDlgSymbSection::EditBlock(hostcad::IDrawingDatabase* drawing, GEOTYPE_DEFINITION::IGeoBlock** block)
{
    return CSymbolDialog::EditBlock(drawing, block != nullptr ? *block : nullptr);
}

void CDlgSymbSection::InitControls()
{
    m_controls.straight->LoadBitmaps(resources::kSectionStraightButton);
    m_controls.stepped->LoadBitmaps(resources::kSectionSteppedButton);
    CSymbolDialog::InitControls();
}

void CDlgSymbSection::SetSectionType(std::uint32_t variant)
{
    showSectionType(variant);
    if (m_block == nullptr)
        return;
    m_block->SetSymbolType(variant);
    m_block->SetSymbolVariant(variant);
}

void CDlgSymbSection::showSectionType(std::uint32_t variant)
{
    m_controls.straight->setPushed(variant == kStraight);
    m_controls.stepped->setPushed(variant == kStepped);
}

std::uint32_t CDlgSymbSection::showDesignation()
{
    // Showing the text must not write it back as if the user had typed it.
    const QSignalBlocker quiet(m_controls.designation);
    const auto* extData = m_block->GetExtData();
    m_controls.designation->setText(extData != nullptr ? text::cp1251ToQString(extData->GetMainText()) : QString());
    const auto variant = m_block->GetSymbolVariant();
    return variant > 100 && variant < 103 ? variant : kStraight;
}

void CDlgSymbSection::initNewSymbol()
{
    SetSectionType(showDesignation());
    loadHostDefaults(hostSupport(), m_block);
    // Fewer than three points cannot place a mark: it starts from the default three.
    auto* scope = m_block->GetScopePoints();
    if (scope != nullptr && scope->GetCount() < 3) {
        scope->RemoveAll();
        scope->AddScopePoint(1, 1, 2, 0.0, 0.0, 0.0, 0, 0, 0, 0);
        scope->AddScopePoint(1, 2, 2, 10.0, 0.0, 0.0, 0, 0, 0, 0);
        scope->AddScopePoint(1, 3, 2, 10.0, 10.0, 0.0, 0, 0, 0, 0);
    }
}

void CDlgSymbSection::initExistingSymbol()
{
    // The kind of line, the layer and the points of an existing mark stay as they are.
    const std::uint32_t shown = showDesignation();
    showSectionType(shown);
    m_controls.straight->setEnabled(shown == kStraight);
    m_controls.stepped->setEnabled(shown == kStepped);
}

}  // namespace tarvelo::dialogs
