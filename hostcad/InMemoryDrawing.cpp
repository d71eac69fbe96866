// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "InMemoryDrawing.h"

#include <memory>
#include <stdexcept>

namespace tarvelo::hostcad {

class InMemoryDrawing::Record final : public ISymbolTableRecord {
public:
    Record(InMemoryDrawing& owner, const MemoryRecord& data) : m_owner(owner), m_data(data) { ++m_owner.m_openObjects; }

    Status getName(HostText& name) const override
    {
        name.assignUtf8(m_data.nameUtf8);
        return eOk;
    }
    Status close() override
    {
        --m_owner.m_openObjects;
        delete this;
        return eOk;
    }

private:
    ~Record() = default;

    InMemoryDrawing& m_owner;
    const MemoryRecord& m_data;
};

class InMemoryDrawing::Iterator final : public ISymbolTableIterator {
public:
    Iterator(InMemoryDrawing& owner, const std::vector<MemoryRecord>& records, bool skipErased)
        : m_owner(owner), m_records(records)
    {
        settle(skipErased);
    }

    bool done() const override { return m_position >= m_records.size(); }
    void step(bool forward, bool skipErased) override
    {
        if (!forward || done())
            return;
        ++m_position;
        settle(skipErased);
    }
    Status getRecord(ISymbolTableRecord*& record, OpenMode, bool openErased) override
    {
        record = nullptr;
        if (done())
            return eInvalidInput;
        const MemoryRecord& data = m_records[m_position];
        if (data.erased && !openErased)
            return eWasErased;
        if (data.openFailure)
            return *data.openFailure;
        record = new Record(m_owner, data);
        return eOk;
    }

private:
    void settle(bool skipErased)
    {
        while (skipErased && !done() && m_records[m_position].erased)
            ++m_position;
        if (m_owner.failWalkAt && !done() && m_position >= *m_owner.failWalkAt)
            throw std::runtime_error("the drawing's table could not be read");
    }

    InMemoryDrawing& m_owner;
    const std::vector<MemoryRecord>& m_records;
    std::size_t m_position = 0;
};

class InMemoryDrawing::Table final : public ISymbolTable {
public:
    Table(InMemoryDrawing& owner, const std::vector<MemoryRecord>& records) : m_owner(owner), m_records(records)
    {
        ++m_owner.m_openObjects;
    }

    Status newIterator(std::unique_ptr<ISymbolTableIterator>& iterator, bool, bool skipErased) const override
    {
        if (m_owner.iteratorFailure)
            return *m_owner.iteratorFailure;
        iterator = std::make_unique<Iterator>(m_owner, m_records, skipErased);
        return eOk;
    }
    Status close() override
    {
        --m_owner.m_openObjects;
        delete this;
        return eOk;
    }

private:
    ~Table() = default;

    InMemoryDrawing& m_owner;
    const std::vector<MemoryRecord>& m_records;
};

Status InMemoryDrawing::openTable(const std::vector<MemoryRecord>& records, ISymbolTable*& table)
{
    table = new Table(*this, records);
    return eOk;
}

Status InMemoryDrawing::getLayerTable(ISymbolTable*& table, OpenMode)
{
    return openTable(layers, table);
}

Status InMemoryDrawing::getLinetypeTable(ISymbolTable*& table, OpenMode)
{
    return openTable(linetypes, table);
}

}  // namespace tarvelo::hostcad
