// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <set>

#include "ColorChoice.h"
#include "ColorIndex.h"

using namespace tarvelo::hostcad;

// Every colour of the index has exactly one cell, and that cell shows it.
TEST(ColorChoice, paletteHoldsEachColourOnce)
{
    std::set<int> seen;
    for (int row = 0; row < kPaletteRowCount; ++row) {
        for (int column = 0; column < paletteRowLength(row); ++column) {
            const std::optional<int> color = colorOfCell({row, column});
            ASSERT_TRUE(color.has_value()) << row << "," << column;
            EXPECT_TRUE(seen.insert(*color).second) << *color;
            EXPECT_EQ(cellOfColor(*color), (PaletteCell{row, column})) << *color;
        }
    }
    EXPECT_EQ(seen.size(), 255u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 255);
    EXPECT_FALSE(cellOfColor(kColorByBlock));
    EXPECT_FALSE(cellOfColor(kColorByLayer));
    EXPECT_FALSE(colorOfCell({0, kPaletteHueColumns}));
    EXPECT_FALSE(colorOfCell({kPaletteStandardRow, 9}));
}

// Hues run left to right, the bright shades darken down to the middle and the pale ones lighten below it.
TEST(ColorChoice, gridRunsByHueAndShade)
{
    EXPECT_EQ(colorOfCell({0, 0}), 10);
    EXPECT_EQ(colorOfCell({0, 2}), 30);
    EXPECT_EQ(colorOfCell({0, 23}), 240);
    EXPECT_EQ(colorOfCell({4, 0}), 18);
    EXPECT_EQ(colorOfCell({5, 0}), 19);
    EXPECT_EQ(colorOfCell({9, 23}), 241);
    EXPECT_EQ(colorOfCell({kPaletteStandardRow, 0}), 1);
    EXPECT_EQ(colorOfCell({kPaletteStandardRow, 8}), 9);
    EXPECT_EQ(colorOfCell({kPaletteGreyRow, 0}), 250);
    EXPECT_EQ(colorOfCell({kPaletteGreyRow, 5}), 255);
}

// Arrow keys stop at the edges and land on the last cell of a shorter row.
TEST(ColorChoice, arrowMovesStayInsideThePalette)
{
    EXPECT_EQ(movedCell({0, 0}, PaletteMove::Left), (PaletteCell{0, 0}));
    EXPECT_EQ(movedCell({0, 0}, PaletteMove::Up), (PaletteCell{0, 0}));
    EXPECT_EQ(movedCell({0, 23}, PaletteMove::Right), (PaletteCell{0, 23}));
    EXPECT_EQ(movedCell({3, 5}, PaletteMove::Right), (PaletteCell{3, 6}));
    EXPECT_EQ(movedCell({3, 5}, PaletteMove::Down), (PaletteCell{4, 5}));
    EXPECT_EQ(movedCell({9, 20}, PaletteMove::Down), (PaletteCell{kPaletteStandardRow, 8}));
    EXPECT_EQ(movedCell({kPaletteStandardRow, 8}, PaletteMove::Down), (PaletteCell{kPaletteGreyRow, 5}));
    EXPECT_EQ(movedCell({kPaletteGreyRow, 5}, PaletteMove::Down), (PaletteCell{kPaletteGreyRow, 5}));
    EXPECT_EQ(movedCell({kPaletteGreyRow, 5}, PaletteMove::Right), (PaletteCell{kPaletteGreyRow, 5}));
    EXPECT_EQ(movedCell({kPaletteStandardRow, 4}, PaletteMove::Up), (PaletteCell{9, 4}));
}

// A typed number selects 1..255; the by-layer and by-block words and numbers only when meta colours are allowed.
TEST(ColorChoice, typedTextSelectsAColour)
{
    EXPECT_EQ(colorFromText("30", false), 30);
    EXPECT_EQ(colorFromText(" 255 ", false), 255);
    EXPECT_EQ(colorFromText("1", false), 1);
    EXPECT_FALSE(colorFromText("", false));
    EXPECT_FALSE(colorFromText("0", false));
    EXPECT_FALSE(colorFromText("256", false));
    EXPECT_FALSE(colorFromText("-5", true));
    EXPECT_FALSE(colorFromText("257", true));
    EXPECT_FALSE(colorFromText("3a", true));
    EXPECT_FALSE(colorFromText(QStringLiteral("ПоСлою"), false));
    EXPECT_EQ(colorFromText(QStringLiteral("ПоСлою"), true), kColorByLayer);
    EXPECT_EQ(colorFromText(QStringLiteral("поблоку"), true), kColorByBlock);
    EXPECT_EQ(colorFromText("256", true), kColorByLayer);
    EXPECT_EQ(colorFromText("0", true), kColorByBlock);
}

// The lines name the colour and its red, green and blue exactly as the user reads them.
TEST(ColorChoice, colourLinesReadAsGiven)
{
    EXPECT_EQ(colorNumberCaption(30), QStringLiteral("Номер цвета: 30"));
    EXPECT_EQ(colorNumberCaption(kColorByLayer), QStringLiteral("Номер цвета: ПоСлою"));
    EXPECT_EQ(colorNumberCaption(kColorByBlock), QStringLiteral("Номер цвета: ПоБлоку"));
    EXPECT_EQ(colorNumberCaption(std::nullopt), QStringLiteral("Номер цвета:"));
    EXPECT_EQ(colorRgbCaption(zcedGetRGB(30)), QStringLiteral("Красный, Зелёный, Синий: 255, 127, 0"));
    EXPECT_EQ(colorRgbCaption(zcedGetRGB(5)), QStringLiteral("Красный, Зелёный, Синий: 0, 0, 255"));
    EXPECT_EQ(colorRgbCaption(std::nullopt), QStringLiteral("Красный, Зелёный, Синий:"));
    EXPECT_EQ(screenColorOf(30), QColor(255, 127, 0));
}
