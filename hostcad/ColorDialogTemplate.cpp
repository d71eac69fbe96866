// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "ColorDialogTemplate.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ColorChoice.h"
#include "ColorIndex.h"
#include "PaletteGrid.h"
#include "tarvelo/services/Named.h"

namespace tarvelo::hostcad {

ColorDialogControls buildColorDialogTemplate(QDialog& dialog)
{
    dialog.setObjectName(QStringLiteral("color-dialog"));
    dialog.setWindowTitle(QStringLiteral("Выбор цвета"));

    ColorDialogControls controls;
    controls.palette = named(new PaletteGrid(&dialog), "palette");
    controls.numberInfo = named(new QLabel(colorNumberCaption(std::nullopt), &dialog), "color-number-info");
    controls.rgbInfo = named(new QLabel(colorRgbCaption(std::nullopt), &dialog), "color-rgb-info");
    controls.byLayer = named(new QPushButton(colorNumberText(kColorByLayer), &dialog), "by-layer");
    controls.byBlock = named(new QPushButton(colorNumberText(kColorByBlock), &dialog), "by-block");
    controls.colorText = named(new QLineEdit(&dialog), "color-text");
    controls.preview = named(new QLabel(&dialog), "color-preview");

    auto* buttons = new QDialogButtonBox(&dialog);
    controls.accept = named(buttons->addButton(QStringLiteral("ОК"), QDialogButtonBox::AcceptRole), "1");
    controls.cancel = named(buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole), "2");
    controls.accept->setDefault(true);
    // Enter on a meta button accepts the dialog rather than pressing it again.
    controls.byLayer->setAutoDefault(false);
    controls.byBlock->setAutoDefault(false);

    controls.colorText->setMaxLength(8);
    controls.preview->setFixedSize(48, 22);
    controls.preview->setFrameShape(QFrame::Box);
    controls.preview->setAutoFillBackground(true);
    auto* colorLabel = new QLabel(QStringLiteral("&Цвет:"), &dialog);
    colorLabel->setBuddy(controls.colorText);

    auto* info = new QVBoxLayout;
    info->addWidget(controls.numberInfo);
    info->addWidget(controls.rgbInfo);
    auto* metaColors = new QHBoxLayout;
    metaColors->addWidget(controls.byLayer);
    metaColors->addWidget(controls.byBlock);
    auto* infoRow = new QHBoxLayout;
    infoRow->addLayout(info);
    infoRow->addStretch();
    infoRow->addLayout(metaColors);

    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(controls.colorText);
    colorRow->addWidget(controls.preview);
    colorRow->addStretch();

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(controls.palette);
    layout->addLayout(infoRow);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabChain({controls.palette, controls.byLayer, controls.byBlock, controls.colorText, controls.accept,
                 controls.cancel});
    return controls;
}

}  // namespace tarvelo::hostcad
