// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

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

/// One symbol kind: its export, an editor of the SymbolEditor shape, a short
/// name for command lines and files, its caption for people (UTF-8) and the
/// hundred its symbol types are numbered in (type / 100).
struct SymbolKind {
    using Function = SymbolEditor;
    const char* exportName;
    const char* shortName;
    const char* captionUtf8;
    std::uint32_t typeHundred;
};

/// Every symbol kind of the module, in the order the host offers them.
inline constexpr std::array<SymbolKind, 8> kSymbolKinds{{
    {"SectionSymbol", "section", "Разрез", 1},
    {"DivisionSymbol", "break", "Обрыв", 2},
    {"LvlMrkSymbol", "level", "Отметка уровня", 3},
    {"MrkCmmSymbol", "note", "Выноска", 4},
    {"JpntSymbol", "node", "Узел", 5},
    {"CoordLineSymbol", "axes", "Оси", 8},
    {"WeldSymbol", "weld", "Шов", 7},
    {"BoundHatchSymbol", "hatch", "Штриховка", 6},
}};

/// Index into kSymbolKinds of an export name; kSymbolKinds.size() when there is none.
constexpr std::size_t symbolKindOfExport(std::string_view exportName)
{
    std::size_t kind = 0;
    while (kind < kSymbolKinds.size() && exportName != kSymbolKinds[kind].exportName)
        ++kind;
    return kind;
}

TARVELO_EXPORT_SHAPE(FreeBlock, FreeBlockFunction);
TARVELO_EXPORT_SHAPE(ModuleFreeGeoCollection, FreeCollectionFunction);
TARVELO_EXPORT_SHAPE(zcrxGetApiVersion, ApiVersionFunction);

}  // namespace tarvelo::module
