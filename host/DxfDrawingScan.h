// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QRectF>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DxfGroupWriter.h"

namespace tarvelo::host {

/// The bytes of one group in the file: from its code to the next group.
struct DxfGroupSpan {
    std::uint64_t begin = 0;
    std::uint64_t end = 0;
};

/// What a symbol table of the drawing holds and where it ends.
struct DxfTableScan {
    bool present = false;
    /// The table's own handle (R13 on), the owner of its records.
    std::string handle;
    /// The group that counts the records, and its value.
    std::optional<DxfGroupSpan> countGroup;
    long count = 0;
    /// Where the table's ENDTAB begins: new records go there.
    std::uint64_t end = 0;
    /// The records' names as stored.
    std::vector<std::string> names;
};

/// A DXF drawing read whole, text or binary, for what a writer needs to add
/// entities to it without touching the rest: the format and code page, how
/// groups are laid out, the handles in use, where each section and table
/// ends, and the drawing's extents. Reading follows the section structure
/// to the end of the file, so a damaged drawing is refused.
class DxfDrawingScan {
public:
    /// Scans @p bytes; on failure answers nothing and puts a Russian message
    /// naming @p displayName into @p errorUtf8.
    static std::optional<DxfDrawingScan> scan(std::string_view bytes, const std::string& displayName,
                                              std::string& errorUtf8);

    DxfGroupStyle style;
    bool utf8Marked = false;
    /// The header's `$ACADVER` and `$DWGCODEPAGE` as stored; empty when missing.
    std::string version;
    std::string codePage;
    /// The number of `$ACADVER` (1009 for R12); 1009 for a drawing that names no version or an older one.
    int release = 1009;

    bool hasHeader = false;
    /// Where the HEADER section's ENDSEC begins.
    std::uint64_t headerEnd = 0;
    std::optional<DxfGroupSpan> handseedGroup;
    std::uint64_t handseed = 0;
    /// `$HANDLING` of an R12 drawing: 1 with handles, 0 without, -1 when not said.
    int handling = -1;
    std::uint64_t largestHandle = 0;
    bool anyHandle = false;

    bool hasTables = false;
    std::uint64_t tablesEnd = 0;
    DxfTableScan layers;
    DxfTableScan linetypes;
    DxfTableScan styles;
    std::string modelSpaceHandle;

    bool hasEntities = false;
    std::uint64_t entitiesEnd = 0;
    /// Where a missing TABLES section would go: before the first section that follows the tables.
    std::uint64_t tablesPlace = 0;
    /// Where a missing ENTITIES section would go: before the first section that follows the entities.
    std::uint64_t entitiesPlace = 0;

    /// The extents the header gives, when they are sensible; else those of
    /// the entities' points; nothing when there is neither.
    std::optional<QRectF> extents;

    /// Whether entities and records of this drawing carry handles.
    [[nodiscard]] bool usesHandles() const;
};

}  // namespace tarvelo::host
