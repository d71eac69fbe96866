// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "LevelMarkTemplate.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "CComboLayers.h"
#include "ChoiceBox.h"
#include "CNumEdit.h"
#include "Choice.h"
#include "ImageButton.h"
#include "LevelMarkRules.h"
#include "RenderPicture.h"
#include "ResourceIds.h"

namespace tarvelo::dialogs {

namespace {

// A drop-down list whose entries show a 16 x 16 picture before their text.
QComboBox* imageList(QDialog& dialog, int number)
{
    auto* list = named(new controls::ChoiceBox(&dialog), number);
    controls::showSmallPictures(*list);
    return list;
}

void fillList(QComboBox& list, std::initializer_list<controls::Choice> choices)
{
    controls::fillChoices(list, choices, [](int image) { return pictureIcon(resources::bitmapPath(image)); });
    list.setCurrentIndex(-1);
}

}  // namespace

LevelMarkControls buildLevelMarkTemplate(QDialog& dialog, const FrameControls& frame)
{
    LevelMarkControls controls;
    auto* layout = addTemplateColumn(dialog, frame);

    controls.kind = imageList(dialog, LevelMarkTemplate::kKind);
    fillList(*controls.kind, {{"Отметка уровня", kLevelMark, resources::kLevelKindImages[0]},
                              {"Отметка уровня на плане", kPlanLevelMark, resources::kLevelKindImages[1]}});
    layout->addWidget(controls.kind);

    auto* levelRow = new QHBoxLayout;
    auto* levelLabel = named(new QLabel(QStringLiteral("Отметка уровня"), &dialog), LevelMarkTemplate::kLevelLabel);
    controls.level = named(new controls::CNumEdit(&dialog), LevelMarkTemplate::kLevel);
    levelLabel->setBuddy(controls.level);
    controls.attach = named(new ImageButton(&dialog), LevelMarkTemplate::kAttach);
    controls.attach->setAccessibleName(QStringLiteral("Привязать отметку уровня"));
    controls.unused = imageList(dialog, LevelMarkTemplate::kUnused);
    controls.unused->setEnabled(false);
    controls.unused->setVisible(false);
    levelRow->addWidget(levelLabel);
    levelRow->addWidget(controls.level, 1);
    levelRow->addWidget(controls.attach);
    levelRow->addWidget(controls.unused);
    layout->addLayout(levelRow);

    auto* noteGroup = named(new QGroupBox(QStringLiteral("Примечание"), &dialog), LevelMarkTemplate::kNoteGroup);
    auto* noteLayout = new QGridLayout(noteGroup);
    controls.note = named(new QLineEdit(noteGroup), LevelMarkTemplate::kNote);
    controls.extension = imageList(dialog, LevelMarkTemplate::kExtension);
    controls.extension->setParent(noteGroup);
    fillList(*controls.extension,
             {{"Без выносных линий", kWithoutExtensionLines, resources::kLevelExtensionImages[0]},
              {"С выносными линиями", kWithExtensionLines, resources::kLevelExtensionImages[1]}});
    controls.extension->setVisible(false);
    // One cell: the plan mark's list takes the note's place.
    noteLayout->addWidget(controls.note, 0, 0);
    noteLayout->addWidget(controls.extension, 0, 0);
    layout->addWidget(noteGroup);

    addLayerGroup(*layout, dialog, frame, LevelMarkTemplate::kLayerGroup, QStringLiteral("Слой для объекта"));

    addButtonRow(*layout, frame);
    return controls;
}

}  // namespace tarvelo::dialogs
