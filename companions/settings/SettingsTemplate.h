// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tarvelo::cfgkit {

/// A library path row: the path, its browse button and the note under it.
struct LibraryPathControls {
    QLineEdit* path = nullptr;
    QPushButton* browse = nullptr;
    QLabel* note = nullptr;
};

/// The controls of the settings dialog, owned by the dialog they were built on.
struct SettingsControls {
    QLineEdit* scale = nullptr;
    QSpinBox* decimals = nullptr;
    QSpinBox* levelDecimals = nullptr;
    QComboBox* breakType = nullptr;
    QComboBox* levelType = nullptr;
    QComboBox* weldType = nullptr;
    QLineEdit* noteAngle = nullptr;
    QLineEdit* noteEnding = nullptr;
    LibraryPathControls hostLibrary;
    LibraryPathControls settingsLibrary;
    QPushButton* factoryDefaults = nullptr;
    QPushButton* accept = nullptr;
    QPushButton* cancel = nullptr;
};

/// Builds the settings dialog's template on `dialog`: title, controls,
/// captions, type lists (code in the item data), object names and layout,
/// and nothing of its behaviour.
SettingsControls buildSettingsTemplate(QDialog& dialog);

}  // namespace tarvelo::cfgkit
