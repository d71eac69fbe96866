// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DivisionTemplate.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "CComboLayers.h"
#include "CNumEdit.h"
#include "ImageButton.h"

namespace tarvelo::dialogs {

DivisionControls buildDivisionTemplate(QDialog& dialog, const FrameControls& frame)
{
    DivisionControls controls;
    auto* layout = addTemplateColumn(dialog, frame);

    auto* types = new QHBoxLayout;
    for (std::size_t index = 0; index < kBreakTypeButtons.size(); ++index) {
        const BreakTypeButton& button = kBreakTypeButtons[index];
        controls.types[index] = named(new ImageButton(&dialog), button.id);
        controls.types[index]->setAccessibleName(QString::fromUtf8(button.tip));
        types->addWidget(controls.types[index]);
    }
    types->addStretch(1);
    layout->addLayout(types);

    controls.fixedSize =
        named(new QCheckBox(QStringLiteral("Фиксированный размер"), &dialog), DivisionTemplate::kFixedSize);
    layout->addWidget(controls.fixedSize);

    auto* sizes = new QGridLayout;
    auto* heightLabel = named(new QLabel(QStringLiteral("Высота"), &dialog), DivisionTemplate::kHeightLabel);
    controls.height = named(new controls::CNumEdit(&dialog), DivisionTemplate::kHeight);
    heightLabel->setBuddy(controls.height);
    auto* widthLabel = named(new QLabel(QStringLiteral("Ширина"), &dialog), DivisionTemplate::kWidthLabel);
    controls.width = named(new controls::CNumEdit(&dialog), DivisionTemplate::kWidth);
    widthLabel->setBuddy(controls.width);
    sizes->addWidget(heightLabel, 0, 0);
    sizes->addWidget(controls.height, 0, 1);
    sizes->addWidget(widthLabel, 1, 0);
    sizes->addWidget(controls.width, 1, 1);
    sizes->setColumnStretch(2, 1);
    layout->addLayout(sizes);

    addLayerGroup(*layout, dialog, frame, DivisionTemplate::kLayerGroup, QStringLiteral("Слой в чертеже"));

    addButtonRow(*layout, frame);
    return controls;
}

}  // namespace tarvelo::dialogs
