// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "DefaultsFile.h"
#include "UserDefaults.h"

using namespace tarvelo::cfgkit;

// Stored values read as the symbol dialogs read them: a scale not above 0 means 1, unknown codes the first one.
TEST(UserDefaults, storedValuesFallBack)
{
    EXPECT_EQ(scaleFromStored(" 2.5mm"), 2.5);
    for (const char* text : {"", "abc", "0.000000", "-3", "1e999"})
        EXPECT_EQ(scaleFromStored(text), 1.0) << text;
    EXPECT_EQ(scaleToStored(0.5), "0.500000");
    EXPECT_EQ(typeFromStored(breakTypes(), 205), 201u);
    EXPECT_EQ(typeFromStored(levelTypes(), 303), 301u);
    EXPECT_EQ(typeFromStored(weldTypes(), 705), 701u);
    EXPECT_EQ(typeFromStored(weldTypes(), 734), 734u);
    EXPECT_EQ(decimalsFromStored(9), 8u);
}

// What the user types: a decimal comma is fine, anything not a positive number or a whole number is not.
TEST(UserDefaults, enteredNumbersAreStrict)
{
    EXPECT_EQ(parseScale(" 1,5 "), 1.5);
    for (const char* text : {"", "0", "-1", "12abc", "1e999", "1,5,0"})
        EXPECT_EQ(parseScale(QString::fromUtf8(text)), std::nullopt) << text;
    EXPECT_EQ(parseWholeNumber("45"), 45u);
    for (const char* text : {"", "-1", "1.5", "15°", "2147483648"})
        EXPECT_EQ(parseWholeNumber(QString::fromUtf8(text)), std::nullopt) << text;
}

// Each bad field is named in the message, and nothing is given back.
TEST(UserDefaults, checkEnteredNamesTheBadField)
{
    EnteredDefaults entered{"100", 2, 3, 202, 302, 713, "15", "1"};
    QString problem;
    EXPECT_EQ(checkEntered(entered, problem), (UserDefaults{100.0, 2, 3, 202, 302, 713, 15, 1}));
    entered.noteAngle = "-5";
    EXPECT_EQ(checkEntered(entered, problem), std::nullopt);
    EXPECT_EQ(problem, "Угол выноски по умолчанию должен быть целым числом не меньше нуля.");
    entered.noteAngle = "0";
    entered.noteEnding = "x";
    EXPECT_EQ(checkEntered(entered, problem), std::nullopt);
    EXPECT_EQ(problem, "Окончание линии выноски должно быть целым числом не меньше нуля.");
}

// Every size the shipped defaults hold (parameters, line weights, letter heights, axis steps) is still itself
// once shown with the draughtsman's decimals and read back: saving an untouched row changes nothing.
TEST(UserDefaults, draughtsmansDecimalsKeepEveryStandardSize)
{
    const auto read = tarvelo::hostsupport::readCatalog(DHOSTSP_DATA);
    ASSERT_TRUE(read.catalog.has_value()) << read.problem;
    const auto& catalog = *read.catalog;
    std::vector<double> sizes;
    for (const auto& [type, symbol] : catalog.symbols)
        for (const auto& parameter : symbol.parameters)
            sizes.push_back(parameter.value);
    for (const auto& weight : catalog.weights)
        sizes.push_back(weight.millimetres);
    for (const auto& style : catalog.textStyles)
        sizes.push_back(style.height);
    for (const auto& [type, axes] : catalog.axes)
        for (const auto& family : {axes.letters, axes.numbers})
            for (const auto& axis : family)
                sizes.push_back(axis.step);
    ASSERT_GT(sizes.size(), 50u);
    for (double size : sizes) {
        char shown[64];
        std::snprintf(shown, sizeof shown, "%.*f", int(kDraughtsmanDecimals), size);
        EXPECT_EQ(std::strtod(shown, nullptr), size) << shown;
    }
}
