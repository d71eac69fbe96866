// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/geometry/TGeoItemCollection.h"

#include <utility>

namespace GEOTYPE_DEFINITION {

void TGeoItemCollection::RemoveAll()
{
    m_items.clear();
}

POSITION TGeoItemCollection::GetStartPosition()
{
    return m_items.start();
}

POSITION TGeoItemCollection::GetEndPosition()
{
    return nullptr;
}

IGeoItem* TGeoItemCollection::FindItem(std::uint32_t key)
{
    return m_items.find(key);
}

void TGeoItemCollection::GetNextItem(POSITION& position, std::uint32_t& key, IGeoItem*& item)
{
    if (m_items.empty()) {
        key = 0;
        item = nullptr;
        return;
    }
    TGeoItem* found = nullptr;
    if (m_items.next(position, key, found))
        item = found;
}

bool TGeoItemCollection::IsEmpty() const
{
    return m_items.empty();
}

void TGeoItemCollection::SetItemCopy(std::uint32_t key, IGeoItem* source)
{
    if (source == nullptr)
        return;  // filing a blank item would only hide the caller's mistake
    std::unique_ptr<TGeoItem> copy = NewItem();
    copy->CopyFrom(source);
    FileItem(key, std::move(copy));
}

std::unique_ptr<TGeoItem> TGeoItemCollection::NewItem()
{
    return m_items.acquire();
}

std::uint32_t TGeoItemCollection::GetCount() const
{
    return static_cast<std::uint32_t>(m_items.size());
}

void TGeoItemCollection::FileItem(std::uint32_t key, std::unique_ptr<TGeoItem> item)
{
    m_items.file(key, std::move(item));
}

}  // namespace GEOTYPE_DEFINITION
