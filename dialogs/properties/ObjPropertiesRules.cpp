// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "ObjPropertiesRules.h"

#include <algorithm>

#include "NumberText.h"
#include "ResourceIds.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/IGeoItemTraits.h"
#include "tarvelo/services/CompanionApi.h"
#include "tarvelo/services/TextCodec.h"

namespace tarvelo::dialogs {

using GEOTYPE_DEFINITION::IGeoItemTraits;
using services::kColorIndexBase;
using services::kLineTypeIndexBase;
using services::kOtherColorChoice;

namespace {

// The upper end (exclusive) of colour item data; the line types start there.
constexpr std::uint32_t kColorItemDataEnd = kLineTypeIndexBase;

struct TraitAccess {
    std::string (IGeoItemTraits::*name)() const;
    std::uint32_t (IGeoItemTraits::*index)() const;
    void (IGeoItemTraits::*setName)(const std::string&);
    void (IGeoItemTraits::*setIndex)(std::uint32_t);
};

// In row order; the last row, the layer, is only ever read.
const std::array<TraitAccess, kGraphicsRowCount> kTraitRows{{
    {&IGeoItemTraits::GetColorName, &IGeoItemTraits::GetColorIndex, &IGeoItemTraits::SetColorName,
     &IGeoItemTraits::SetColorIndex},
    {&IGeoItemTraits::GetMainLineType, &IGeoItemTraits::GetMainLineTypeIndex, &IGeoItemTraits::SetMainLineType,
     &IGeoItemTraits::SetMainLineTypeIndex},
    {&IGeoItemTraits::GetMainLineWeight, &IGeoItemTraits::GetMainLineWeightIndex,
     &IGeoItemTraits::SetMainLineWeight, &IGeoItemTraits::SetMainLineWeightIndex},
    {&IGeoItemTraits::GetThickLineType, &IGeoItemTraits::GetThickLineTypeIndex, &IGeoItemTraits::SetThickLineType,
     &IGeoItemTraits::SetThickLineTypeIndex},
    {&IGeoItemTraits::GetThickLineWeight, &IGeoItemTraits::GetThickLineWeightIndex,
     &IGeoItemTraits::SetThickLineWeight, &IGeoItemTraits::SetThickLineWeightIndex},
    {&IGeoItemTraits::GetTextStyle, &IGeoItemTraits::GetTextStyleIndex, &IGeoItemTraits::SetTextStyle,
     &IGeoItemTraits::SetTextStyleIndex},
    {&IGeoItemTraits::GetLayerName, &IGeoItemTraits::GetLayerIndex, &IGeoItemTraits::SetLayerName,
     &IGeoItemTraits::SetLayerIndex},
}};

constexpr int kLayerRow = kGraphicsRowCount - 1;

}  // namespace

ChoiceRequest choicesForItemData(std::uint32_t rowItemData)
{
    if (rowItemData >= kColorItemDataEnd)
        return {ChoiceSource::DrawingLineTypes, 0};
    if (rowItemData >= kColorIndexBase)
        return {ChoiceSource::HostList, rowItemData - kColorIndexBase};
    return {ChoiceSource::HostList, rowItemData};
}

std::uint32_t itemDataAfterChoice(std::uint32_t rowItemData, std::uint32_t entryItemData,
                                  const std::string& entryText, const ChoiceServices& services)
{
    if (rowItemData >= kColorItemDataEnd) {
        const auto code = services.appendLineType ? services.appendLineType(entryText) : std::nullopt;
        return kLineTypeIndexBase + code.value_or(0);
    }
    // Exactly 1000 (by block) is taken like a plain list on confirmation.
    if (rowItemData <= kColorIndexBase)
        return entryItemData;

    std::uint32_t code = entryItemData;
    if (entryItemData >= kOtherColorChoice && services.pickColor) {
        const int startNumber = static_cast<int>(rowItemData - kColorIndexBase);
        if (const std::optional<int> picked = services.pickColor(startNumber)) {
            const std::uint32_t rgb = services.screenColor ? services.screenColor(*picked) : 0;
            const auto red = static_cast<std::uint16_t>(rgb & 0xFF);
            const auto green = static_cast<std::uint16_t>((rgb >> 8) & 0xFF);
            const auto blue = static_cast<std::uint16_t>((rgb >> 16) & 0xFF);
            if (services.appendColor)
                code = services.appendColor(*picked, pickedColorName(*picked), red, green, blue).value_or(code);
        }
    }
    return code + kColorIndexBase;
}

std::string pickedColorName(int colorNumber)
{
    return text::utf8ToCp1251("Цвет ") + std::to_string(colorNumber);
}

int schemePictureOf(std::uint32_t symbolType)
{
    // Each family owns the hundred its codes start in: 101-200 sections, 201-300 breaks, and so on.
    static constexpr std::array kFamilies{resources::kSchemeSection, resources::kSchemeBreak,
                                          resources::kSchemeLevelMark, resources::kSchemeLeader,
                                          resources::kSchemeNode,      resources::kSchemeHatch,
                                          resources::kSchemeWeld};
    if (symbolType < 101 || symbolType > 800)
        return resources::kSchemeOther;
    return kFamilies[(symbolType - 101) / 100];
}

std::string valueTextOfTyped(const std::string& typed, std::uint32_t decimals)
{
    std::string number = typed;
    std::replace(number.begin(), number.end(), ',', '.');
    return controls::formatWithDecimals(decimals, controls::parseLeadingNumber(number));
}

const std::array<const char*, kGraphicsRowCount>& graphicsRowNames()
{
    static const std::array<const char*, kGraphicsRowCount> names{
        "Цвет объекта",      "Основной тип линий", "Вес основных линий", "Тип толстых линий",
        "Вес толстых линий", "Текстовый стиль",    "Слой в чертеже"};
    return names;
}

std::vector<PropertyRow> readGraphicsRows(const IGeoItemTraits& traits)
{
    std::vector<PropertyRow> rows;
    rows.reserve(kGraphicsRowCount);
    for (int row = 0; row < kGraphicsRowCount; ++row) {
        const TraitAccess& access = kTraitRows[static_cast<std::size_t>(row)];
        rows.push_back({text::utf8ToCp1251(graphicsRowNames()[static_cast<std::size_t>(row)]),
                        (traits.*access.name)(), (traits.*access.index)()});
    }
    return rows;
}

void writeGraphicsRows(const std::vector<PropertyRow>& rows, IGeoItemTraits& traits)
{
    for (int row = 0; row < kLayerRow && row < static_cast<int>(rows.size()); ++row) {
        const TraitAccess& access = kTraitRows[static_cast<std::size_t>(row)];
        (traits.*access.setName)(rows[static_cast<std::size_t>(row)].value);
        (traits.*access.setIndex)(rows[static_cast<std::size_t>(row)].itemData);
    }
}

void writeGeometryValues(const std::vector<GeometryRowValue>& rows, GEOTYPE_DEFINITION::IGeoBlock& block)
{
    std::uint32_t key = 0;
    for (const GeometryRowValue& row : rows)
        block.SetParam(++key, row.exact.has_value() ? *row.exact : controls::parseLeadingNumber(row.shown));
}

}  // namespace tarvelo::dialogs
