// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QPushButton;

namespace tarvelo::controls {

/// The identifiers of the scale dialog's controls (template 12041); a control's objectName is its number in decimal.
struct ScaleDialogTemplate {
    enum Id : int {
        kTemplate = 12041,
        kCurrentGroup = 12020,
        kCurrentScale = 12021,
        kScaleGroup = 12022,
        kNumerator = 12013,
        kDenominator = 12014,
        kSaveAsDefault = 12116,
        kAccept = 1,
        kCancel = 2,
    };
};

/// The controls of the scale dialog (template 12041), owned by the dialog.
struct ScaleDialogControls {
    QLabel* currentScale = nullptr;
    QComboBox* numerator = nullptr;
    QComboBox* denominator = nullptr;
    QLabel* problem = nullptr;         // why a ratio was not taken; hidden until then
    QCheckBox* saveAsDefault = nullptr;
    QPushButton* accept = nullptr;
    QPushButton* cancel = nullptr;
};

/// Builds template 12041 on `dialog`: title, controls with their
/// identifiers, captions, the two lists of terms and the layout; nothing of
/// the dialog's behaviour. Neither list has a selection.
ScaleDialogControls buildScaleDialogTemplate(QDialog& dialog);

}  // namespace tarvelo::controls
