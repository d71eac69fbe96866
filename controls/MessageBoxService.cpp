// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "MessageBoxService.h"

#include <QApplication>
#include <QMessageBox>

namespace tarvelo::controls {

namespace {

QMessageBox::Icon iconOf(services::MessageIcon icon)
{
    switch (icon) {
    case services::MessageIcon::Information: return QMessageBox::Information;
    case services::MessageIcon::Warning: return QMessageBox::Warning;
    case services::MessageIcon::Error: return QMessageBox::Critical;
    case services::MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void MessageBoxService::show(const std::string& caption, const std::string& text, services::MessageIcon icon)
{
    const QString title =
        caption.empty() ? QApplication::applicationDisplayName() : QString::fromStdString(caption);
    QMessageBox box(iconOf(icon), title, QString::fromStdString(text), QMessageBox::Ok);
    box.setObjectName("messageBox");
    box.exec();
}

}  // namespace tarvelo::controls
