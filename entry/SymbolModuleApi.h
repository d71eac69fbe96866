// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <array>
#include <cstdint>

#include "tarvelo/services/ExportShape.h"

/// @file
/// The symbol module as its callers see it: the names and call shapes of its
/// exports, to be looked up through services::SharedLibrary.

namespace GEOTYPE_DEFINITION {
class IGeoBlock;
class TGeoBlockCollection;
}

namespace tarvelo::hostcad {
class IDrawingDatabase;
}

namespace tarvelo::module {

/// (parent window handle or 0, drawing database, incoming block or null) → result block or null.
using SymbolEditor = GEOTYPE_DEFINITION::IGeoBlock* (*)(std::uintptr_t parentWindow,
                                                       tarvelo::hostcad::IDrawingDatabase* drawing,
                                                       GEOTYPE_DEFINITION::IGeoBlock* incoming);
using FreeBlockFunction = void (*)(GEOTYPE_DEFINITION::IGeoBlock* block);
using FreeCollectionFunction = void (*)(GEOTYPE_DEFINITION::TGeoBlockCollection* collection);
using ApiVersionFunction = std::uint32_t (*)();

/// One symbol kind: its export, an editor of the SymbolEditor shape, and a short
/// name for command lines and files.
struct SymbolKind {
    using Function = SymbolEditor;
    const char* exportName;
    const char* shortName;
};

inline constexpr std::array<SymbolKind, 8> kSymbolKinds{{
    {"SectionSymbol", "section"},
    {"DivisionSymbol", "break"},
    {"LvlMrkSymbol", "level"},
    {"MrkCmmSymbol", "note"},
    {"JpntSymbol", "node"},
    {"CoordLineSymbol", "axes"},
    {"WeldSymbol", "weld"},
    {"BoundHatchSymbol", "hatch"},
}};

TARVELO_EXPORT_SHAPE(FreeBlock, FreeBlockFunction);
TARVELO_EXPORT_SHAPE(ModuleFreeGeoCollection, FreeCollectionFunction);
TARVELO_EXPORT_SHAPE(zcrxGetApiVersion, ApiVersionFunction);

}  // namespace tarvelo::module
