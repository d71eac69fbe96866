// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "GeoTypes.h"

namespace GEOTYPE_DEFINITION::detail {

/// The storage behind every keyed collection of the data model: owned
/// elements by DWORD key, kept in key order in one sorted vector.
///
/// Iteration positions are indexes + 1 so that null stays the end marker
/// and advancing costs nothing; like iterators, they are valid until the
/// map changes. Collections are filled in key order almost always (copies
/// walk a source in key order, dialogs number from 1), so filing appends.
///
/// With `Recycles`, removed elements are kept as spares and handed out again
/// by acquire() in their default state. Copying a block empties it and fills
/// it again; without spares each copy of a large block would free thousands
/// of elements, let the allocator give the pages back to the system, and
/// fault them in again at once, making copies of large blocks several times
/// slower per element than copies of small ones.
template <class T, bool Recycles = false>
class OwningKeyMap {
public:
    using Entry = std::pair<std::uint32_t, std::unique_ptr<T>>;

    [[nodiscard]] std::size_t size() const { return m_entries.size(); }
    [[nodiscard]] bool empty() const { return m_entries.empty(); }
    [[nodiscard]] const std::vector<Entry>& entries() const { return m_entries; }
    void reserve(std::size_t count) { m_entries.reserve(count); }

    /// A new element in its default state, recycled where a spare is kept.
    std::unique_ptr<T> acquire()
    {
        if constexpr (Recycles) {
            if (!m_spares.empty()) {
                std::unique_ptr<T> element = std::move(m_spares.back());
                m_spares.pop_back();
                *element = T{};
                return element;
            }
        }
        return std::make_unique<T>();
    }

    [[nodiscard]] T* find(std::uint32_t key) const
    {
        auto it = lowerBound(key);
        return it != m_entries.end() && it->first == key ? it->second.get() : nullptr;
    }

    /// Files the element under the key. An element already there is destroyed
    /// only after the new one is in place, so a copy of it may be filed over it.
    T* file(std::uint32_t key, std::unique_ptr<T> element)
    {
        T* filed = element.get();
        if (m_entries.empty() || m_entries.back().first < key) {
            m_entries.emplace_back(key, std::move(element));
            return filed;
        }
        auto it = lowerBound(key);
        if (it != m_entries.end() && it->first == key) {
            it->second.swap(element);
            retire(std::move(element));
        } else {
            m_entries.emplace(it, key, std::move(element));
        }
        return filed;
    }

    bool erase(std::uint32_t key)
    {
        auto it = lowerBound(key);
        if (it == m_entries.end() || it->first != key)
            return false;
        retire(std::move(it->second));
        m_entries.erase(it);
        return true;
    }

    void clear()
    {
        if constexpr (Recycles) {
            // Backwards, so that acquire() hands spares out in their old key
            // order and a refill walks memory forwards.
            m_spares.reserve(m_spares.size() + m_entries.size());
            for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it)
                m_spares.push_back(std::move(it->second));
            m_entries.clear();
        } else {
            // Move out first: an element's destructor must never see a half-cleared map.
            std::vector<Entry> doomed;
            doomed.swap(m_entries);
        }
    }

    /// The largest key, 0 when empty.
    [[nodiscard]] std::uint32_t maxKey() const { return m_entries.empty() ? 0 : m_entries.back().first; }

    [[nodiscard]] POSITION start() const { return m_entries.empty() ? nullptr : encode(0); }

    /// Yields the entry at the position and moves it on; false (outputs
    /// untouched) for the end marker or a position past the last entry.
    bool next(POSITION& position, std::uint32_t& key, T*& element) const
    {
        const std::size_t index = decode(position);
        if (position == nullptr || index >= m_entries.size())
            return false;
        key = m_entries[index].first;
        element = m_entries[index].second.get();
        position = index + 1 < m_entries.size() ? encode(index + 1) : nullptr;
        return true;
    }

private:
    static POSITION encode(std::size_t index) { return reinterpret_cast<POSITION>(index + 1); }
    static std::size_t decode(POSITION position) { return reinterpret_cast<std::uintptr_t>(position) - 1; }

    typename std::vector<Entry>::const_iterator lowerBound(std::uint32_t key) const
    {
        return std::lower_bound(m_entries.begin(), m_entries.end(), key,
                                [](const Entry& entry, std::uint32_t k) { return entry.first < k; });
    }
    typename std::vector<Entry>::iterator lowerBound(std::uint32_t key)
    {
        return std::lower_bound(m_entries.begin(), m_entries.end(), key,
                                [](const Entry& entry, std::uint32_t k) { return entry.first < k; });
    }

    void retire(std::unique_ptr<T> element)
    {
        if constexpr (Recycles)
            m_spares.push_back(std::move(element));
    }

    std::vector<Entry> m_entries;
    std::vector<std::unique_ptr<T>> m_spares;
};

}  // namespace GEOTYPE_DEFINITION::detail
