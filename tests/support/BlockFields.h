// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>

#include "../contract/contract_fields.h"
#include "tarvelo/geometry/IGeoBlock.h"

namespace tarvelo::testing {

/// Every field of a block that a caller can read, by path ("traits.LayerName",
/// "scope[2].X", "item[3].values[1]", "param[11]"), each value printed exactly.
using BlockFields = std::map<std::string, std::string>;

namespace detail {

inline std::string exactly(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}
inline std::string exactly(const std::string& value)
{
    return '"' + value + '"';
}
template <typename Integer>
std::string exactly(Integer value)
{
    return std::to_string(static_cast<std::uint64_t>(value));
}

inline void addTraits(BlockFields& fields, const std::string& prefix, GEOTYPE_DEFINITION::IGeoItemTraits* traits)
{
    if (traits == nullptr)
        return;
#define TARVELO_READ_FIELD(Stem, unused) fields[prefix + #Stem] = exactly(traits->Get##Stem());
    TRAITS_FIELDS(TARVELO_READ_FIELD)
#undef TARVELO_READ_FIELD
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    std::uint32_t third = 0;
    traits->GetTriple(first, second, third);
    fields[prefix + "Triple"] = exactly(first) + "/" + exactly(second) + "/" + exactly(third);
    fields[prefix + "Changed"] = exactly(traits->IsChanged());
}

}  // namespace detail

inline BlockFields blockFields(GEOTYPE_DEFINITION::IGeoBlock& block)
{
    using detail::exactly;
    BlockFields fields;
#define TARVELO_READ_FIELD(Stem, unused) fields["block." #Stem] = exactly(block.Get##Stem());
    BLOCK_FIELDS(TARVELO_READ_FIELD)
#undef TARVELO_READ_FIELD
    fields["block.ItemCount"] = exactly(block.GetItemCount());
    for (const auto& [key, value] : block.GetParamMap())
        fields["param[" + std::to_string(key) + "]"] = exactly(value);
    detail::addTraits(fields, "traits.", block.GetTraits());

    if (auto* extData = block.GetExtData()) {
#define TARVELO_READ_FIELD(Stem, unused) fields["ext." #Stem] = exactly(extData->Get##Stem());
        EXT_DATA_FIELDS(TARVELO_READ_FIELD)
#undef TARVELO_READ_FIELD
    }

    if (auto* scope = block.GetScopePoints()) {
        for (auto position = scope->GetStartPosition(); position != nullptr;) {
            std::uint32_t key = 0;
            GEOTYPE_DEFINITION::IGeoPoint* point = nullptr;
            scope->GetNextPoint(position, key, point);
            if (point == nullptr)
                break;
            const std::string prefix = "scope[" + std::to_string(key) + "].";
#define TARVELO_READ_FIELD(Stem, unused) fields[prefix + #Stem] = exactly(point->Get##Stem());
            SCOPE_POINT_FIELDS(TARVELO_READ_FIELD)
#undef TARVELO_READ_FIELD
        }
    }

    if (auto* points = block.GetPoints()) {
        for (auto position = points->GetStartPosition(); position != nullptr;) {
            std::uint32_t key = 0;
            GEOTYPE_DEFINITION::IGeoPoint* point = nullptr;
            points->GetNextPoint(position, key, point);
            if (point == nullptr)
                break;
            const std::string prefix = "point[" + std::to_string(key) + "].";
#define TARVELO_READ_FIELD(Stem, unused) fields[prefix + #Stem] = exactly(point->Get##Stem());
            PLAIN_POINT_FIELDS(TARVELO_READ_FIELD)
#undef TARVELO_READ_FIELD
        }
    }

    if (auto* items = block.GetItems()) {
        for (auto position = items->GetStartPosition(); position != nullptr;) {
            std::uint32_t key = 0;
            GEOTYPE_DEFINITION::IGeoItem* item = nullptr;
            items->GetNextItem(position, key, item);
            if (item == nullptr)
                break;
            const std::string prefix = "item[" + std::to_string(key) + "].";
#define TARVELO_READ_FIELD(Stem, unused) fields[prefix + #Stem] = exactly(item->Get##Stem());
            ITEM_FIELDS(TARVELO_READ_FIELD)
#undef TARVELO_READ_FIELD
            for (const auto& [valueKey, value] : item->GetValueMap())
                fields[prefix + "values[" + std::to_string(valueKey) + "]"] = exactly(value);
            detail::addTraits(fields, prefix + "traits.", item->GetTraits());
        }
    }
    return fields;
}

/// One line per path whose value differs or that only one side has: "path: before -> after".
inline std::string fieldDifferences(const BlockFields& before, const BlockFields& after)
{
    std::ostringstream differences;
    for (const auto& [path, value] : before) {
        const auto found = after.find(path);
        if (found == after.end())
            differences << path << ": " << value << " -> (gone)\n";
        else if (found->second != value)
            differences << path << ": " << value << " -> " << found->second << '\n';
    }
    for (const auto& [path, value] : after) {
        if (before.find(path) == before.end())
            differences << path << ": (none) -> " << value << '\n';
    }
    return differences.str();
}

}  // namespace tarvelo::testing
