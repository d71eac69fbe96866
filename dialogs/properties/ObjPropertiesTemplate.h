// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QPixmap>

class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QTabBar;

namespace tarvelo::services {
class IServiceEnvironment;
}

namespace tarvelo::controls {
class CClrListBox;
class CColorPickerCB;
}  // namespace tarvelo::controls

namespace tarvelo::dialogs {

/// The controls of the object properties dialog (template 12107), owned by the dialog.
struct ObjPropertiesControls {
    QTabBar* pages = nullptr;                    // 12112
    controls::CClrListBox* list = nullptr;       // 12104
    QGroupBox* schemeGroup = nullptr;            // 12105
    QLabel* scheme = nullptr;                    // 12106
    QLineEdit* valueEdit = nullptr;              // 12062, laid over a value cell
    controls::CColorPickerCB* choices = nullptr;  // 12013, laid over a value cell
    QPushButton* more = nullptr;                 // 2001, never shown
    QPushButton* settings = nullptr;             // 12107
    QPushButton* saveSettingsButton = nullptr;   // 12109
    QCheckBox* saveSettings = nullptr;           // 12108, hidden and disabled
    QPushButton* save = nullptr;                 // 1
    QPushButton* cancel = nullptr;               // 2
};

/// Builds template 12107 on `dialog`: title, controls with their
/// identifiers, captions, icons, the two tabs, the list's columns and the
/// layout; nothing of the dialog's behaviour. The in-place editors and the
/// "..." button start hidden and stay out of the layout. The list reaches
/// the host-support library through `environment` for its colour swatch.
ObjPropertiesControls buildObjPropertiesTemplate(QDialog& dialog, services::IServiceEnvironment& environment);

/// Shares of the list's width taken by the name and the value column, in per cent.
inline constexpr int kNameColumnShare = 60;
inline constexpr int kValueColumnShare = 40;

}  // namespace tarvelo::dialogs
