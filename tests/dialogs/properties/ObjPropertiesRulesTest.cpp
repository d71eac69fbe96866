// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include "ObjPropertiesRules.h"
#include "TestEnvironment.h"
#include "tarvelo/geometry/TGeoBlock.h"

using namespace tarvelo::dialogs;
using tarvelo::services::testing::cp1251;

// A row's item data picks its choices: plain lists, colours by their number, line types from the drawing.
TEST(ObjPropertiesRules, itemDataSelectsTheChoices)
{
    auto request = [](std::uint32_t data) {
        const ChoiceRequest r = choicesForItemData(data);
        return std::pair(r.source == ChoiceSource::DrawingLineTypes, r.listCode);
    };
    EXPECT_EQ(request(999), std::pair(false, 999u));
    EXPECT_EQ(request(1000), std::pair(false, 0u));
    EXPECT_EQ(request(9999), std::pair(false, 8999u));
    EXPECT_TRUE(request(10000).first);
}

// Only "another colour" on a colour row asks the host's dialog; cancelling it keeps the entry's own code.
TEST(ObjPropertiesRules, colourChoices)
{
    int dialogs = 0;
    ChoiceServices cancelling;
    cancelling.pickColor = [&](int) -> std::optional<int> {
        ++dialogs;
        return std::nullopt;
    };
    EXPECT_EQ(itemDataAfterChoice(5, 9, "x", cancelling), 9u);
    EXPECT_EQ(itemDataAfterChoice(1256, 5, "x", cancelling), 1005u);
    EXPECT_EQ(itemDataAfterChoice(1000, 1000, "x", cancelling), 1000u) << "by block counts as a plain list";
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(itemDataAfterChoice(1001, 1000, "x", cancelling), 2000u);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(itemDataAfterChoice(10002, 3, "x", cancelling), 10000u) << "no line type register: code 0";
}

// Each family of symbol types has its scheme; anything outside them gets the general one.
TEST(ObjPropertiesRules, schemePictureByFamily)
{
    const std::vector<std::pair<std::uint32_t, int>> expected{
        {101, 12111}, {200, 12111}, {201, 12112}, {301, 12113}, {401, 12114}, {501, 12115},
        {601, 12116}, {800, 12117}, {0, 12118},   {100, 12118}, {801, 12118}, {900, 12118}};
    for (const auto& [type, picture] : expected)
        EXPECT_EQ(schemePictureOf(type), picture) << type;
}

// Saving the graphics rows writes all traits but the layer; geometry values go under keys 1..n in row order,
// exact where the row still has its exact value, as shown where the user typed.
TEST(ObjPropertiesRules, savedRowsReachTheBlock)
{
    GEOTYPE_DEFINITION::TGeoBlock block;
    auto* traits = block.GetTraits();
    traits->SetLayerName(cp1251("Оси"));
    traits->SetLayerIndex(3);
    std::vector<PropertyRow> rows = readGraphicsRows(*traits);
    ASSERT_EQ(rows.size(), 7u);
    for (auto& row : rows)
        row = {row.name, "new", 42};
    writeGraphicsRows(rows, *traits);
    EXPECT_EQ(traits->GetColorIndex(), 42u);
    EXPECT_EQ(traits->GetTextStyle(), "new");
    EXPECT_EQ(traits->GetLayerName(), cp1251("Оси"));
    EXPECT_EQ(traits->GetLayerIndex(), 3u);

    block.SetParam(4, 8.0);
    writeGeometryValues({{"5", std::nullopt}, {"x", std::nullopt}, {"4", 3.5}}, block);
    EXPECT_EQ(block.GetParamMap(), (GEOTYPE_DEFINITION::ParamMap{{1, 5.0}, {2, 0.0}, {3, 3.5}, {4, 8.0}}));
    EXPECT_EQ(valueTextOfTyped("2,75", 1), "2.8");
}
