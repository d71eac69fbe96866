// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "SettingsTemplate.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "UserDefaults.h"
#include "tarvelo/services/Named.h"

namespace tarvelo::cfgkit {

namespace {

QComboBox* typeList(QDialog& dialog, const char* objectName, std::span<const TypeChoice> choices)
{
    auto* list = named(new QComboBox(&dialog), objectName);
    for (const TypeChoice& choice : choices)
        list->addItem(QString::fromUtf8(choice.caption), choice.code);
    return list;
}

QSpinBox* decimalsBox(QDialog& dialog, const char* objectName)
{
    auto* box = named(new QSpinBox(&dialog), objectName);
    box->setRange(0, kMaxDecimals);
    return box;
}

LibraryPathControls libraryRow(QDialog& dialog, QFormLayout& form, const QString& caption, const char* objectName)
{
    const QString name = QString::fromLatin1(objectName);
    LibraryPathControls row;
    row.path = new QLineEdit(&dialog);
    row.path->setObjectName(name);
    row.browse = new QPushButton(QStringLiteral("Обзор…"), &dialog);
    row.browse->setObjectName(name + QStringLiteral("-browse"));
    row.browse->setAutoDefault(false);
    row.note = new QLabel(&dialog);
    row.note->setObjectName(name + QStringLiteral("-note"));
    row.note->setStyleSheet(QStringLiteral("color: #b00000"));

    auto* line = new QHBoxLayout;
    line->addWidget(row.path, 1);
    line->addWidget(row.browse);
    auto* column = new QVBoxLayout;
    column->addLayout(line);
    column->addWidget(row.note);
    form.addRow(caption, column);
    return row;
}

}  // namespace

SettingsControls buildSettingsTemplate(QDialog& dialog)
{
    dialog.setObjectName(QStringLiteral("settings-dialog"));
    dialog.setWindowTitle(QStringLiteral("Настройки"));

    SettingsControls controls;
    controls.scale = named(new QLineEdit(&dialog), "default-scale");
    controls.scale->setToolTip(QStringLiteral("Масштаб, с которым создаются новые обозначения, например 1 или 100"));
    controls.decimals = decimalsBox(dialog, "decimals");
    controls.levelDecimals = decimalsBox(dialog, "level-decimals");
    controls.breakType = typeList(dialog, "break-type", breakTypes());
    controls.levelType = typeList(dialog, "level-type", levelTypes());
    controls.weldType = typeList(dialog, "weld-type", weldTypes());
    controls.noteAngle = named(new QLineEdit(&dialog), "note-angle");
    controls.noteEnding = named(new QLineEdit(&dialog), "note-ending");

    auto* symbols = new QGroupBox(QStringLiteral("Обозначения"), &dialog);
    auto* symbolForm = new QFormLayout(symbols);
    symbolForm->addRow(QStringLiteral("Масштаб по умолчанию:"), controls.scale);
    symbolForm->addRow(QStringLiteral("Знаков после запятой:"), controls.decimals);
    symbolForm->addRow(QStringLiteral("Знаков после запятой у отметки уровня:"), controls.levelDecimals);
    symbolForm->addRow(QStringLiteral("Тип разрыва:"), controls.breakType);
    symbolForm->addRow(QStringLiteral("Тип отметки уровня:"), controls.levelType);
    symbolForm->addRow(QStringLiteral("Тип сварного шва:"), controls.weldType);
    symbolForm->addRow(QStringLiteral("Шаг угла выноски, °:"), controls.noteAngle);
    symbolForm->addRow(QStringLiteral("Окончание линии выноски (код):"), controls.noteEnding);

    auto* libraries = new QGroupBox(QStringLiteral("Библиотеки"), &dialog);
    auto* libraryForm = new QFormLayout(libraries);
    controls.hostLibrary = libraryRow(dialog, *libraryForm, QStringLiteral("Библиотека поддержки хоста:"), "host-library");
    controls.settingsLibrary =
        libraryRow(dialog, *libraryForm, QStringLiteral("Библиотека настроек:"), "settings-library");

    auto* buttons = new QDialogButtonBox(&dialog);
    controls.accept = named(buttons->addButton(QStringLiteral("ОК"), QDialogButtonBox::AcceptRole), "1");
    controls.cancel = named(buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole), "2");
    controls.factoryDefaults =
        named(buttons->addButton(QStringLiteral("По умолчанию"), QDialogButtonBox::ResetRole), "factory-defaults");
    controls.accept->setDefault(true);
    controls.factoryDefaults->setAutoDefault(false);

    auto* page = new QVBoxLayout(&dialog);
    page->addWidget(symbols);
    page->addWidget(libraries);
    page->addWidget(buttons);
    dialog.setMinimumWidth(520);
    return controls;
}

}  // namespace tarvelo::cfgkit
