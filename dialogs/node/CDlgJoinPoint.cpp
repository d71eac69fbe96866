// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CDlgJoinPoint.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "CComboLayers.h"
#include "HostDefaultsLoader.h"
#include "tarvelo/geometry/IExtData.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/IScopePointBlock.h"
#include "tarvelo/services/QtText.h"

namespace tarvelo::dialogs {

namespace {

/// Template 12055: the designation under "Идентификация", the layer group
/// "Слой для объекта", the shared buttons.
JoinPointControls buildJoinPointTemplate(QDialog& dialog, const FrameControls& frame)
{
    JoinPointControls controls;
    auto* layout = addTemplateColumn(dialog, frame);

    auto* identification =
        named(new QGroupBox(QStringLiteral("Идентификация"), &dialog), JoinPointTemplate::kIdentification);
    auto* identificationLayout = new QGridLayout(identification);
    auto* label = named(new QLabel(QStringLiteral("Обозначение узла"), identification), "designationLabel");
    controls.designation = named(new QLineEdit(identification), JoinPointTemplate::kDesignation);
    label->setBuddy(controls.designation);
    controls.autoNumbering =
        named(new QCheckBox(QStringLiteral("Автонумерация узла"), identification), JoinPointTemplate::kAutoNumbering);
    controls.autoNumbering->setEnabled(false);
    controls.autoNumbering->setVisible(false);
    identificationLayout->addWidget(label, 0, 0);
    identificationLayout->addWidget(controls.designation, 0, 1);
    identificationLayout->addWidget(controls.autoNumbering, 1, 0, 1, 2);
    layout->addWidget(identification);

    // The group shares its number with the template, as the resource numbers them.
    addLayerGroup(*layout, dialog, frame, JoinPointTemplate::kLayerGroup, QStringLiteral("Слой для объекта"));

    addButtonRow(*layout, frame);
    return controls;
}

}  // namespace

CDlgJoinPoint::CDlgJoinPoint(QWidget* parent, services::IServiceEnvironment& environment)
    : CSymbolDialog(parent, environment, kJoinPointFrame), m_controls(buildJoinPointTemplate(*this, frame()))
{
    connect(m_controls.designation, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_block != nullptr && m_block->GetExtData() != nullptr)
            m_block->GetExtData()->SetMainText(text::qStringToCp1251(text));
    });
}

void CDlgJoinPoint::initNewSymbol()
{
    if (m_block->IsEmpty() && m_block->GetScopePoints() != nullptr)
        m_block->GetScopePoints()->AddScopePoint(1, 1, 2, 0.0, 0.0, 0.0, 0, 0, 0, 0);
    ApplySymbolType(hostSupport(), kNodeDesignation, m_block);
    // Numbering starts at 1 for a new designation; an existing one the user emptied stays empty.
    if (auto* extData = m_block->GetExtData(); extData != nullptr && extData->GetMainText().empty())
        extData->SetMainText("1");
    showDesignation();
}

void CDlgJoinPoint::initExistingSymbol()
{
    frame().properties->setEnabled(false);
    showDesignation();
}

void CDlgJoinPoint::showDesignation()
{
    // Showing the text must not write it back: bytes without a character would be lost.
    if (const auto* extData = m_block->GetExtData()) {
        const QSignalBlocker quiet(m_controls.designation);
        m_controls.designation->setText(text::cp1251ToQString(extData->GetMainText()));
    }
}

void CDlgJoinPoint::afterCancel()
{
    m_block->Clear();
}

}  // namespace tarvelo::dialogs
