// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QPointF>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/services/TextCodec.h"

/// @file
/// Blocks as the dialogs leave them: the host defaults of the type (the
/// data file's rows and traits), the dialog's placeholder scope points and
/// texts. Tests then move points and change values as a user would.

namespace tarvelo::render::testing {

using GEOTYPE_DEFINITION::TGeoBlock;

/// Text as blocks hold it: code page 1251.
inline std::string cp1251(const char* utf8)
{
    return text::utf8ToCp1251(utf8);
}

/// Replaces the scope points by these, keys 1, 2, ... with the dialogs' tag and scope key.
inline void setScopePoints(TGeoBlock& block, std::initializer_list<QPointF> points)
{
    block.GetScopePoints()->RemoveAll();
    std::uint32_t key = 0;
    for (const QPointF& point : points) {
        ++key;
        block.GetScopePoints()->AddScopePoint(key, key, 2, point.x(), point.y(), 0.0, 0, 0, 0, 0);
    }
}

struct AxisStep {
    const char* name;
    double step;
};

/// Files axes as the axis array dialog writes them: lettered items (kind 7)
/// first, then numbered ones (kind 4), each naming a point with its step.
inline void setAxes(TGeoBlock& block, std::initializer_list<AxisStep> lettered,
                    std::initializer_list<AxisStep> numbered)
{
    block.GetItems()->RemoveAll();
    block.GetPoints()->RemoveAll();
    std::uint32_t id = 0;
    auto add = [&](const AxisStep& axis, std::uint32_t kind) {
        const double x = kind == 4 ? axis.step : 0.0;
        const double y = kind == 7 ? axis.step : 0.0;
        const std::uint32_t point = block.GetPoints()->AddPoint(0, 0, x, y, 0.0);
        const GEOTYPE_DEFINITION::ValueMap values{{1, point}};
        block.AddItem(kind, ++id, &values, cp1251(axis.name), 0);
    };
    for (const AxisStep& axis : lettered)
        add(axis, 7);
    for (const AxisStep& axis : numbered)
        add(axis, 4);
}

struct TypeDefaults {
    std::vector<double> params;
    const char* lineType;
    const char* thickLineType;
    double weight;
    double thickWeight;
};

// The data file's defaults, by the first code of each group of types.
inline TypeDefaults defaultsOf(std::uint32_t type)
{
    switch (type / 100) {
    case 1: return {{12, 1.0, 5, 2, 7, 1}, "Continuous", "Continuous", 0.25, 0.70};
    case 2: return {{6, 4, 3, 1}, "Continuous", "Continuous", 0.25, 0.50};
    case 3: return {{3, 45, 3.5, 12, 1}, "Continuous", "Continuous", 0.25, 0.50};
    case 4: return {{3.5, 1, 3, 1.5, 2}, "Continuous", "Continuous", 0.25, 0.50};
    case 5: return {{12, 5, 3.5, 15}, "Continuous", "Continuous", 0.25, 0.50};
    case 6: return {{2, 45, 4}, "Continuous", "Continuous", 0.18, 0.50};
    case 7: return {{15, 3.5, 3, 2, 3}, "Continuous", "Штриховая", 0.25, 0.50};
    default: return {{8, 5, 10, 10}, "Штрихпунктирная", "Continuous", 0.18, 0.50};
    }
}

/// A new symbol of the type at the scale, as its dialog leaves it before the user moves anything.
inline std::unique_ptr<TGeoBlock> newSymbol(std::uint32_t type, double scale = 1.0)
{
    auto block = std::make_unique<TGeoBlock>();
    block->SetSymbolType(type);
    block->SetSymbolVariant(type);
    block->SetScale(scale);
    const TypeDefaults defaults = defaultsOf(type);
    for (std::size_t row = 0; row < defaults.params.size(); ++row)
        block->SetParam(static_cast<std::uint32_t>(row + 1), defaults.params[row]);
    auto& traits = *block->GetTraits();
    traits.SetLayerName("0");
    traits.SetColorIndex(1256);
    traits.SetMainLineType(cp1251(defaults.lineType));
    traits.SetThickLineType(cp1251(defaults.thickLineType));
    traits.SetMainLineValue(defaults.weight);
    traits.SetThickLineValue(defaults.thickWeight);
    traits.SetTextStyle(cp1251("ГОСТ тип Б"));
    traits.SetTextValue1(3.5);
    traits.SetTextValue2(0.8);
    traits.SetTextValue3(0.0);

    const QPointF origin;
    switch (type / 100) {
    case 1:
        block->GetExtData()->SetMainText("");
        setScopePoints(*block, {origin, {10, 0}, {10, 10}});
        break;
    case 2: setScopePoints(*block, {origin, origin, origin}); break;
    case 3:
        block->GetExtData()->SetMainText("0.000000*3");
        if (type == 301)
            setScopePoints(*block, {origin, {10, 0}, {0, 10}});
        else
            setScopePoints(*block, {origin});
        break;
    case 4:
        block->SetSymbolVariant(1);
        if (type == 402 || type == 407)
            setScopePoints(*block, {origin, {0, 10}, {0, 10}, {10, 10}});
        else if (type == 403)
            setScopePoints(*block, {origin, {0, 10}, {0, 10}});
        else if (type == 406)
            setScopePoints(*block, {origin, origin});
        else
            setScopePoints(*block, {origin, {0, 10}, {10, 10}});
        break;
    case 5:
        block->GetExtData()->SetMainText("1");
        setScopePoints(*block, {origin});
        break;
    case 8:
        block->SetSymbolVariant(0);
        block->SetParam(11, 2000);
        block->SetParam(12, type == 801 ? 30 : 20);
        block->SetParam(13, 1);
        block->SetParam(14, type == 801 ? 1 : 0);
        setScopePoints(*block, {origin});
        if (type == 801)
            setAxes(*block, {{"А", 0}, {"Б", 6000}, {"В", 6000}, {"Г", 6000}},
                    {{"1", 0}, {"2", 6000}, {"3", 6000}, {"4", 6000}, {"5", 6000}});
        else
            setAxes(*block, {{"А", 6000}, {"Б", 6000}, {"В", 6000}}, {{"1", 0}, {"2", 30}, {"3", 30}, {"4", 30}});
        break;
    default: setScopePoints(*block, {origin, origin}); break;
    }
    return block;
}

/// One type of every kind, as the dialogs start them.
inline constexpr std::uint32_t kOneTypePerKind[] = {101, 201, 301, 401, 501, 601, 701, 801};

}  // namespace tarvelo::render::testing
