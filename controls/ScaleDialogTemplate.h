// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QPushButton;

namespace tarvelo::controls {

/// The controls of the scale dialog (template 12041), owned by the dialog.
struct ScaleDialogControls {
    QLabel* currentScale = nullptr;    // 12021
    QComboBox* numerator = nullptr;    // 12013
    QComboBox* denominator = nullptr;  // 12014
    QLabel* problem = nullptr;         // why a ratio was not taken; hidden until then
    QCheckBox* saveAsDefault = nullptr;  // 12116
    QPushButton* accept = nullptr;     // 1
    QPushButton* cancel = nullptr;     // 2
};

/// Builds template 12041 on `dialog`: title, controls with their
/// identifiers, captions, the two lists of terms and the layout; nothing of
/// the dialog's behaviour. Neither list has a selection.
ScaleDialogControls buildScaleDialogTemplate(QDialog& dialog);

}  // namespace tarvelo::controls
