// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QRectF>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "Drawing.h"
#include "DxfSymbolExport.h"

/// @file
/// Symbols into DXF files, for --export-dxf, --into and "Сохранить DXF…".
/// A file is replaced only once all of it is written.

namespace tarvelo::host {

/// True when a file can be written at @p path: it names no folder and its
/// folder exists and may be written to. Otherwise false, with a Russian message.
bool canWriteFile(const QString& path, std::string& errorUtf8);

/// The same for the file that gets the drawing at @p drawingPath with the
/// symbols added, which must not be that drawing itself.
bool canWriteInto(const QString& drawingPath, const QString& path, std::string& errorUtf8);

/// The extents of the drawing in the file, nothing when it has none or cannot be read.
[[nodiscard]] std::optional<QRectF> drawingExtents(const QString& path);

/// Writes a drawing of the symbols alone. False, with a Russian message in
/// @p errorUtf8, when the file cannot be written.
bool exportSymbolsDxf(const QString& path, const std::vector<render::Drawing>& symbols, std::string& errorUtf8,
                      DxfExportSummary* summary = nullptr);

/// Writes the drawing at @p drawingPath with the symbols added to @p path,
/// which must be another file. @p charset as for DxfSymbolExport::intoDrawing.
bool exportSymbolsInto(const QString& drawingPath, const QString& path, const std::vector<render::Drawing>& symbols,
                       const std::string& charset, std::string& errorUtf8, DxfExportSummary* summary = nullptr);

}  // namespace tarvelo::host
