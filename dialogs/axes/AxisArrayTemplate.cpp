// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "AxisArrayTemplate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "CComboLayers.h"
#include "CellGrid.h"
#include "CFxAxisPreview.h"
#include "CNumEdit.h"
#include "SymbolDialogTemplates.h"
#include "SymbolPreview.h"

namespace tarvelo::dialogs {

namespace {

using Id = AxisArrayTemplate;

QGroupBox* group(QDialog& dialog, int number, const char* title)
{
    return named(new QGroupBox(QString::fromUtf8(title), &dialog), number);
}

QPushButton* smallFlatButton(QWidget& parent, int number, const QString& text)
{
    auto* button = named(new QPushButton(text, &parent), number);
    button->setFlat(true);
    button->setAutoDefault(false);
    button->setFixedWidth(32);
    return button;
}

controls::CellGrid* axisTable(QWidget& parent, int number)
{
    const QStringList columns{QString::fromUtf8(kAxisNameColumn), QString::fromUtf8(kAxisStepColumn)};
    auto* table = named(new controls::CellGrid(columns, &parent), number);
    table->setMinimumSize(190, 180);
    return table;
}

/// One table's column: caption, placement list, table, "+" and "-"; the editors come later.
/// Made in the group that shows them: moving a widget there later costs as much again as making it.
AxisTableControls axisColumn(QWidget& group, QGridLayout& grid, int column, int captionId, const char* caption,
                             int placementLabelId, const std::array<int, 6>& ids)
{
    AxisTableControls controls;
    grid.addWidget(named(new QLabel(QString::fromUtf8(caption), &group), captionId), 0, column);

    auto* placementRow = new QHBoxLayout;
    auto* placementLabel = named(new QLabel(QStringLiteral("Расположение"), &group), placementLabelId);
    controls.placement = named(new QComboBox(&group), ids[1]);
    placementLabel->setBuddy(controls.placement);
    placementRow->addWidget(placementLabel);
    placementRow->addWidget(controls.placement, 1);
    grid.addLayout(placementRow, 1, column);

    controls.table = axisTable(group, ids[0]);
    grid.addWidget(controls.table, 2, column);

    auto* buttons = new QHBoxLayout;
    controls.add = smallFlatButton(group, ids[2], QStringLiteral("+"));
    controls.remove = smallFlatButton(group, ids[3], QStringLiteral("-"));
    buttons->addWidget(controls.add);
    buttons->addWidget(controls.remove);
    buttons->addStretch(1);
    grid.addLayout(buttons, 3, column);

    controls.nameId = ids[4];
    controls.stepId = ids[5];
    return controls;
}

controls::CNumEdit* disabledNumber(QWidget& parent, int number)
{
    auto* edit = named(new controls::CNumEdit(&parent), number);
    edit->setEnabled(false);
    edit->setMinimumWidth(100);
    return edit;
}

QLabel* caption(QWidget& parent, int number, const QString& text, QWidget* buddy)
{
    auto* label = named(new QLabel(text, &parent), number);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

void buildAxisEditors(AxisTableControls& controls)
{
    // The editors are the table's own children, so that they move with it.
    controls.name = named(new QLineEdit(controls.table), controls.nameId);
    controls.name->hide();
    controls.step = named(new controls::CNumEdit(controls.table), controls.stepId);
    controls.step->hide();
    // Where they stood when the column was made with them: after "-", before the next column.
    setTabChain({controls.remove, controls.name, controls.step});
}

AxisArrayControls buildAxisArrayTemplate(QDialog& dialog, const FrameControls& frame)
{
    AxisArrayControls controls;
    auto* layout = addTemplateColumn(dialog, frame);
    // A grid of axes is the largest symbol of all: its marks and dimensions read only in a wide pane.
    frame.preview->setMinimumWidth(400);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);
    layout->addLayout(columns, 1);

    auto* typeGroup = group(dialog, Id::kTypeGroup, "Тип");
    controls.type = named(new QComboBox(typeGroup), Id::kType);
    (new QVBoxLayout(typeGroup))->addWidget(controls.type);
    left->addWidget(typeGroup);

    auto* axesGroup = group(dialog, Id::kAxesGroup, "Массив осей");
    auto* axes = new QGridLayout(axesGroup);
    controls.letters = axisColumn(*axesGroup, *axes, 0, Id::kLettersCaption, "Буквенные", Id::kLetterPlacementLabel,
                                  {Id::kLetterTable, Id::kLetterPlacement, Id::kAddLetter, Id::kRemoveLetter,
                                   Id::kLetterName, Id::kLetterStep});
    controls.numbers = axisColumn(*axesGroup, *axes, 1, Id::kNumbersCaption, "Цифровые", Id::kNumberPlacementLabel,
                                  {Id::kNumberTable, Id::kNumberPlacement, Id::kAddNumber, Id::kRemoveNumber,
                                   Id::kNumberName, Id::kNumberStep});
    axes->setRowStretch(2, 1);
    left->addWidget(axesGroup, 1);

    auto* schemeGroup = group(dialog, Id::kSchemeGroup, "Схема");
    controls.preview = named(new CFxAxisPreview(schemeGroup), Id::kScheme);
    auto* scheme = new QHBoxLayout(schemeGroup);
    scheme->addStretch(1);
    scheme->addWidget(controls.preview);
    scheme->addStretch(1);
    right->addWidget(schemeGroup);

    auto* dimensionsGroup = group(dialog, Id::kDimensionsGroup, "Осевые размеры");
    controls.dimensionChain = named(new QCheckBox(QStringLiteral("Размерная цепь"), dimensionsGroup), Id::kDimensionChain);
    controls.overallDimension =
        named(new QCheckBox(QStringLiteral("Общий размер"), dimensionsGroup), Id::kOverallDimension);
    auto* dimensions = new QVBoxLayout(dimensionsGroup);
    dimensions->addWidget(controls.dimensionChain);
    dimensions->addWidget(controls.overallDimension);
    right->addWidget(dimensionsGroup);

    auto* insertionGroup = group(dialog, Id::kInsertionGroup, "Точка вставки");
    controls.insertionGiven = named(new QCheckBox(insertionGroup), Id::kInsertionGiven);
    controls.insertionX = disabledNumber(*insertionGroup, Id::kInsertionX);
    controls.insertionY = disabledNumber(*insertionGroup, Id::kInsertionY);
    auto* insertion = new QGridLayout(insertionGroup);
    insertion->addWidget(controls.insertionGiven, 0, 0, 2, 1);
    insertion->addWidget(caption(*insertionGroup, Id::kInsertionXCaption, QStringLiteral("X :"), controls.insertionX), 0, 1);
    insertion->addWidget(controls.insertionX, 0, 2);
    insertion->addWidget(caption(*insertionGroup, Id::kInsertionYCaption, QStringLiteral("Y :"), controls.insertionY), 1, 1);
    insertion->addWidget(controls.insertionY, 1, 2);
    right->addWidget(insertionGroup);

    auto* angleGroup = group(dialog, Id::kAngleGroup, "Угол поворота");
    controls.angleGiven = named(new QCheckBox(angleGroup), Id::kAngleGiven);
    controls.angle = disabledNumber(*angleGroup, Id::kAngle);
    auto* angle = new QHBoxLayout(angleGroup);
    angle->addWidget(controls.angleGiven);
    angle->addWidget(controls.angle);
    angle->addStretch(1);
    right->addWidget(angleGroup);
    right->addStretch(1);

    auto* layerGroup = group(dialog, Id::kLayerGroup, "Слой в чертеже");
    (new QVBoxLayout(layerGroup))->addWidget(frame.layers);
    layout->addWidget(layerGroup);

    controls.asPrimitives = named(new QCheckBox(QStringLiteral("В виде примитивов"), &dialog), Id::kAsPrimitives);
    layout->addWidget(controls.asPrimitives);
    addButtonRow(*layout, frame);
    return controls;
}

}  // namespace tarvelo::dialogs
