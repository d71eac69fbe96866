// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "GeoTypes.h"
#include "IGeoItem.h"

namespace GEOTYPE_DEFINITION {

/// The items of a geometry block by key. The collection owns its items.
///
/// The order of the operations, destructor last, is part of the binary contract.
class IGeoItemCollection {
public:
    virtual void RemoveAll() = 0;
    virtual POSITION GetStartPosition() = 0;
    virtual POSITION GetEndPosition() = 0;
    /// Borrowed; null when absent.
    virtual IGeoItem* FindItem(std::uint32_t key) = 0;
    /// Yields the entry at the position and moves on; key 0 and null when empty.
    virtual void GetNextItem(POSITION& position, std::uint32_t& key, IGeoItem*& item) = 0;
    virtual bool IsEmpty() const = 0;
    /// Files a copy of the source under the key, replacing (and destroying) the item filed there.
    virtual void SetItemCopy(std::uint32_t key, IGeoItem* source) = 0;
    virtual ~IGeoItemCollection() = default;

protected:
    IGeoItemCollection() = default;
    IGeoItemCollection(const IGeoItemCollection&) = default;
    IGeoItemCollection& operator=(const IGeoItemCollection&) = default;
};

}  // namespace GEOTYPE_DEFINITION
