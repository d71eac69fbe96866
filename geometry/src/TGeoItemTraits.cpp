// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/geometry/TGeoItemTraits.h"

namespace GEOTYPE_DEFINITION {

namespace {
// All bits set: the "no value" second code of a line style.
constexpr std::uint32_t kNoSecondCode = 0xFFFFFFFFu;
}  // namespace

TGeoItemTraits::TGeoItemTraits()
{
    SetDefaults();
}

void TGeoItemTraits::SetDefaults()
{
    m_codeA = 256;
    m_codeB = 256;
    for (LineStyle* style : {&m_main, &m_thick}) {
        style->typeName = "default";
        style->code = 0;
        style->code2 = kNoSecondCode;
        style->value = 0.0;
    }
    m_realValue = 0.0;
    m_factor = 1.0;
    m_codeC = 0;
    m_text = TextStyle{"GOST A", {-1.0, 0.0, 0.0, 0.0}, {0, 0}};
}

void TGeoItemTraits::CopyFrom(IGeoItemTraits* source)
{
    if (source == nullptr || source == this)
        return;
    // Through the source's getters: the source may be a caller's own record.
    SetColorName(source->GetColorName());
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    std::uint32_t third = 0;
    source->GetTriple(first, second, third);
    SetTriple(first, second, third);
    SetTextStyle(source->GetTextStyle());
    SetTextValue1(source->GetTextValue1());
    SetTextValue2(source->GetTextValue2());
    SetTextValue3(source->GetTextValue3());
    SetTextValue4(source->GetTextValue4());
    SetTextCode1(source->GetTextCode1());
    SetTextCode2(source->GetTextCode2());
    SetLayerName(source->GetLayerName());
    SetCodeA(source->GetCodeA());
    SetCodeB(source->GetCodeB());
    SetMainLineType(source->GetMainLineType());
    SetMainLineCode(source->GetMainLineCode());
    SetMainLineCode2(source->GetMainLineCode2());
    SetMainLineWeight(source->GetMainLineWeight());
    SetMainLineValue(source->GetMainLineValue());
    SetThickLineType(source->GetThickLineType());
    SetThickLineCode(source->GetThickLineCode());
    SetThickLineCode2(source->GetThickLineCode2());
    SetThickLineWeight(source->GetThickLineWeight());
    SetThickLineValue(source->GetThickLineValue());
    SetColorIndex(source->GetColorIndex());
    SetMainLineTypeIndex(source->GetMainLineTypeIndex());
    SetThickLineTypeIndex(source->GetThickLineTypeIndex());
    SetMainLineWeightIndex(source->GetMainLineWeightIndex());
    SetThickLineWeightIndex(source->GetThickLineWeightIndex());
    SetTextStyleIndex(source->GetTextStyleIndex());
    SetLayerIndex(source->GetLayerIndex());
}

void TGeoItemTraits::SetTriple(std::uint32_t first, std::uint32_t second, std::uint32_t third)
{
    m_triple[0] = first;
    m_triple[1] = second;
    m_triple[2] = third;
}

void TGeoItemTraits::GetTriple(std::uint32_t& first, std::uint32_t& second, std::uint32_t& third) const
{
    first = m_triple[0];
    second = m_triple[1];
    third = m_triple[2];
}

}  // namespace GEOTYPE_DEFINITION
