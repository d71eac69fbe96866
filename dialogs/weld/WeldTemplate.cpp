// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "WeldTemplate.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "CComboLayers.h"
#include "ObjPropertiesTemplate.h"
#include "ResourceIds.h"
#include "WeldRules.h"

namespace tarvelo::dialogs {

WeldControls buildWeldTemplate(QDialog& dialog, const FrameControls& frame)
{
    WeldControls controls;
    auto* layout = new QVBoxLayout(&dialog);

    controls.typeGroup = named(new QGroupBox(QStringLiteral("Тип"), &dialog), 12100);
    controls.picture = named(new QLabel(controls.typeGroup), 12102);
    controls.picture->setAlignment(Qt::AlignCenter);
    const QPixmap first = renderPicture(resources::bitmapPath(resources::kWeldCornerFactoryContinuousVisible));
    controls.picture->setPixmap(first);
    controls.picture->setMinimumSize(first.size());
    controls.types = named(new QComboBox(controls.typeGroup), 12013);
    controls.types->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* typeLayout = new QVBoxLayout(controls.typeGroup);
    typeLayout->addWidget(controls.picture);
    typeLayout->addWidget(controls.types);
    layout->addWidget(controls.typeGroup);

    controls.layerGroup = addLayerGroup(*layout, dialog, frame, 12101, QStringLiteral("Слой для объекта"));

    addButtonRow(*layout, frame);
    return controls;
}

void insertWeldTypes(QComboBox& types)
{
    for (const weld::WeldType& type : weld::kWeldTypes)
        types.addItem(QString::fromUtf8(type.text), QVariant::fromValue(type.code));
    // The dialog selects the starting type itself; a code without an entry selects none.
    types.setCurrentIndex(-1);
}

}  // namespace tarvelo::dialogs
