// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Drawing.h"

namespace tarvelo::host {

/// What an export wrote, for the user.
struct DxfExportSummary {
    int entities = 0;
    int layers = 0;
    int linetypes = 0;
    int styles = 0;
};

/// Symbols into DXF drawings.
class DxfSymbolExport {
public:
    /// The user's drawing with the symbols added as entities of its own
    /// format and code page (binary stays binary). Every byte of the drawing
    /// stays as it was, except the groups that must change: the handle seed,
    /// advanced past the new handles, and the record counts of the tables
    /// that get the layers, line types and text styles the symbols need. A
    /// drawing without such a table or section gets one. Nothing, with a
    /// Russian message in @p errorUtf8, when the drawing cannot be read.
    /// @p overrideCharset (from DxfNameDecoder::charsetNamed) replaces the
    /// drawing's code page, as it does when names are read.
    static std::optional<std::string> intoDrawing(std::string_view drawing, const std::vector<render::Drawing>& symbols,
                                                  const std::string& displayName, std::string& errorUtf8,
                                                  const std::string& overrideCharset = {},
                                                  DxfExportSummary* summary = nullptr);

    /// A drawing of the symbols alone: text DXF R2010, texts in UTF-8,
    /// millimetres, opening on the symbols.
    static std::string standalone(const std::vector<render::Drawing>& symbols, DxfExportSummary* summary = nullptr);
};

}  // namespace tarvelo::host
