// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <filesystem>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "DxfNameDecoder.h"
#include "HostCad.h"

/// @file
/// The host program's drawing database, read from a text DXF file.

namespace tarvelo::host {

/// A layer as the drawing's layer table holds it.
struct DxfLayer {
    std::string nameUtf8;
    /// Colour number of the 255-colour index (1 to 255).
    int colour = 7;
    /// True when the layer is switched off (stored as a negative colour).
    bool off = false;
};

/// A drawing database backed by a DXF file, text or binary. Only the header
/// and the tables are read: reading stops at the end of the TABLES section,
/// so the size of the entities that follow does not matter. A drawing
/// without a layer table has the one layer "0", as CAD programs give it; its
/// sections are still read to the end, so that a damaged file is told.
/// Layers and line types keep their file order; names are held as UTF-8.
class DxfDrawing final : public hostcad::IDrawingDatabase, private hostcad::IDatabase {
public:
    /// Opens the drawing at @p path. On failure answers null and puts a
    /// message in Russian (UTF-8) into @p errorUtf8. @p overrideCharset, a
    /// character set from DxfNameDecoder::charsetNamed(), decodes the names
    /// instead of what the drawing says; empty for none.
    static std::unique_ptr<DxfDrawing> open(const std::filesystem::path& path, std::string& errorUtf8,
                                            const std::string& overrideCharset = {});

    /// Reads a drawing from @p in; @p displayName names it in messages.
    static std::unique_ptr<DxfDrawing> read(std::istream& in, const std::string& displayName,
                                            std::string& errorUtf8, const std::string& overrideCharset = {});

    hostcad::IDatabase* database() override { return this; }

    [[nodiscard]] const std::vector<DxfLayer>& layers() const { return m_layers; }
    /// Line type names (UTF-8) in table order.
    [[nodiscard]] const std::vector<std::string>& linetypes() const { return m_linetypes; }
    /// The header's `$ACADVER`, empty when the drawing has none.
    [[nodiscard]] const std::string& version() const { return m_version; }
    /// The header's `$DWGCODEPAGE` as written, empty when the drawing has none.
    [[nodiscard]] const std::string& codePage() const { return m_codePage; }
    /// The character set names were decoded from, as iconv names it.
    [[nodiscard]] const std::string& charset() const { return m_charset; }
    /// Why names were decoded from that character set.
    [[nodiscard]] DxfNameDecoder::Origin charsetOrigin() const { return m_charsetOrigin; }
    /// True for a binary DXF file.
    [[nodiscard]] bool isBinary() const { return m_binary; }

private:
    class Loader;
    class Table;
    class Iterator;
    class Record;

    DxfDrawing() = default;

    hostcad::Status getLayerTable(hostcad::ISymbolTable*& table, hostcad::OpenMode mode) override;
    hostcad::Status getLinetypeTable(hostcad::ISymbolTable*& table, hostcad::OpenMode mode) override;

    std::vector<DxfLayer> m_layers;
    std::vector<std::string> m_layerNames;
    std::vector<std::string> m_linetypes;
    std::string m_version;
    std::string m_codePage;
    std::string m_charset;
    DxfNameDecoder::Origin m_charsetOrigin = DxfNameDecoder::Origin::Default;
    bool m_binary = false;
};

}  // namespace tarvelo::host
