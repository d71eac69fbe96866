// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CDialogDivision.h"

#include <QCheckBox>

#include "CComboLayers.h"
#include "CNumEdit.h"
#include "DivisionRules.h"
#include "HostDefaultsLoader.h"
#include "ImageButton.h"
#include "NumberText.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/IScopePointBlock.h"
#include "tarvelo/services/CSysHub.h"

namespace tarvelo::dialogs {

CDialogDivision::CDialogDivision(QWidget* parent, services::IServiceEnvironment& environment)
    : CSymbolDialog(parent, environment, kDivisionFrame), m_controls(buildDivisionTemplate(*this, frame()))
{
    for (std::size_t index = 0; index < kBreakTypeButtons.size(); ++index) {
        const std::uint32_t type = kBreakTypeButtons[index].type;
        connect(m_controls.types[index], &QToolButton::clicked, this, [this, type] { onTypeButton(type); });
    }
    connect(m_controls.fixedSize, &QCheckBox::clicked, this, &CDialogDivision::setFixedSize);
    // Only what the user types is a new size; the sizes shown keep their exact values.
    connect(m_controls.height, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_height = controls::parseLeadingNumber(text.toStdString());
        m_heightEdited = true;
    });
    connect(m_controls.width, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_width = controls::parseLeadingNumber(text.toStdString());
        m_widthEdited = true;
    });
}

void CDialogDivision::SetDivisionType(std::uint32_t type)
{
    showDivisionType(type);
    if (m_block != nullptr) {
        m_block->SetSymbolType(type);
        m_block->SetSymbolVariant(type);
    }
}

void CDialogDivision::showDivisionType(std::uint32_t type)
{
    m_type = type;
    for (std::size_t index = 0; index < kBreakTypeButtons.size(); ++index)
        m_controls.types[index]->setPushed(kBreakTypeButtons[index].type == type);
}

void CDialogDivision::SetHeightText(double value)
{
    m_height = value;
    showSize(*m_controls.height, value);
}

void CDialogDivision::SetWidthText(double value)
{
    m_width = value;
    showSize(*m_controls.width, value);
}

void CDialogDivision::showSize(controls::CNumEdit& edit, double value)
{
    const auto decimals = division::sizeDecimals(services::CSysHub(environment()).GetDwordParams("", "Roundz"));
    edit.setText(QString::fromStdString(controls::formatWithDecimals(decimals, value)));
}

void CDialogDivision::onTypeButton(std::uint32_t type)
{
    SetDivisionType(type);
    ApplyChosenSymbolType(hostSupport(), m_type, m_block);
}

void CDialogDivision::setFixedSize(bool fixed)
{
    m_fixedSize = fixed;
    m_controls.fixedSize->setChecked(fixed);
    m_controls.height->setEnabled(fixed);
    m_controls.width->setEnabled(fixed);
}

void CDialogDivision::InitControls()
{
    // A picture that cannot be read leaves its button blank; nothing here can stop the dialog opening.
    for (std::size_t index = 0; index < kBreakTypeButtons.size(); ++index)
        m_controls.types[index]->LoadBitmaps(kBreakTypeButtons[index].images);
    CSymbolDialog::InitControls();
    for (std::size_t index = 0; index < kBreakTypeButtons.size(); ++index)
        m_tips.AddTool(m_controls.types[index], QString::fromUtf8(kBreakTypeButtons[index].tip));
    setFixedSize(false);
}

void CDialogDivision::showMeasuredSize()
{
    auto* scope = m_block->GetScopePoints();
    if (scope == nullptr || scope->GetCount() <= 2)
        return;
    if (const auto sizes = division::measureBreak(*scope)) {
        SetWidthText(sizes->width);
        SetHeightText(sizes->height);
    }
}

void CDialogDivision::initNewSymbol()
{
    showMeasuredSize();
    setFixedSize(false);
    SetDivisionType(division::typeFromStored(services::CSysHub(environment()).GetDwordParams("", "DivType")));
    ApplySymbolType(hostSupport(), m_type, m_block);
}

void CDialogDivision::initExistingSymbol()
{
    showMeasuredSize();
    setFixedSize(true);
    // The variant names the break's type; a break without one shows the type it has.
    // Showing it writes nothing: the break stays as it is until the user chooses.
    const std::uint32_t variant = m_block->GetSymbolVariant();
    showDivisionType(variant != 0 ? variant : m_block->GetSymbolType());
}

void CDialogDivision::writeBackOnAccept()
{
    CSymbolDialog::writeBackOnAccept();
    auto* scope = m_block->GetScopePoints();
    if (scope == nullptr)
        return;
    if (isNewSymbol()) {
        // Unticked, the size is chosen in the drawing: all three points start at the origin.
        if (m_fixedSize)
            division::layOutNewBreak(*scope, m_height, m_width, division::kFixedSizeScopeKey);
        else
            division::layOutNewBreak(*scope, 0.0, 0.0, division::kDrawnSizeScopeKey);
        return;
    }
    // An existing break is resized only to a size the user typed, the other one
    // kept exact; untouched, it keeps its points. Unticked, its sizes count as 0,
    // and moving to them would fold the break onto its start point.
    if (m_fixedSize && (m_heightEdited || m_widthEdited))
        division::resizeBreak(*scope, m_height, m_width);
}

void CDialogDivision::saveDefaults()
{
    if (isNewSymbol())
        services::CSysHub(environment()).SetDwordParam("", "DivType", m_block->GetSymbolType());
}

}  // namespace tarvelo::dialogs
