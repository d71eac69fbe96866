// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvelo::hostcad {

class PaletteGrid;

/// The controls of the colour dialog, owned by the dialog they were built on.
struct ColorDialogControls {
    PaletteGrid* palette = nullptr;
    QLabel* numberInfo = nullptr;
    QLabel* rgbInfo = nullptr;
    QPushButton* byLayer = nullptr;
    QPushButton* byBlock = nullptr;
    QLineEdit* colorText = nullptr;
    QLabel* preview = nullptr;
    QPushButton* accept = nullptr;
    QPushButton* cancel = nullptr;
};

/// Builds the colour dialog's template on `dialog`: its title, controls,
/// captions, object names, layout and Tab order, and nothing of its
/// behaviour.
ColorDialogControls buildColorDialogTemplate(QDialog& dialog);

}  // namespace tarvelo::hostcad
