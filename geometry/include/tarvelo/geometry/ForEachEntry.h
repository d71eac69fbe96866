// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>

#include "GeoTypes.h"
#include "IGeoItem.h"
#include "IGeoItemCollection.h"
#include "IGeoPoint.h"

namespace GEOTYPE_DEFINITION {

/// Calls visit(key, item) for each item of a collection in the collection's
/// order, up to its end marker; nothing for a null collection. A null item
/// ends the walk: a foreign collection that stops yielding must not loop forever.
template <class Visit>
void forEachItem(IGeoItemCollection* items, Visit&& visit)
{
    if (items == nullptr)
        return;
    const POSITION end = items->GetEndPosition();
    for (POSITION position = items->GetStartPosition(); position != end;) {
        std::uint32_t key = 0;
        IGeoItem* item = nullptr;
        items->GetNextItem(position, key, item);
        if (item == nullptr)
            return;
        visit(key, *item);
    }
}

/// The same for the points of a points block or a scope point block, which
/// walk alike but share no base.
template <class Points, class Visit>
void forEachPoint(Points* points, Visit&& visit)
{
    if (points == nullptr)
        return;
    const POSITION end = points->GetEndPosition();
    for (POSITION position = points->GetStartPosition(); position != end;) {
        std::uint32_t key = 0;
        IGeoPoint* point = nullptr;
        points->GetNextPoint(position, key, point);
        if (point == nullptr)
            return;
        visit(key, *point);
    }
}

}  // namespace GEOTYPE_DEFINITION
