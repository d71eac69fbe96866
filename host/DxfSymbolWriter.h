// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QHash>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "Drawing.h"
#include "DxfGroupWriter.h"

namespace tarvelo::host {

class DxfTextEncoder;

/// What the symbols are written into: the drawing's format and what it
/// already holds.
struct DxfTarget {
    /// The number of the format's `$ACADVER`: 1009 for R12, 1015 for R2000, 1024 for R2010…
    int release = 1024;
    /// Whether entities and table records carry handles (always from R13 on).
    bool handles = true;
    /// The first handle free for new objects.
    std::uint64_t nextHandle = 1;
    /// The model space's block record, owner of the new entities from R13 on; empty for none.
    std::string modelSpaceHandle;
    /// The tables that own new records from R13 on; empty for none.
    std::string layerTableHandle;
    std::string linetypeTableHandle;
    std::string styleTableHandle;
    /// Names the drawing's tables hold already (UTF-8); names compare without regard to case.
    std::vector<std::string> layers;
    std::vector<std::string> linetypes;
    std::vector<std::string> styles;
};

/// Writes drawn symbols as DXF entities of the target's format: each
/// primitive on its pen's layer with the pen's line type, weight and colour,
/// texts in a style named after the block's. Layers, line types and text
/// styles the drawing lacks are written as table records, once each.
///
/// Formats before R2000 have no line weights: there thick lines are written
/// as polylines as wide as the weight, the way such drawings show them.
/// Line types made here hold their dashes in sheet millimetres; each entity
/// scales them by its symbol's scale (before R13, which has no such scale,
/// the pattern is made at the scale of the first symbol that uses it).
class DxfSymbolWriter {
public:
    DxfSymbolWriter(const DxfTarget& target, const DxfTextEncoder& encoder, const DxfGroupStyle& style);

    void add(const render::Drawing& drawing);

    /// The entities written so far.
    [[nodiscard]] const std::string& entities() const { return m_entities.bytes(); }
    [[nodiscard]] int entityCount() const { return m_entityCount; }
    /// New table records, to go before the end of their table.
    [[nodiscard]] const std::string& newLayers() const { return m_layers.records.bytes(); }
    [[nodiscard]] const std::string& newLinetypes() const { return m_linetypes.records.bytes(); }
    [[nodiscard]] const std::string& newStyles() const { return m_styles.records.bytes(); }
    [[nodiscard]] int newLayerCount() const { return m_layers.added; }
    [[nodiscard]] int newLinetypeCount() const { return m_linetypes.added; }
    [[nodiscard]] int newStyleCount() const { return m_styles.added; }

    /// The first handle still free: the drawing's new `$HANDSEED`.
    [[nodiscard]] std::uint64_t nextHandle() const { return m_nextHandle; }
    [[nodiscard]] bool writesHandles() const { return m_target.handles; }

private:
    struct Table {
        DxfGroupWriter records;
        /// Case-folded name to the name as the drawing spells it.
        QHash<QString, QString> names;
        int added = 0;
    };
    struct EntityPen {
        std::string layer;
        /// Empty: by layer.
        std::string lineType;
        int color = 256;
        int lineweight = -1;
        double lineTypeScale = 1.0;
        /// Before R2000: the width that carries the weight, 0 for thin lines.
        double width = 0.0;
    };
    class PrimitiveWriter;

    EntityPen penOf(const render::Drawing& drawing, render::PenRole role);
    QString layerNamed(const QString& name);
    QString linetypeNamed(const QString& name, double unitsPerMillimetre);
    QString styleFor(const render::TextStyle& style);

    std::uint64_t entityHead(std::string_view type, const EntityPen& pen, const std::string& owner);
    void subclass(std::string_view marker);
    /// Files a new record under its name and writes its head, name and flags; the rest is the caller's.
    DxfGroupWriter& newRecord(Table& table, const QString& name, std::string_view type, const std::string& owner,
                              std::string_view marker);

    const DxfTarget& m_target;
    const DxfTextEncoder& m_encoder;
    std::uint64_t m_nextHandle;
    DxfGroupWriter m_entities;
    int m_entityCount = 0;
    Table m_layers;
    Table m_linetypes;
    Table m_styles;
};

}  // namespace tarvelo::host
