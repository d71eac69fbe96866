// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "HostCad.h"

namespace tarvelo::hostcad {

/// One record of an in-memory table.
struct MemoryRecord {
    std::string nameUtf8;
    bool erased = false;
    /// Opening the record answers this status (and no record) when set.
    std::optional<Status> openFailure = std::nullopt;
};

/// A drawing held in memory: layer and line type tables in the given order,
/// with erased records, records that fail to open and, for tests, a walk
/// that breaks down half way. It also counts what is left open.
class InMemoryDrawing final : public IDrawingDatabase, private IDatabase {
public:
    std::vector<MemoryRecord> layers;
    std::vector<MemoryRecord> linetypes;
    /// When set, moving onto the record at this position raises a failure.
    std::optional<std::size_t> failWalkAt;
    /// When set, creating an iterator answers this status.
    std::optional<Status> iteratorFailure;

    IDatabase* database() override { return this; }

    /// Tables and records opened and not yet closed.
    [[nodiscard]] int openObjects() const { return m_openObjects; }

private:
    class Table;
    class Iterator;
    class Record;

    Status getLayerTable(ISymbolTable*& table, OpenMode mode) override;
    Status getLinetypeTable(ISymbolTable*& table, OpenMode mode) override;
    Status openTable(const std::vector<MemoryRecord>& records, ISymbolTable*& table);

    int m_openObjects = 0;
};

}  // namespace tarvelo::hostcad
