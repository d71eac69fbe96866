// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "BoundHatchTemplate.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "CComboLayers.h"
#include "ImageButton.h"

namespace tarvelo::dialogs {

namespace {

// Left to right as the template places them.
constexpr std::array kButtonRowOrder{12102, 12099, 12101, 12100, 12103};

}  // namespace

BoundHatchControls buildBoundHatchTemplate(QDialog& dialog, const FrameControls& frame)
{
    BoundHatchControls controls;
    auto* layout = new QVBoxLayout(&dialog);

    for (std::size_t index = 0; index < kHatchTypeButtons.size(); ++index) {
        const HatchTypeButton& type = kHatchTypeButtons[index];
        auto* button = new ImageButton(&dialog);
        button->setObjectName(QString::number(type.id));
        button->setAccessibleName(QString::fromUtf8(type.name));
        if (!type.offered) {
            button->setEnabled(false);
            button->setVisible(false);
        }
        controls.types[index] = button;
    }
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (int id : kButtonRowOrder)
        row->addWidget(dialog.findChild<ImageButton*>(QString::number(id)));
    row->addStretch(1);
    layout->addLayout(row);

    controls.layerGroup = addLayerGroup(*layout, dialog, frame, 12096, QStringLiteral("Слой для объекта"));

    addButtonRow(*layout, frame);
    return controls;
}

}  // namespace tarvelo::dialogs
