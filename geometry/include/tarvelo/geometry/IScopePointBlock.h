// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "GeoTypes.h"
#include "IGeoPoint.h"

namespace GEOTYPE_DEFINITION {

/// The scope points of a geometry block with measurements over all of them.
/// The block owns its points. The destructor is not part of the interface.
///
/// The order of the operations is part of the binary contract.
class IScopePointBlock {
public:
    /// Files a new scope point under the key, replacing (and destroying) one filed there.
    virtual void AddScopePoint(std::uint32_t pointTag, std::uint32_t key, std::uint32_t scopeKey, double x,
                               double y, double z, std::uint16_t pointType, std::uint16_t scopeKind,
                               std::uint32_t scopeValue1, std::uint32_t scopeValue2) = 0;
    /// Always 0: keys are unsigned, so walks run from GetMinKey() + 1 to GetMaxKey().
    virtual std::uint32_t GetMinKey() const = 0;
    virtual std::uint32_t GetMaxKey() const = 0;
    virtual POSITION GetStartPosition() = 0;
    virtual POSITION GetEndPosition() = 0;
    virtual void GetNextPoint(POSITION& position, std::uint32_t& key, IGeoPoint*& point) = 0;
    virtual std::uint32_t GetPointTag(std::uint32_t key) const = 0;
    /// Hands the point under the key to the target's copy (CopyTo); true in every case.
    virtual bool GetPoint(std::uint32_t key, IGeoPoint* target) = 0;
    virtual IGeoPoint* FindPoint(std::uint32_t key) = 0;
    virtual bool MovePoint(std::uint32_t key, double x, double y, double z) = 0;
    /// Length of the smallest interval on Y holding 0 and every point.
    virtual double GetExtentY() const = 0;
    virtual double GetExtentX() const = 0;
    virtual double GetExtentZ() const = 0;
    virtual bool SetPointScopeKey(std::uint32_t key, std::uint32_t scopeKey) = 0;
    virtual std::uint32_t GetPointScopeKey(std::uint32_t key) const = 0;
    virtual std::uint32_t GetCount() const = 0;
    virtual bool IsEmpty() const = 0;
    virtual void RemoveAll() = 0;
    /// Empties this block, then copies every point of the source; false for a null or empty source.
    virtual bool CopyFrom(IScopePointBlock* source) = 0;

protected:
    IScopePointBlock() = default;
    IScopePointBlock(const IScopePointBlock&) = default;
    IScopePointBlock& operator=(const IScopePointBlock&) = default;
    ~IScopePointBlock() = default;
};

}  // namespace GEOTYPE_DEFINITION
