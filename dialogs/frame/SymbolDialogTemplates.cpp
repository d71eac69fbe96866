// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "SymbolDialogTemplates.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "CComboLayers.h"
#include "ResourceIds.h"
#include "SymbolPreview.h"

namespace tarvelo::dialogs {

namespace {

QPushButton* flatButton(QDialog& dialog, int number, const QString& text)
{
    auto* button = named(new QPushButton(text, &dialog), number);
    button->setFlat(true);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

FrameControls createFrameControls(QDialog& dialog, const FrameTemplate& frame, services::IMessageService& messages)
{
    named(&dialog, frame.templateId);
    dialog.setWindowTitle(QString::fromUtf8(frame.title));
    // Measuring the captions through the text shaper was a third of showing the axis array
    // dialog. Russian and Latin text needs no shaping (Qt still shapes scripts that do), and
    // the dialogs look the same to the pixel without it.
    QFont font = dialog.font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    dialog.setFont(font);
    FrameControls controls;
    controls.properties = flatButton(dialog, frame.propertiesButton, {});
    controls.properties->setIconSize(QSize(24, 24));
    controls.scale = flatButton(dialog, frame.scaleButton, QString::fromUtf8(frame.scaleCaption));
    controls.scale->setMinimumWidth(90);
    controls.layers = named(new controls::CComboLayers(messages, &dialog), frame.layerCombo);
    controls.layers->setMinimumWidth(200);
    controls.decision = new QDialogButtonBox(&dialog);
    controls.accept = named(controls.decision->addButton(QStringLiteral("Применить"), QDialogButtonBox::AcceptRole),
                            kAcceptButton);
    controls.accept->setDefault(true);
    controls.cancel = named(controls.decision->addButton(QStringLiteral("Отменить"), QDialogButtonBox::RejectRole),
                            kCancelButton);
    controls.cancel->setAutoDefault(false);
    controls.preview = new SymbolPreview(&dialog);
    return controls;
}

QVBoxLayout* addTemplateColumn(QDialog& dialog, const FrameControls& frame)
{
    auto* row = new QHBoxLayout(&dialog);
    auto* column = new QVBoxLayout;
    row->addLayout(column);
    row->addWidget(frame.preview, 1);
    return column;
}

void addLayerRow(QBoxLayout& layout, QDialog& dialog, const FrameControls& frame, int labelId)
{
    auto* row = new QHBoxLayout;
    auto* label = named(new QLabel(QStringLiteral("Слой в чертеже"), &dialog), labelId);
    label->setBuddy(frame.layers);
    row->addWidget(label);
    row->addWidget(frame.layers, 1);
    layout.addLayout(row);
}

void addLayerGroup(QBoxLayout& layout, QDialog& dialog, const FrameControls& frame, int groupId,
                   const QString& caption)
{
    auto* group = named(new QGroupBox(caption, &dialog), groupId);
    auto* row = new QHBoxLayout(group);
    frame.layers->setParent(group);
    row->addWidget(frame.layers);
    layout.addWidget(group);
}

void addButtonRow(QBoxLayout& layout, const FrameControls& frame)
{
    auto* row = new QHBoxLayout;
    row->addWidget(frame.properties);
    row->addWidget(frame.scale);
    row->addStretch(1);
    row->addWidget(frame.decision);
    layout.addLayout(row);
}

}  // namespace tarvelo::dialogs
