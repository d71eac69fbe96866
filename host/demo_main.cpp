// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Builds a section mark the way a calling module would, copies it as an
// edit would, and prints both the copy and what the copy left out.
#include <cstdio>
#include <memory>

#include "BlockJson.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/services/TextCodec.h"

namespace {

using namespace GEOTYPE_DEFINITION;
using tarvelo::text::utf8ToCp1251;

constexpr std::uint32_t kSectionSymbolType = 101;
constexpr std::uint32_t kStrokeLengthParam = 1;
constexpr std::uint32_t kTextHeightParam = 2;

void buildSectionMark(IGeoBlock& block)
{
    block.SetSymbolType(kSectionSymbolType);
    block.SetScale(100.0);
    block.SetAngle(0.0);
    block.SetParam(kStrokeLengthParam, 12.0);
    block.SetParam(kTextHeightParam, 5.0);
    block.GetExtData()->SetMainText(utf8ToCp1251("А"));
    block.GetExtData()->SetSubText(utf8ToCp1251("Разрез 1-1"));

    IGeoItemTraits* traits = block.GetTraits();
    traits->SetLayerName(utf8ToCp1251("Разрезы"));
    traits->SetColorName(utf8ToCp1251("ПоСлою"));
    traits->SetMainLineWeight("0.50");
    traits->SetThickLineWeight("0.70");

    // Start, bend and end of the cutting line; the dialogs file scope key 2.
    IScopePointBlock* scope = block.GetScopePoints();
    scope->AddScopePoint(0, 1, 2, -1500.0, 0.0, 0.0, 0, 0, 0, 0);
    scope->AddScopePoint(0, 2, 2, 0.0, 0.0, 0.0, 0, 0, 0, 0);
    scope->AddScopePoint(0, 3, 2, 1500.0, 0.0, 0.0, 0, 0, 0, 0);
    block.GetPoints()->AddPoint(0, 0, 500.0, 0.0, 0.0);

    block.AddItem(kTextItemKind, 1, nullptr, utf8ToCp1251("А"), 0);
    block.AddItem(kTextItemKind, 2, nullptr, utf8ToCp1251("А"), 0);
}

}  // namespace

int main()
{
    auto original = std::make_unique<TGeoBlock>();
    buildSectionMark(*original);
    original->SetCode(7);  // never copied: the copy below reads 0

    auto copy = std::make_unique<TGeoBlock>();
    copy->CopyFrom(original.get());
    copy->ExtendScopeX(2000.0);

    std::printf("%s", tarvelo::host::blockToJson(*copy).c_str());
    std::printf("outermost scope point on X: original %.1f, copy after extension %.1f\n",
                original->GetScopeMaxAbsX(), copy->GetScopeMaxAbsX());
    return 0;
}
