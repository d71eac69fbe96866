// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/geometry/TGeoBlockCollection.h"

#include <limits>
#include <memory>

namespace GEOTYPE_DEFINITION {

namespace {

std::uint32_t linkOf(const std::map<std::uint32_t, std::uint32_t>& links, std::uint32_t key)
{
    const auto it = links.find(key);
    return it != links.end() ? it->second : 0;
}

}  // namespace

void TGeoBlockCollection::CopyFrom(const TGeoBlockCollection* source)
{
    if (source == this)
        return;
    RemoveAll();
    if (source == nullptr || source->IsEmpty())
        return;
    for (const auto& [key, block] : source->Entries())
        SetBlock(key, block.get());
    m_linksA = source->m_linksA;
    m_linksB = source->m_linksB;
    m_flag = source->m_flag;
    m_currentKey = source->m_currentKey;
}

void TGeoBlockCollection::RemoveAll()
{
    m_blocks.clear();
    m_linksA.clear();
    m_linksB.clear();
    m_flag = 0;
    m_currentKey = 0;
}

bool TGeoBlockCollection::SetBlock(std::uint32_t key, IGeoBlock* source)
{
    if (key == 0 || source == nullptr || source->IsEmpty())
        return false;
    if (TGeoBlock* filed = m_blocks.find(key)) {
        if (filed != source) {
            filed->Clear();
            filed->CopyFrom(source);
        }
        return true;
    }
    auto copy = std::make_unique<TGeoBlock>();
    copy->CopyFrom(source);
    m_blocks.file(key, std::move(copy));
    return true;
}

bool TGeoBlockCollection::SetBlockLinked(std::uint32_t key, IGeoBlock* source, std::uint32_t linkA,
                                         std::uint32_t linkB)
{
    if (linkA == 0 || linkB == 0 || !SetBlock(key, source))
        return false;
    m_linksA[key] = linkA;
    m_linksB[key] = linkB;
    return true;
}

bool TGeoBlockCollection::AddBlock(IGeoBlock* source)
{
    const std::uint32_t largest = GetMaxKey();
    if (largest == std::numeric_limits<std::uint32_t>::max())
        return false;  // the next key would wrap to 0, which no block may have
    auto copy = std::make_unique<TGeoBlock>();
    copy->CopyFrom(source);
    m_blocks.file(largest + 1, std::move(copy));
    m_currentKey = largest + 1;
    return true;
}

bool TGeoBlockCollection::RemoveBlock(std::uint32_t key)
{
    if (m_blocks.erase(key))
        m_currentKey = 0;
    return true;
}

IGeoBlock* TGeoBlockCollection::GetCurrentBlock()
{
    if (m_blocks.empty())
        return nullptr;
    if (m_currentKey != 0 && m_currentKey <= GetMaxKey())
        return m_blocks.find(m_currentKey);
    const auto& first = m_blocks.entries().front();
    m_currentKey = first.first;
    return first.second.get();
}

std::uint32_t TGeoBlockCollection::GetLinkA(std::uint32_t key) const
{
    return linkOf(m_linksA, key);
}

std::uint32_t TGeoBlockCollection::GetLinkB(std::uint32_t key) const
{
    return key == 0 ? 0 : linkOf(m_linksB, key);
}

}  // namespace GEOTYPE_DEFINITION
