// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "JoinPointTemplate.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "CComboLayers.h"

namespace tarvelo::dialogs {

JoinPointControls buildJoinPointTemplate(QDialog& dialog, const FrameControls& frame)
{
    JoinPointControls controls;
    auto* layout = new QVBoxLayout(&dialog);

    auto* identification = new QGroupBox(QStringLiteral("Идентификация"), &dialog);
    identification->setObjectName(QStringLiteral("12051"));
    auto* identificationLayout = new QGridLayout(identification);
    auto* label = new QLabel(QStringLiteral("Обозначение узла"), identification);
    label->setObjectName(QStringLiteral("designationLabel"));
    controls.designation = new QLineEdit(identification);
    controls.designation->setObjectName(QStringLiteral("12052"));
    label->setBuddy(controls.designation);
    controls.autoNumbering = new QCheckBox(QStringLiteral("Автонумерация узла"), identification);
    controls.autoNumbering->setObjectName(QStringLiteral("12050"));
    controls.autoNumbering->setEnabled(false);
    controls.autoNumbering->setVisible(false);
    identificationLayout->addWidget(label, 0, 0);
    identificationLayout->addWidget(controls.designation, 0, 1);
    identificationLayout->addWidget(controls.autoNumbering, 1, 0, 1, 2);
    layout->addWidget(identification);

    // The group shares its number with the template, as the resource numbers them.
    addLayerGroup(*layout, dialog, frame, 12055, QStringLiteral("Слой для объекта"));

    addButtonRow(*layout, frame);
    return controls;
}

}  // namespace tarvelo::dialogs
