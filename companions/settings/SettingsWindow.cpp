// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "SettingsWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

namespace tarvelo::cfgkit {

namespace {

constexpr const char* kCaption = "Настройки";
constexpr const char* kHostSupportValue = "DHOSTSP";
constexpr const char* kSettingsValue = "CFGKIT.DLL";

void selectCode(QComboBox* list, std::uint32_t code)
{
    list->setCurrentIndex(std::max(0, list->findData(code)));
}

void watchPath(const LibraryPathControls& row)
{
    auto update = [row] { row.note->setText(libraryPathNote(row.path->text())); };
    QObject::connect(row.path, &QLineEdit::textChanged, row.note, update);
    update();
}

}  // namespace

SettingsWindow::SettingsWindow(services::CSysHub& hub, services::IMessageService& messages, QWidget* parent)
    : m_hub(hub), m_messages(messages), m_dialog(parent), m_controls(buildSettingsTemplate(m_dialog))
{
    showDefaults(readUserDefaults(m_hub));
    m_controls.hostLibrary.path->setText(readLibraryPath(m_hub, kHostSupportValue));
    m_controls.settingsLibrary.path->setText(readLibraryPath(m_hub, kSettingsValue));
    watchPath(m_controls.hostLibrary);
    watchPath(m_controls.settingsLibrary);

    QObject::connect(m_controls.accept, &QPushButton::clicked, &m_dialog, [this] { accept(); });
    QObject::connect(m_controls.cancel, &QPushButton::clicked, &m_dialog, &QDialog::reject);
    // Library paths are installation facts, not preferences, so they keep their values.
    QObject::connect(m_controls.factoryDefaults, &QPushButton::clicked, &m_dialog,
                     [this] { showDefaults(UserDefaults{}); });
    QObject::connect(m_controls.hostLibrary.browse, &QPushButton::clicked, &m_dialog,
                     [this] { browse(m_controls.hostLibrary, QStringLiteral("Библиотека поддержки хоста")); });
    QObject::connect(m_controls.settingsLibrary.browse, &QPushButton::clicked, &m_dialog,
                     [this] { browse(m_controls.settingsLibrary, QStringLiteral("Библиотека настроек")); });
}

int SettingsWindow::run()
{
    return m_dialog.exec() == QDialog::Accepted ? 1 : 2;
}

void SettingsWindow::showDefaults(const UserDefaults& values)
{
    m_controls.scale->setText(scaleToText(values.scale));
    m_controls.decimals->setValue(static_cast<int>(values.decimals));
    m_controls.levelDecimals->setValue(static_cast<int>(values.levelDecimals));
    selectCode(m_controls.breakType, values.breakType);
    selectCode(m_controls.levelType, values.levelType);
    selectCode(m_controls.weldType, values.weldType);
    m_controls.noteAngle->setText(QString::number(values.noteAngle));
    m_controls.noteEnding->setText(QString::number(values.noteEnding));
}

void SettingsWindow::accept()
{
    EnteredDefaults entered;
    entered.scale = m_controls.scale->text();
    entered.decimals = m_controls.decimals->value();
    entered.levelDecimals = m_controls.levelDecimals->value();
    entered.breakType = m_controls.breakType->currentData().toUInt();
    entered.levelType = m_controls.levelType->currentData().toUInt();
    entered.weldType = m_controls.weldType->currentData().toUInt();
    entered.noteAngle = m_controls.noteAngle->text();
    entered.noteEnding = m_controls.noteEnding->text();

    QString problem;
    const std::optional<UserDefaults> values = checkEntered(entered, problem);
    if (!values) {
        m_messages.show(kCaption, problem.toStdString(), services::MessageIcon::Warning);
        return;
    }
    writeUserDefaults(m_hub, *values);
    writeLibraryPath(m_hub, kHostSupportValue, m_controls.hostLibrary.path->text().trimmed());
    writeLibraryPath(m_hub, kSettingsValue, m_controls.settingsLibrary.path->text().trimmed());
    m_dialog.accept();
}

void SettingsWindow::browse(const LibraryPathControls& row, const QString& caption)
{
#ifdef _WIN32
    const QString filter = QStringLiteral("Библиотеки (*.dll);;Все файлы (*)");
#else
    const QString filter = QStringLiteral("Библиотеки (*.so *.so.*);;Все файлы (*)");
#endif
    const QString chosen =
        QFileDialog::getOpenFileName(&m_dialog, caption, QFileInfo(row.path->text()).absolutePath(), filter);
    if (!chosen.isEmpty())
        row.path->setText(QDir::toNativeSeparators(chosen));
}

}  // namespace tarvelo::cfgkit
