// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QDialog>

#include "SettingsTemplate.h"
#include "UserDefaults.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/IMessageService.h"

namespace tarvelo::cfgkit {

/// The settings dialog's behaviour: fills the template from the store,
/// checks the fields and writes them back on OK only.
class SettingsWindow {
public:
    SettingsWindow(services::CSysHub& hub, services::IMessageService& messages, QWidget* parent);

    /// Shows the dialog modally; 1 when accepted, 2 when cancelled.
    int run();

private:
    void showDefaults(const UserDefaults& values);
    void accept();
    void browse(const LibraryPathControls& row, const QString& caption);

    services::CSysHub& m_hub;
    services::IMessageService& m_messages;
    QDialog m_dialog;
    SettingsControls m_controls;
};

}  // namespace tarvelo::cfgkit
