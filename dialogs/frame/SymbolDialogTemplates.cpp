// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "SymbolDialogTemplates.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "CComboLayers.h"
#include "ImageButton.h"
#include "ResourceIds.h"

namespace tarvelo::dialogs {

namespace {

QString id(int number)
{
    return QString::number(number);
}

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
    dialog.setObjectName(id(frame.templateId));
    dialog.setWindowTitle(QString::fromUtf8(frame.title));
    FrameControls controls;
    controls.properties = flatButton(dialog, frame.propertiesButton, {});
    controls.properties->setIconSize(QSize(24, 24));
    controls.scale = flatButton(dialog, frame.scaleButton, QString::fromUtf8(frame.scaleCaption));
    controls.scale->setMinimumWidth(90);
    controls.layers = named(new controls::CComboLayers(messages, &dialog), frame.layerCombo);
    controls.layers->setMinimumWidth(200);
    controls.accept = named(new QPushButton(QStringLiteral("Применить"), &dialog), 1);
    controls.accept->setDefault(true);
    controls.cancel = named(new QPushButton(QStringLiteral("Отменить"), &dialog), 2);
    controls.cancel->setAutoDefault(false);
    return controls;
}

void addLayerRow(QBoxLayout& layout, QDialog& dialog, const FrameControls& frame, int labelId)
{
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("Слой в чертеже"), &dialog);
    label->setObjectName(labelId > 0 ? id(labelId) : QStringLiteral("layerLabel"));
    label->setBuddy(frame.layers);
    row->addWidget(label);
    row->addWidget(frame.layers, 1);
    layout.addLayout(row);
}

QGroupBox* addLayerGroup(QBoxLayout& layout, QDialog& dialog, const FrameControls& frame, int groupId,
                         const QString& caption)
{
    auto* group = named(new QGroupBox(caption, &dialog), groupId);
    auto* row = new QHBoxLayout(group);
    frame.layers->setParent(group);
    row->addWidget(frame.layers);
    layout.addWidget(group);
    return group;
}

void addButtonRow(QBoxLayout& layout, const FrameControls& frame)
{
    auto* row = new QHBoxLayout;
    row->addWidget(frame.properties);
    row->addWidget(frame.scale);
    row->addStretch(1);
    row->addWidget(frame.accept);
    row->addWidget(frame.cancel);
    layout.addLayout(row);
}

SectionControls buildSectionTemplate(QDialog& dialog, const FrameControls& frame)
{
    SectionControls controls;
    auto* layout = new QVBoxLayout(&dialog);
    auto* types = new QHBoxLayout;
    controls.straight = named(new ImageButton(&dialog), 12014);
    controls.straight->setAccessibleName(QStringLiteral("Прямая линия сечения"));
    controls.stepped = named(new ImageButton(&dialog), 12015);
    controls.stepped->setAccessibleName(QStringLiteral("Ступенчатая линия сечения"));
    types->addWidget(controls.straight);
    types->addWidget(controls.stepped);
    types->addStretch(1);
    layout->addLayout(types);

    auto* designationRow = new QHBoxLayout;
    auto* label = named(new QLabel(QStringLiteral("Обозначение"), &dialog), 12016);
    controls.designation = named(new QLineEdit(&dialog), 12017);
    label->setBuddy(controls.designation);
    designationRow->addWidget(label);
    designationRow->addWidget(controls.designation, 1);
    layout->addLayout(designationRow);

    addLayerRow(*layout, dialog, frame, 12018);
    addButtonRow(*layout, frame);
    return controls;
}

}  // namespace tarvelo::dialogs
