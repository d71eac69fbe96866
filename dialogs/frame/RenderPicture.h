// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <functional>

namespace tarvelo::dialogs {

/// A picture of the module's resources (an SVG path such as ":/bitmaps/12111.svg")
/// drawn at its own size; a null pixmap when it cannot be read. Each picture is
/// drawn once per process: the resources are compiled in and never change.
QPixmap renderPicture(const QString& path);

/// The picture's own size, without drawing it; an empty size when it cannot be read.
QSize pictureSize(const QString& path);

/// An icon drawn from the resource's SVG on demand, kept for the process so
/// that its drawn sizes are kept too.
QIcon pictureIcon(const QString& path);

/// The icon kept for the process under the key, made by make() the first time.
QIcon keptIcon(const QString& key, const std::function<QIcon()>& make);

}  // namespace tarvelo::dialogs
