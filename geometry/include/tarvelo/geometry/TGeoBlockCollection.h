// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <map>

#include "IGeoBlock.h"
#include "OwningKeyMap.h"
#include "TGeoBlock.h"

namespace GEOTYPE_DEFINITION {

/// Several blocks under numeric keys, each with two optional links.
/// Only the destructor and CopyFrom are virtual, in that order: a caller
/// releases a collection through its destructor.
class TGeoBlockCollection {
public:
    TGeoBlockCollection() = default;
    TGeoBlockCollection(const TGeoBlockCollection&) = delete;
    TGeoBlockCollection& operator=(const TGeoBlockCollection&) = delete;
    virtual ~TGeoBlockCollection() = default;
    /// Becomes a copy of the source: its non-empty blocks, both link maps,
    /// the flag byte and the current key.
    virtual void CopyFrom(const TGeoBlockCollection* source);

    void RemoveAll();
    /// Files a copy of the source under the key; false for key 0 or an empty source.
    bool SetBlock(std::uint32_t key, IGeoBlock* source);
    /// SetBlock plus the two links, which must both be non-zero.
    bool SetBlockLinked(std::uint32_t key, IGeoBlock* source, std::uint32_t linkA, std::uint32_t linkB);
    /// Files a copy under the largest key + 1 and makes that key current;
    /// false only when the largest possible key is taken.
    bool AddBlock(IGeoBlock* source);
    bool RemoveBlock(std::uint32_t key);
    IGeoBlock* GetCurrentBlock();
    [[nodiscard]] std::uint32_t GetLinkA(std::uint32_t key) const;
    [[nodiscard]] std::uint32_t GetLinkB(std::uint32_t key) const;
    [[nodiscard]] std::uint32_t GetMaxKey() const { return m_blocks.maxKey(); }
    [[nodiscard]] bool IsEmpty() const { return m_blocks.empty(); }
    [[nodiscard]] std::uint32_t GetCurrentKey() const { return m_currentKey; }
    void SetCurrentKey(std::uint32_t key) { m_currentKey = key; }
    [[nodiscard]] std::uint8_t GetFlag() const { return m_flag; }
    void SetFlag(std::uint8_t flag) { m_flag = flag; }
    /// The blocks in key order.
    [[nodiscard]] const auto& Entries() const { return m_blocks.entries(); }

private:
    std::uint32_t m_currentKey = 0;
    std::uint8_t m_flag = 0;
    detail::OwningKeyMap<TGeoBlock> m_blocks;
    std::map<std::uint32_t, std::uint32_t> m_linksA;
    std::map<std::uint32_t, std::uint32_t> m_linksB;
};

}  // namespace GEOTYPE_DEFINITION
