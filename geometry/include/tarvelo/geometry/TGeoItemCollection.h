// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <memory>

#include "IGeoItemCollection.h"
#include "OwningKeyMap.h"
#include "TGeoItem.h"

namespace GEOTYPE_DEFINITION {

/// The module's item collection; iterates in key order.
class TGeoItemCollection final : public IGeoItemCollection {
public:
    TGeoItemCollection() = default;
    TGeoItemCollection(const TGeoItemCollection&) = delete;
    TGeoItemCollection& operator=(const TGeoItemCollection&) = delete;

    void RemoveAll() override;
    POSITION GetStartPosition() override;
    POSITION GetEndPosition() override;
    IGeoItem* FindItem(std::uint32_t key) override;
    void GetNextItem(POSITION& position, std::uint32_t& key, IGeoItem*& item) override;
    bool IsEmpty() const override;
    void SetItemCopy(std::uint32_t key, IGeoItem* source) override;
    ~TGeoItemCollection() override = default;

    [[nodiscard]] std::uint32_t GetCount() const;
    /// A blank item to fill and file; it may reuse the storage of a removed one.
    [[nodiscard]] std::unique_ptr<TGeoItem> NewItem();
    /// Files an item that is already made, replacing (and destroying) the one under the key.
    void FileItem(std::uint32_t key, std::unique_ptr<TGeoItem> item);
    [[nodiscard]] const auto& Entries() const { return m_items.entries(); }

private:
    detail::OwningKeyMap<TGeoItem, true> m_items;
};

}  // namespace GEOTYPE_DEFINITION
