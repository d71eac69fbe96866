// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CSymbolDialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <cstdlib>
#include <limits>

#include "CComboLayers.h"
#include "CDlgObjProperties.h"
#include "CellGrid.h"
#include "NumberText.h"
#include "RenderPicture.h"
#include "ResourceIds.h"
#include "ScaleButton.h"
#include "SymbolPreview.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/IGeoItemTraits.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/IServiceEnvironment.h"
#include "tarvelo/services/IMessageService.h"

namespace tarvelo::dialogs {

CSymbolDialog::CSymbolDialog(QWidget* parent, services::IServiceEnvironment& environment, const FrameTemplate& frame)
    : QDialog(parent), m_environment(environment), m_hostSupport(environment), m_template(frame),
      m_frame(createFrameControls(*this, frame, environment.messages()))
{
    connect(m_frame.scale, &QPushButton::clicked, this, &CSymbolDialog::OnScaleButton);
    connect(m_frame.properties, &QPushButton::clicked, this, &CSymbolDialog::OnPropertiesButton);
    connect(m_frame.accept, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_frame.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int CSymbolDialog::EditBlock(hostcad::IDrawingDatabase* drawing, GEOTYPE_DEFINITION::IGeoBlock* block)
{
    if (drawing == nullptr || block == nullptr)
        return kRefused;
    m_drawing = drawing;
    m_block = block;
    InitControls();
    if (isNewSymbol()) {
        if (takesStoredScale())
            applyNewSymbolScale();
        initNewSymbol();
    } else {
        initExistingSymbol();
    }
    // What every dialog shows of the block it has prepared; a type clicked later leaves the user's layer.
    UpdateScaleCaption(m_block->GetScale());
    showBlockLayer();
    // An existing symbol stays on its layer.
    m_frame.layers->setEnabled(isNewSymbol());
    followBlockChanges();
    m_frame.preview->setBlock(m_block);
    const int result = exec() == QDialog::Accepted ? kAccepted : kCancelled;
    if (result == kAccepted) {
        writeBackOnAccept();
        saveDefaults();
    } else {
        afterCancel();
    }
    m_frame.preview->setBlock(nullptr);
    m_drawing = nullptr;
    m_block = nullptr;
    m_hostSupport.close();
    return result;
}

void CSymbolDialog::followBlockChanges()
{
    if (m_followsChanges)
        return;
    m_followsChanges = true;
    for (auto* control : findChildren<QWidget*>())
        followChangesOf(*control);
}

void CSymbolDialog::followLateControl(QWidget& control)
{
    // Before the dialog follows its controls, that first pass finds this one among them.
    if (!m_followsChanges)
        return;
    followChangesOf(control);
    for (auto* child : control.findChildren<QWidget*>())
        followChangesOf(*child);
}

void CSymbolDialog::followChangesOf(QWidget& control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(&control))
        connect(button, &QAbstractButton::clicked, this, &CSymbolDialog::blockChanged);
    else if (auto* edit = qobject_cast<QLineEdit*>(&control))
        connect(edit, &QLineEdit::textChanged, this, &CSymbolDialog::blockChanged);
    else if (auto* list = qobject_cast<QComboBox*>(&control))
        connect(list, &QComboBox::currentIndexChanged, this, &CSymbolDialog::blockChanged);
    else if (auto* tabs = qobject_cast<QTabBar*>(&control))
        connect(tabs, &QTabBar::currentChanged, this, &CSymbolDialog::blockChanged);
    else if (auto* table = qobject_cast<controls::CellGrid*>(&control))
        connect(table, &controls::CellGrid::cellChanged, this, &CSymbolDialog::blockChanged);
}

void CSymbolDialog::blockChanged()
{
    // A change often runs through several handlers; the drawing waits for the last of them.
    if (m_redrawPending)
        return;
    m_redrawPending = true;
    QTimer::singleShot(0, this, [this] {
        m_redrawPending = false;
        m_frame.preview->refresh();
    });
}

void CSymbolDialog::InitControls()
{
    m_frame.properties->setIcon(pictureIcon(resources::iconPath(resources::kPropertiesIcon)));
    m_frame.layers->FillLayers(m_drawing, &m_layerName);
    m_tips.AddTool(m_frame.properties, QString::fromUtf8(m_template.propertiesTip));
    m_tips.AddTool(m_frame.scale, QString::fromUtf8(m_template.scaleTip));
    m_tips.Activate(true);
}

void CSymbolDialog::accept()
{
    const QString unwritable = writesLayerOnAccept() ? m_frame.layers->unwritableLayerName() : QString();
    if (unwritable.isEmpty()) {
        QDialog::accept();
        return;
    }
    // Writing it would put a different name, with '?' for what is missing, into the block.
    m_environment.messages().show(windowTitle().toStdString(),
                                  "Имя слоя «" + unwritable.toStdString() +
                                      "» нельзя записать в символ: в кодировке Windows-1251, в которой символ "
                                      "хранит имена, нет некоторых его знаков. Выберите другой слой.",
                                  services::MessageIcon::Warning);
    m_frame.layers->setFocus();
}

void CSymbolDialog::writeBackOnAccept()
{
    auto* traits = m_block->GetTraits();
    if (traits != nullptr && writesLayerOnAccept())
        traits->SetLayerName(m_layerName);
}

bool CSymbolDialog::writesLayerOnAccept() const
{
    switch (m_template.layerOnAccept) {
    case LayerOnAccept::Always:
        return true;
    case LayerOnAccept::OnlyForNewSymbol:
        return isNewSymbol();
    case LayerOnAccept::WhenNotEmpty:
        return !m_layerName.empty();
    }
    return false;
}

void CSymbolDialog::UpdateScaleCaption(double scale)
{
    controls::setScaleCaption(*m_frame.scale, scale);
}

void CSymbolDialog::OnScaleButton()
{
    if (m_block != nullptr)
        controls::chooseBlockScale(*this, m_environment, *m_block, *m_frame.scale);
}

void CSymbolDialog::OnPropertiesButton()
{
    CDlgObjProperties properties(this, m_environment, &m_hostSupport);
    properties.EditBlock(m_drawing, m_block);
}

void CSymbolDialog::applyNewSymbolScale()
{
    const std::string stored = services::CSysHub(m_environment).GetStringParams(services::CSysHub::kParamsKey,
                                                                                "SymScl", "", false);
    const double scale = controls::parseLeadingNumber(stored);
    m_block->SetScale(scale > 0.0 && scale <= std::numeric_limits<double>::max() ? scale : 1.0);
}

void CSymbolDialog::showBlockLayer()
{
    auto* traits = m_block->GetTraits();
    m_layerName = traits != nullptr ? traits->GetLayerName() : std::string();
    // A new block without a layer would be written back without one: offer the
    // drawing's first layer instead. An existing symbol keeps what it has.
    if (m_layerName.empty() && isNewSymbol() && m_frame.layers->count() > 0)
        m_frame.layers->pickFirstLayer();
    else
        m_frame.layers->setLayerName(m_layerName);
}

bool CSymbolDialog::isNewSymbol() const
{
    return m_block != nullptr && m_block->GetEditMode() == 0;
}

}  // namespace tarvelo::dialogs
