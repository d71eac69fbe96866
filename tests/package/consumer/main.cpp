// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// A caller outside the product: builds a block, copies it and reports what arrived.
#include <cstdio>

#include <tarvelo/geometry/TGeoBlock.h>

int main()
{
    GEOTYPE_DEFINITION::TGeoBlock original;
    original.SetScale(2.0);
    original.SetCode(5);
    original.AddItem(GEOTYPE_DEFINITION::kTextItemKind, 1, nullptr, "A", 0);
    original.AddItem(GEOTYPE_DEFINITION::kTextItemKind, 2, nullptr, "B", 0);
    for (unsigned key = 1; key <= 3; ++key)
        original.GetScopePoints()->AddScopePoint(0, key, 2, key * 10.0, 0.0, 0.0, 0, 0, 0, 0);

    GEOTYPE_DEFINITION::TGeoBlock copy;
    copy.CopyFrom(&original);
    std::printf("copied %u items, %u scope points, scale %g, code %u\n", copy.GetItemCount(),
                copy.GetScopePoints()->GetCount(), copy.GetScale(), copy.GetCode());
    return 0;
}
