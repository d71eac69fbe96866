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

/// The identifiers of the object properties dialog's controls (template 12107); a control's objectName
/// is its number in decimal.
struct ObjPropertiesTemplate {
    enum Id : int {
        kTemplate = 12107,
        kSchemeGroup = 12105,
        kScheme = 12106,
        kPages = 12112,
        kList = 12104,
        kValueEdit = 12062,
        kChoices = 12013,
        kMore = 2001,
        kSettings = 12107,
        kSaveSettingsButton = 12109,
        kSaveSettings = 12108,
        kSave = 1,
        kCancel = 2,
    };
};

/// The controls of the object properties dialog (template 12107), owned by the dialog.
struct ObjPropertiesControls {
    QTabBar* pages = nullptr;
    controls::CClrListBox* list = nullptr;
    QLabel* scheme = nullptr;
    QLineEdit* valueEdit = nullptr;  // laid over a value cell
    controls::CColorPickerCB* choices = nullptr;  // laid over a value cell
    QPushButton* more = nullptr;  // never shown
    QPushButton* settings = nullptr;
    QPushButton* saveSettingsButton = nullptr;
    QCheckBox* saveSettings = nullptr;  // hidden and disabled
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
