// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "Drawing.h"

/// @file
/// Symbols as SVG pictures, for documentation and the web.

namespace tarvelo::host {

/// Writes the symbols as one SVG picture in sheet millimetres (at the scale
/// of the first symbol), on a white sheet with 5 mm around them, painted as
/// the host's canvas paints them. False, with a Russian message in
/// @p errorUtf8, when there is nothing to draw or the file cannot be written.
bool writeSymbolSvg(const QString& path, const std::vector<render::Drawing>& symbols, std::string& errorUtf8);

}  // namespace tarvelo::host
