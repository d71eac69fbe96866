// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "TableWalk.h"

#include <exception>
#include <memory>

#include "tarvelo/services/TextCodec.h"

namespace tarvelo::hostcad {

namespace {

// Closes the table however the walk ends.
struct TableCloser {
    ISymbolTable* table;
    ~TableCloser() { table->close(); }
};

}  // namespace

std::string HostText::toAnsi() const
{
    return text::utf8ToCp1251(m_utf8);
}

std::string walkTableNames(IDrawingDatabase* drawing, TableKind kind, FailedRecords failed,
                           const std::function<void(const HostText&)>& take)
{
    try {
        IDatabase* database = drawing != nullptr ? drawing->database() : nullptr;
        if (database == nullptr)
            return {};
        ISymbolTable* table = nullptr;
        if (kind == TableKind::Layers)
            database->getLayerTable(table, OpenMode::ForRead);
        else
            database->getLinetypeTable(table, OpenMode::ForRead);
        if (table == nullptr)
            return {};
        TableCloser closer{table};
        std::unique_ptr<ISymbolTableIterator> iterator;
        if (table->newIterator(iterator, true, true) != eOk || !iterator)
            return {};
        HostText name;
        for (; !iterator->done(); iterator->step(true, true)) {
            ISymbolTableRecord* record = nullptr;
            const Status opened = iterator->getRecord(record, OpenMode::ForRead, false);
            if (record == nullptr)
                continue;
            if (opened == eOk || failed == FailedRecords::ReadAnyway) {
                // A record whose name cannot be read is listed nameless, not under the last one's name.
                if (record->getName(name) != eOk)
                    name.assignUtf8({});
                take(name);
            }
            record->close();
        }
    } catch (const std::exception& failure) {
        return failure.what();
    }
    return {};
}

TableNames readTableNames(IDrawingDatabase* drawing, TableKind kind, FailedRecords failed)
{
    TableNames result;
    result.failure =
        walkTableNames(drawing, kind, failed, [&](const HostText& name) { result.names.push_back(name.toAnsi()); });
    return result;
}

}  // namespace tarvelo::hostcad
