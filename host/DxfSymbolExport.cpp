// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DxfSymbolExport.h"

#include <algorithm>

#include "DxfBlankDrawing.h"
#include "DxfDrawingScan.h"
#include "DxfNameDecoder.h"
#include "DxfSymbolWriter.h"
#include "DxfTextEncoder.h"

namespace tarvelo::host {

namespace {

constexpr int kR13 = 1012;

// A change to the drawing's bytes: `length` bytes at `offset` replaced by `bytes`.
struct Edit {
    std::uint64_t offset;
    std::uint64_t length;
    std::string bytes;
};

std::string applied(std::string_view drawing, std::vector<Edit> edits)
{
    std::stable_sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.offset < b.offset; });
    std::size_t added = 0;
    for (const Edit& edit : edits)
        added += edit.bytes.size();
    std::string out;
    out.reserve(drawing.size() + added);
    std::uint64_t copied = 0;
    for (const Edit& edit : edits) {
        out.append(drawing.substr(copied, edit.offset - copied));
        out += edit.bytes;
        copied = edit.offset + edit.length;
    }
    out.append(drawing.substr(copied));
    return out;
}

std::vector<std::string> decoded(const std::vector<std::string>& names, const DxfNameDecoder& decoder)
{
    std::vector<std::string> utf8;
    utf8.reserve(names.size());
    for (const std::string& name : names)
        utf8.push_back(decoder.toUtf8(name));
    return utf8;
}

// A table the drawing lacks, holding the new records.
std::string newTable(const DxfGroupStyle& style, int release, std::string_view name, const std::string& handle,
                     const std::string& records, int count)
{
    DxfGroupWriter out(style);
    out.text(0, "TABLE");
    out.text(2, name);
    if (!handle.empty())
        out.text(5, handle);
    if (release >= kR13) {
        out.text(330, "0");
        out.text(100, "AcDbSymbolTable");
    }
    out.integer(70, count);
    std::string table = out.take() + records;
    out.text(0, "ENDTAB");
    return table + out.take();
}

}  // namespace

std::optional<std::string> DxfSymbolExport::intoDrawing(std::string_view drawing,
                                                        const std::vector<render::Drawing>& symbols,
                                                        const std::string& displayName, std::string& errorUtf8,
                                                        const std::string& overrideCharset, DxfExportSummary* summary)
{
    const std::optional<DxfDrawingScan> scan = DxfDrawingScan::scan(drawing, displayName, errorUtf8);
    if (!scan)
        return std::nullopt;
    const DxfNameDecoder decoder(scan->version, scan->codePage, scan->utf8Marked, overrideCharset);
    const DxfTextEncoder encoder(decoder.charset(), decoder.isUnicode());

    DxfTarget target;
    target.release = scan->release;
    target.handles = scan->usesHandles();
    // The seed should lie past every handle; a drawing whose seed lags behind is not trusted with it.
    std::uint64_t next = std::max<std::uint64_t>({scan->handseed, scan->largestHandle + 1, 1});
    const auto tableHandle = [&](const DxfTableScan& table) -> std::string {
        if (table.present)
            return table.handle;
        return target.handles ? DxfGroupWriter::hex(next++) : std::string();
    };
    target.layerTableHandle = tableHandle(scan->layers);
    target.linetypeTableHandle = tableHandle(scan->linetypes);
    target.styleTableHandle = tableHandle(scan->styles);
    target.nextHandle = next;
    target.modelSpaceHandle = scan->modelSpaceHandle;
    target.layers = decoded(scan->layers.names, decoder);
    target.linetypes = decoded(scan->linetypes.names, decoder);
    target.styles = decoded(scan->styles.names, decoder);
    // Without a layer table the drawing still has its layer "0".
    if (!scan->layers.present)
        target.layers.push_back("0");

    DxfSymbolWriter writer(target, encoder, scan->style);
    for (const render::Drawing& symbol : symbols)
        writer.add(symbol);

    if (summary != nullptr)
        *summary = {writer.entityCount(), writer.newLayerCount(), writer.newLinetypeCount(), writer.newStyleCount()};
    // Nothing to add leaves the drawing as it was, its handle seed included.
    if (writer.entityCount() == 0 && writer.newLayerCount() == 0 && writer.newLinetypeCount() == 0 &&
        writer.newStyleCount() == 0)
        return std::string(drawing);

    std::vector<Edit> edits;
    const DxfGroupStyle& style = scan->style;
    std::string missingTables;
    const auto tableEdits = [&](const DxfTableScan& table, std::string_view name, const std::string& handle,
                                const std::string& records, int added) {
        if (added == 0)
            return;
        if (!table.present) {
            missingTables += newTable(style, target.release, name, handle, records, added);
            return;
        }
        edits.push_back({table.end, 0, records});
        if (table.countGroup) {
            DxfGroupWriter count(style);
            count.integer(70, table.count + added);
            edits.push_back({table.countGroup->begin, table.countGroup->end - table.countGroup->begin, count.take()});
        }
    };
    // Line types before layers, which name them; as the tables of every drawing are ordered.
    tableEdits(scan->linetypes, "LTYPE", target.linetypeTableHandle, writer.newLinetypes(), writer.newLinetypeCount());
    tableEdits(scan->layers, "LAYER", target.layerTableHandle, writer.newLayers(), writer.newLayerCount());
    tableEdits(scan->styles, "STYLE", target.styleTableHandle, writer.newStyles(), writer.newStyleCount());
    // A drawing without the section gets one of its own.
    const auto section = [&style](std::string_view name, const std::string& content) {
        DxfGroupWriter out(style);
        out.text(0, "SECTION");
        out.text(2, name);
        std::string bytes = out.take() + content;
        out.text(0, "ENDSEC");
        return bytes + out.take();
    };
    if (!missingTables.empty()) {
        edits.push_back(scan->hasTables ? Edit{scan->tablesEnd, 0, missingTables}
                                        : Edit{scan->tablesPlace, 0, section("TABLES", missingTables)});
    }
    edits.push_back(scan->hasEntities ? Edit{scan->entitiesEnd, 0, writer.entities()}
                                      : Edit{scan->entitiesPlace, 0, section("ENTITIES", writer.entities())});

    if (writer.writesHandles()) {
        DxfGroupWriter seed(style);
        if (scan->handseedGroup) {
            seed.handle(5, writer.nextHandle());
            edits.push_back({scan->handseedGroup->begin, scan->handseedGroup->end - scan->handseedGroup->begin,
                             seed.take()});
        } else if (scan->hasHeader) {
            seed.text(9, "$HANDSEED");
            seed.handle(5, writer.nextHandle());
            edits.push_back({scan->headerEnd, 0, seed.take()});
        }
    }
    return applied(drawing, std::move(edits));
}

std::string DxfSymbolExport::standalone(const std::vector<render::Drawing>& symbols, DxfExportSummary* summary)
{
    QRectF extents;
    for (const render::Drawing& symbol : symbols)
        extents = extents.isNull() ? symbol.bounds() : extents.united(symbol.bounds());
    const std::string blank = DxfBlankDrawing::bytes(extents);
    std::string error;
    // The blank drawing is made here and always reads back.
    return intoDrawing(blank, symbols, "blank", error, {}, summary).value_or(blank);
}

}  // namespace tarvelo::host
