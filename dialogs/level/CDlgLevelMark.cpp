// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CDlgLevelMark.h"

#include <QComboBox>
#include <QLineEdit>

#include "CComboLayers.h"
#include "Choice.h"
#include "CNumEdit.h"
#include "HostDefaultsLoader.h"
#include "ImageButton.h"
#include "LevelMarkRules.h"
#include "NumberText.h"
#include "ResourceIds.h"
#include "tarvelo/geometry/IExtData.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/IScopePointBlock.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/QtText.h"

namespace tarvelo::dialogs {

CDlgLevelMark::CDlgLevelMark(QWidget* parent, services::IServiceEnvironment& environment)
    : CSymbolDialog(parent, environment, kLevelMarkFrame), m_controls(buildLevelMarkTemplate(*this, frame()))
{
    connect(m_controls.kind, &QComboBox::activated, this, [this] { onKindChosen(controls::chosenValue(*m_controls.kind)); });
    connect(m_controls.extension, &QComboBox::activated, this, [this] {
        if (m_block != nullptr && m_block->GetScopePoints() != nullptr)
            applyPlanLayout(*m_block->GetScopePoints(), controls::chosenValue(*m_controls.extension));
    });
    // Only a level the user typed is written: one shown with fewer decimals must not round the block's.
    connect(m_controls.level, &QLineEdit::textEdited, this, &CDlgLevelMark::onLevelEdited);
    connect(m_controls.note, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_note = text::qStringToCp1251(text); });
    connect(m_controls.attach, &QToolButton::clicked, this, &CDlgLevelMark::onAttachClicked);
}

void CDlgLevelMark::InitControls()
{
    loadAttachImages();
    m_tips.AddTool(m_controls.attach, QStringLiteral("Привязать отметку уровня"));
    CSymbolDialog::InitControls();
}

void CDlgLevelMark::showTexts()
{
    auto* extData = m_block->GetExtData();
    const std::string mainText = extData != nullptr ? extData->GetMainText() : std::string();
    SetLevelText(controls::parseLeadingNumber(mainText));

    const std::string subText = extData != nullptr ? extData->GetSubText() : std::string();
    if (!subText.empty()) {
        m_note = subText;
        m_controls.note->setText(text::cp1251ToQString(subText));
    }
}

void CDlgLevelMark::initNewSymbol()
{
    showTexts();
    // A new mark takes the level as shown.
    onLevelEdited(m_controls.level->text());
    const std::uint32_t variant = m_block->GetSymbolVariant();
    SetLevelType(variant != 0 ? variant
                              : startLevelKind(services::CSysHub(environment()).GetDwordParams(
                                    "", kLevelDefaultTypeValue)));
    // Only now does the kind list show the kind: the geometry above saw no selection in it.
    controls::selectChoice(*m_controls.kind, m_block->GetSymbolVariant());
    auto* scope = m_block->GetScopePoints();
    if (scope != nullptr && scope->GetCount() == 0)
        setThreePointLayout(*scope);
    ApplyLevelSymbolType(hostSupport(), m_block->GetSymbolVariant(), m_block, m_attached);
}

void CDlgLevelMark::initExistingSymbol()
{
    showTexts();
    // Kind, extension lines, layer, attachment and points of an existing mark
    // stay as they are; the controls only show them.
    const std::uint32_t variant = m_block->GetSymbolVariant();
    showLevelControls(variant);
    controls::selectChoice(*m_controls.kind, variant);
    auto* scope = m_block->GetScopePoints();
    if (variant == kPlanLevelMark && scope != nullptr && scope->GetCount() == 3)
        controls::selectChoice(*m_controls.extension, kWithExtensionLines);
    m_attached = m_block->GetParam(kLevelAttachParam) != 0.0;
    loadAttachImages();
    m_controls.kind->setEnabled(false);
    m_controls.extension->setEnabled(false);
    m_controls.attach->setEnabled(false);
}

void CDlgLevelMark::SetLevelType(std::uint32_t variant)
{
    if (m_block != nullptr)
        m_block->SetSymbolVariant(variant);
    showLevelControls(variant);
    UpdateLevelGeometry();
}

void CDlgLevelMark::showLevelControls(std::uint32_t variant)
{
    if (variant != kPlanLevelMark && variant != kLevelMark)
        return;
    // A plan mark has no note: its list of extension lines takes the note's place.
    const bool plan = variant == kPlanLevelMark;
    m_controls.note->setEnabled(!plan);
    m_controls.note->setVisible(!plan);
    m_controls.extension->setEnabled(plan);
    m_controls.extension->setVisible(plan);
    if (plan)
        controls::selectChoice(*m_controls.extension, kWithoutExtensionLines);
    m_controls.attach->setEnabled(!plan);
}

void CDlgLevelMark::onKindChosen(std::uint32_t variant)
{
    SetLevelType(variant);
    // The kind is the mark's type: a chosen one brings its own defaults, not its own layer.
    if (m_block != nullptr && variant != 0) {
        ApplyChosenSymbolType(hostSupport(), variant, m_block);
        m_block->SetParam(kLevelAttachParam, m_attached ? 1.0 : 0.0);
    }
}

void CDlgLevelMark::SetLevelText(double level)
{
    const std::uint32_t decimals = services::CSysHub(environment()).GetDwordParams("", kLevelDecimalsValue);
    m_controls.level->setText(QString::fromStdString(controls::formatWithDecimals(decimals, level)));
}

void CDlgLevelMark::UpdateLevelGeometry()
{
    if (m_block == nullptr || m_block->GetScopePoints() == nullptr)
        return;
    applyLevelLayout(*m_block->GetScopePoints(), controls::chosenValue(*m_controls.kind), controls::chosenValue(*m_controls.extension));
}

void CDlgLevelMark::onLevelEdited(const QString& text)
{
    if (m_block != nullptr && m_block->GetExtData() != nullptr)
        m_block->GetExtData()->SetMainText(levelMainText(controls::parseLeadingNumber(text.toStdString())));
}

void CDlgLevelMark::onAttachClicked()
{
    m_attached = !m_attached;
    loadAttachImages();
    m_controls.attach->update();
}

void CDlgLevelMark::loadAttachImages()
{
    m_controls.attach->LoadBitmaps(m_attached ? resources::kLevelAttachOnButton : resources::kLevelAttachOffButton);
}

void CDlgLevelMark::writeBackOnAccept()
{
    CSymbolDialog::writeBackOnAccept();
    writeAcceptedLevelMark(hostSupport(), *m_block, m_note, m_attached);
}

void CDlgLevelMark::saveDefaults()
{
    services::CSysHub(environment()).SetDwordParam("", kLevelDefaultTypeValue, m_block->GetSymbolVariant());
}

void CDlgLevelMark::afterCancel()
{
    m_block->Clear();
}

void CDlgLevelMark::OnPropertiesButton()
{
    // The properties dialog shows the rows of the block's type, which is the kind.
    if (m_block != nullptr)
        m_block->SetSymbolType(m_block->GetSymbolVariant());
    CSymbolDialog::OnPropertiesButton();
}

}  // namespace tarvelo::dialogs
