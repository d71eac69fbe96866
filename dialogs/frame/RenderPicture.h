// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QPixmap>
#include <QString>

namespace tarvelo::dialogs {

/// A picture of the module's resources (an SVG path such as ":/bitmaps/12111.svg")
/// drawn at its own size; a null pixmap when it cannot be read.
QPixmap renderPicture(const QString& path);

}  // namespace tarvelo::dialogs
