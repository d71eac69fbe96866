// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "HostSupport.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "ColorIndex.h"
#include "tarvelo/geometry/ForEachEntry.h"
#include "tarvelo/geometry/IGeoItem.h"
#include "tarvelo/geometry/IGeoItemCollection.h"
#include "tarvelo/geometry/IGeoPoint.h"
#include "tarvelo/geometry/IGeoPointsBlock.h"
#include "tarvelo/geometry/TGeoItemTraits.h"
#include "tarvelo/services/TextCodec.h"

namespace tarvelo::hostsupport {

using GEOTYPE_DEFINITION::IGeoBlock;
using GEOTYPE_DEFINITION::IGeoItemTraits;
using GEOTYPE_DEFINITION::TGeoBlock;
using services::kColorIndexBase;
using services::kLineTypeIndexBase;

namespace {

// Axis items of an array: lettered axes carry the text-item kind, numbered ones kind 4.
constexpr std::uint32_t kLetterAxisKind = 7;
constexpr std::uint32_t kNumberAxisKind = 4;
// The key in an axis item's value map that names its point.
constexpr std::uint32_t kAxisPointKey = 1;

std::string cp1251(const char* utf8)
{
    return text::utf8ToCp1251(utf8);
}

// A colour number read back from its generated name, "Цвет 30".
std::optional<std::uint32_t> numberOfGeneratedName(const std::string& name)
{
    const std::string prefix = cp1251("Цвет ");
    if (name.rfind(prefix, 0) != 0)
        return std::nullopt;
    std::uint32_t number = 0;
    const char* first = name.data() + prefix.size();
    const char* last = name.data() + name.size();
    auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc() || end != last || number > 256)
        return std::nullopt;
    return number;
}

template <typename Entry>
std::uint32_t positionByName(const std::vector<Entry>& entries, const std::string& name)
{
    const auto found = std::ranges::find(entries, name, &Entry::name);
    return found != entries.end() ? static_cast<std::uint32_t>(found - entries.begin() + 1) : 0;
}

bool validPosition(std::uint32_t position, std::size_t count)
{
    return position >= 1 && position <= count;
}

}  // namespace

std::string HostSupport::colorName(std::uint32_t colorNumber)
{
    if (const auto* named = m_catalog.color(colorNumber))
        return named->name;
    for (const auto& registered : m_registers.colors())
        if (registered.number == colorNumber && !registered.name.empty())
            return registered.name;
    return cp1251("Цвет ") + std::to_string(colorNumber);
}

std::uint32_t HostSupport::colorNumberOf(const std::string& name)
{
    for (const auto& named : m_catalog.colors)
        if (named.name == name)
            return named.number;
    for (const auto& registered : m_registers.colors())
        if (registered.name == name)
            return registered.number;
    return numberOfGeneratedName(name).value_or(kByLayer);
}

void HostSupport::applyDefaults(IGeoItemTraits& traits, const TraitDefaults& defaults)
{
    traits.SetColorIndex(kColorIndexBase + defaults.color);
    traits.SetColorName(colorName(defaults.color));
    traits.SetMainLineType(defaults.lineType);
    traits.SetMainLineTypeIndex(kLineTypeIndexBase + m_registers.registerLineType(m_catalog, defaults.lineType));
    traits.SetThickLineType(defaults.thickLineType);
    traits.SetThickLineTypeIndex(kLineTypeIndexBase + m_registers.registerLineType(m_catalog, defaults.thickLineType));
    traits.SetMainLineWeightIndex(defaults.weight);
    traits.SetMainLineWeight(m_catalog.weights[defaults.weight - 1].name);
    traits.SetThickLineWeightIndex(defaults.thickWeight);
    traits.SetThickLineWeight(m_catalog.weights[defaults.thickWeight - 1].name);
    traits.SetTextStyleIndex(defaults.textStyle);
    traits.SetTextStyle(m_catalog.textStyles[defaults.textStyle - 1].name);
    traits.SetLayerName(defaults.layer);
    traits.SetLayerIndex(0);
    resolve(traits);
}

void HostSupport::resolve(IGeoItemTraits& traits)
{
    const auto colorIndex = traits.GetColorIndex();
    if (colorIndex >= kColorIndexBase && colorIndex <= kColorIndexBase + kByLayer) {
        const auto rgb = screenColor(static_cast<std::int32_t>(colorIndex - kColorIndexBase));
        traits.SetTriple(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
    }
    const auto lineTypes = m_registers.lineTypes(m_catalog);
    auto lineCode = [&](std::uint32_t index) {
        return index > kLineTypeIndexBase && index - kLineTypeIndexBase <= lineTypes.size() ? index - kLineTypeIndexBase
                                                                                           : 0u;
    };
    traits.SetMainLineCode(lineCode(traits.GetMainLineTypeIndex()));
    traits.SetThickLineCode(lineCode(traits.GetThickLineTypeIndex()));
    if (validPosition(traits.GetMainLineWeightIndex(), m_catalog.weights.size()))
        traits.SetMainLineValue(m_catalog.weights[traits.GetMainLineWeightIndex() - 1].millimetres);
    if (validPosition(traits.GetThickLineWeightIndex(), m_catalog.weights.size()))
        traits.SetThickLineValue(m_catalog.weights[traits.GetThickLineWeightIndex() - 1].millimetres);
    if (validPosition(traits.GetTextStyleIndex(), m_catalog.textStyles.size())) {
        const auto& style = m_catalog.textStyles[traits.GetTextStyleIndex() - 1];
        traits.SetTextValue1(style.height);
        traits.SetTextValue2(style.widthFactor);
        traits.SetTextValue3(style.slant);
    }
}

std::unique_ptr<TGeoBlock> HostSupport::attributes(std::uint32_t symbolType)
{
    const auto* defaults = m_catalog.symbol(symbolType);
    if (defaults == nullptr)
        return nullptr;
    auto block = std::make_unique<TGeoBlock>();
    block->SetSymbolType(symbolType);
    auto& parameters = block->GetParamMap();
    for (const auto& parameter : defaults->parameters)
        parameters[parameter.key] = parameter.value;
    if (auto saved = m_registers.savedParameters(symbolType))
        for (const auto& [key, value] : *saved)
            if (parameters.contains(key))
                parameters[key] = value;
    auto& traits = *block->GetTraits();
    applyDefaults(traits, defaults->traits);
    if (m_registers.loadSavedTraits(symbolType, traits))
        resolve(traits);
    return block;
}

std::uint32_t HostSupport::screenColor(std::int32_t colorNumber)
{
    for (const auto& registered : m_registers.colors())
        if (static_cast<std::int32_t>(registered.number) == colorNumber)
            return registered.red | (registered.green << 8) | (registered.blue << 16);
    return hostcad::zcedGetRGB(colorNumber);
}

void HostSupport::fillRows(std::uint32_t symbolType, services::IParamRowSink& rows)
{
    if (const auto* defaults = m_catalog.symbol(symbolType))
        for (const auto& parameter : defaults->parameters)
            if (!parameter.name.empty())
                rows.addRow(parameter.name.c_str(), parameter.key);
}

void HostSupport::fillChoices(int row, services::IChoiceSink& choices)
{
    switch (row) {
    case services::kColorRow:
        for (const auto& named : m_catalog.colors)
            choices.addChoice(named.name.c_str(), named.number);
        for (const auto& registered : m_registers.colors())
            if (m_catalog.color(registered.number) == nullptr)
                choices.addChoice(colorName(registered.number).c_str(), registered.number);
        choices.addChoice(cp1251("Другой цвет...").c_str(), services::kOtherColorChoice);
        break;
    case services::kMainLineTypeRow:
    case services::kThickLineTypeRow: {
        const auto names = m_registers.lineTypes(m_catalog);
        for (std::size_t i = 0; i < names.size(); ++i)
            choices.addChoice(names[i].c_str(), kLineTypeIndexBase + static_cast<std::uint32_t>(i + 1));
        break;
    }
    case services::kMainLineWeightRow:
    case services::kThickLineWeightRow:
        for (std::size_t i = 0; i < m_catalog.weights.size(); ++i)
            choices.addChoice(m_catalog.weights[i].name.c_str(), static_cast<std::uint32_t>(i + 1));
        break;
    case services::kTextStyleRow:
        for (std::size_t i = 0; i < m_catalog.textStyles.size(); ++i)
            choices.addChoice(m_catalog.textStyles[i].name.c_str(), static_cast<std::uint32_t>(i + 1));
        break;
    default:
        // The layer belongs to the symbol dialog; other rows have no choices.
        break;
    }
}

std::uint32_t HostSupport::appendColor(std::int32_t colorNumber, const std::string& text, std::uint16_t red,
                                       std::uint16_t green, std::uint16_t blue)
{
    if (colorNumber < 0 || colorNumber > static_cast<std::int32_t>(kByLayer))
        return kByLayer;
    const auto number = static_cast<std::uint32_t>(colorNumber);
    // By block and by layer have no colour of their own to remember.
    if (number == kByBlock || number == kByLayer)
        return number;
    auto channel = [](std::uint16_t value) { return static_cast<std::uint8_t>(std::min<std::uint16_t>(value, 255)); };
    m_registers.registerColor({number, text.empty() ? cp1251("Цвет ") + std::to_string(number) : text, channel(red),
                               channel(green), channel(blue)});
    return number;
}

std::uint32_t HostSupport::appendLineType(const std::string& name)
{
    return m_registers.registerLineType(m_catalog, name);
}

void HostSupport::describe(IGeoBlock& block)
{
    auto* traits = block.GetTraits();
    if (traits == nullptr)
        return;
    const auto* defaults = m_catalog.symbol(block.GetSymbolType());

    const auto colorIndex = traits->GetColorIndex();
    if (colorIndex < kColorIndexBase || colorIndex > kColorIndexBase + kByLayer)
        traits->SetColorIndex(kColorIndexBase + colorNumberOf(traits->GetColorName()));
    if (traits->GetColorName().empty())
        traits->SetColorName(colorName(traits->GetColorIndex() - kColorIndexBase));

    // A valid code names its line type; otherwise a real name gets a code;
    // otherwise the type's default. The data model's placeholder is no name.
    const auto lineTypes = m_registers.lineTypes(m_catalog);
    const std::string placeholder = GEOTYPE_DEFINITION::TGeoItemTraits().GetMainLineType();
    auto describeLineType = [&](const std::string& name, std::uint32_t index, auto setName, auto setIndex,
                                const std::string& fallback) {
        const bool validIndex = index > kLineTypeIndexBase && index - kLineTypeIndexBase <= lineTypes.size();
        std::string described = fallback;
        if (validIndex)
            described = lineTypes[index - kLineTypeIndexBase - 1];
        else if (!name.empty() && name != placeholder)
            described = name;
        (traits->*setName)(described);
        (traits->*setIndex)(kLineTypeIndexBase + m_registers.registerLineType(m_catalog, described));
    };
    const std::string& firstLineType = m_catalog.lineTypes.front();
    describeLineType(traits->GetMainLineType(), traits->GetMainLineTypeIndex(), &IGeoItemTraits::SetMainLineType,
                     &IGeoItemTraits::SetMainLineTypeIndex, defaults ? defaults->traits.lineType : firstLineType);
    describeLineType(traits->GetThickLineType(), traits->GetThickLineTypeIndex(), &IGeoItemTraits::SetThickLineType,
                     &IGeoItemTraits::SetThickLineTypeIndex, defaults ? defaults->traits.thickLineType : firstLineType);

    // A name the lists know wins; then a valid position; then the type's default.
    auto describeListed = [&](const auto& entries, const std::string& name, std::uint32_t index,
                              std::uint32_t fallback, auto setName, auto setIndex) {
        std::uint32_t position = positionByName(entries, name);
        if (position == 0)
            position = validPosition(index, entries.size()) ? index : fallback;
        (traits->*setIndex)(position);
        (traits->*setName)(entries[position - 1].name);
    };
    describeListed(m_catalog.weights, traits->GetMainLineWeight(), traits->GetMainLineWeightIndex(),
                   defaults ? defaults->traits.weight : 1, &IGeoItemTraits::SetMainLineWeight,
                   &IGeoItemTraits::SetMainLineWeightIndex);
    describeListed(m_catalog.weights, traits->GetThickLineWeight(), traits->GetThickLineWeightIndex(),
                   defaults ? defaults->traits.thickWeight : 1, &IGeoItemTraits::SetThickLineWeight,
                   &IGeoItemTraits::SetThickLineWeightIndex);
    describeListed(m_catalog.textStyles, traits->GetTextStyle(), traits->GetTextStyleIndex(),
                   defaults ? defaults->traits.textStyle : 1, &IGeoItemTraits::SetTextStyle,
                   &IGeoItemTraits::SetTextStyleIndex);
    resolve(*traits);
}

void HostSupport::update(IGeoBlock& block)
{
    auto* traits = block.GetTraits();
    if (traits == nullptr)
        return;
    resolve(*traits);
    const auto symbolType = block.GetSymbolType();
    const auto* defaults = m_catalog.symbol(symbolType);
    if (defaults == nullptr)
        return;
    if (traits->IsChanged() != 0) {
        m_registers.saveTraits(symbolType, *traits);
        return;
    }
    // Only the values the type is known to have become defaults.
    std::map<std::uint32_t, double> parameters;
    for (const auto& parameter : defaults->parameters)
        parameters[parameter.key] = block.GetParam(parameter.key);
    m_registers.saveParameters(symbolType, parameters);
}

std::unique_ptr<TGeoBlock> HostSupport::defaultAxes(std::uint32_t symbolType)
{
    auto known = m_catalog.axes.find(symbolType);
    if (known == m_catalog.axes.end())
        return nullptr;
    const AxisArray axes = m_registers.savedAxes(symbolType).value_or(known->second);
    auto block = std::make_unique<TGeoBlock>();
    block->SetSymbolType(symbolType);
    auto* points = block->GetPoints();
    std::uint32_t key = 0;
    for (const auto& axis : axes.letters) {
        const GEOTYPE_DEFINITION::ValueMap values{{kAxisPointKey, points->AddPoint(0, 0, 0.0, axis.step, 0.0)}};
        block->AddItem(kLetterAxisKind, ++key, &values, axis.name, 0);
    }
    for (const auto& axis : axes.numbers) {
        const GEOTYPE_DEFINITION::ValueMap values{{kAxisPointKey, points->AddPoint(0, 0, axis.step, 0.0, 0.0)}};
        block->AddItem(kNumberAxisKind, ++key, &values, axis.name, 0);
    }
    return block;
}

void HostSupport::saveAxes(IGeoBlock& block)
{
    const auto symbolType = block.GetSymbolType();
    auto* items = block.GetItems();
    auto* points = block.GetPoints();
    if (!m_catalog.axes.contains(symbolType) || items == nullptr || points == nullptr)
        return;
    AxisArray axes;
    GEOTYPE_DEFINITION::forEachItem(items, [&](std::uint32_t, GEOTYPE_DEFINITION::IGeoItem& item) {
        const auto& values = item.GetValueMap();
        const auto pointKey = values.contains(kAxisPointKey) ? values.at(kAxisPointKey) : 0u;
        auto* point = points->FindPoint(pointKey);
        if (item.GetKind() == kLetterAxisKind)
            axes.letters.push_back({item.GetText(), point != nullptr ? point->GetY() : 0.0});
        else if (item.GetKind() == kNumberAxisKind)
            axes.numbers.push_back({item.GetText(), point != nullptr ? point->GetX() : 0.0});
    });
    if (!axes.letters.empty() || !axes.numbers.empty())
        m_registers.saveAxes(symbolType, axes);
}

}  // namespace tarvelo::hostsupport
