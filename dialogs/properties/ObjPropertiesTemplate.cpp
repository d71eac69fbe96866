// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "ObjPropertiesTemplate.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "CClrListBox.h"
#include "CColorPickerCB.h"
#include "RenderPicture.h"
#include "ResourceIds.h"
#include "tarvelo/services/Named.h"

namespace tarvelo::dialogs {

namespace {

using Id = ObjPropertiesTemplate;

QPushButton* iconButton(QWidget* parent, int id, int icon)
{
    auto* button = named(new QPushButton(parent), id);
    button->setFlat(true);
    const QPixmap picture = renderPicture(resources::iconPath(icon));
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.size());
    button->setAutoDefault(false);
    return button;
}

}  // namespace

ObjPropertiesControls buildObjPropertiesTemplate(QDialog& dialog, services::IServiceEnvironment& environment)
{
    named(&dialog, Id::kTemplate);
    dialog.setWindowTitle(QStringLiteral("Свойства объекта"));

    ObjPropertiesControls controls;
    auto* schemeGroup = named(new QGroupBox(QStringLiteral("Схема объекта"), &dialog), Id::kSchemeGroup);
    controls.scheme = named(new QLabel(schemeGroup), Id::kScheme);
    controls.scheme->setAlignment(Qt::AlignCenter);
    controls.scheme->setMinimumSize(pictureSize(resources::bitmapPath(resources::kSchemeOther)));
    auto* schemeLayout = new QVBoxLayout(schemeGroup);
    schemeLayout->addWidget(controls.scheme);
    schemeLayout->addStretch();

    controls.pages = named(new QTabBar(&dialog), Id::kPages);
    controls.pages->addTab(QStringLiteral("Геометрия"));
    controls.pages->addTab(QStringLiteral("Графика"));
    controls.pages->setExpanding(false);

    controls.list = named(new controls::CClrListBox(environment, &dialog), Id::kList);
    controls.list->setHeaderLabels({QStringLiteral("Параметр"), QStringLiteral("Значение")});
    // As plain numbers, so that no type of the module's own making stays registered once it is unloaded.
    controls.list->headerItem()->setData(0, Qt::TextAlignmentRole, int(Qt::AlignCenter));
    controls.list->headerItem()->setData(1, Qt::TextAlignmentRole, int(Qt::AlignCenter));
    controls.list->header()->setStretchLastSection(false);
    controls.list->header()->setSectionsMovable(false);
    controls.list->setMinimumSize(380, 260);
    controls.list->setMouseTracking(true);

    // The in-place editors float over the list's value cells, outside the layout.
    controls.valueEdit = named(new QLineEdit(&dialog), Id::kValueEdit);
    controls.valueEdit->hide();
    controls.choices = named(new controls::CColorPickerCB(&dialog), Id::kChoices);
    controls.choices->hide();
    controls.more = named(new QPushButton(QStringLiteral("..."), &dialog), Id::kMore);
    controls.more->hide();

    controls.settings = iconButton(&dialog, Id::kSettings, resources::kSettingsIcon);
    controls.saveSettingsButton = iconButton(&dialog, Id::kSaveSettingsButton, resources::kSaveSettingsIcon);
    controls.saveSettings = named(new QCheckBox(QStringLiteral("Сохранить настройки"), &dialog), Id::kSaveSettings);
    controls.saveSettings->setEnabled(false);
    controls.saveSettings->hide();

    auto* decision = new QDialogButtonBox(&dialog);
    controls.save = named(decision->addButton(QStringLiteral("Сохранить"), QDialogButtonBox::AcceptRole), Id::kSave);
    controls.save->setDefault(true);
    controls.cancel = named(decision->addButton(QStringLiteral("Отменить"), QDialogButtonBox::RejectRole), Id::kCancel);
    controls.cancel->setAutoDefault(false);

    auto* pageLayout = new QVBoxLayout;
    pageLayout->setSpacing(0);
    pageLayout->addWidget(controls.pages);
    pageLayout->addWidget(controls.list);

    auto* topLayout = new QHBoxLayout;
    topLayout->addWidget(schemeGroup);
    topLayout->addLayout(pageLayout, 1);

    auto* buttonLayout = new QHBoxLayout;
    buttonLayout->addWidget(controls.settings);
    buttonLayout->addWidget(controls.saveSettingsButton);
    buttonLayout->addWidget(controls.saveSettings);
    buttonLayout->addStretch();
    buttonLayout->addWidget(decision);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(topLayout);
    layout->addLayout(buttonLayout);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabChain({controls.pages, controls.list, controls.save, controls.cancel, controls.settings,
                 controls.saveSettingsButton});
    return controls;
}

}  // namespace tarvelo::dialogs
