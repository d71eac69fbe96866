// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <limits>

#include "ScaleNotation.h"

using namespace tarvelo::controls;

// Whole ratios drop the decimal, others keep one (the test is exact); unusable factors get no caption;
// the dialog's label has a blank at each end and, below 1, none before the colon.
TEST(ScaleNotation, captionAndLabelFollowTheRatioRules)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, const char*> captions[] = {
        {1.0, "1 : 1"},   {100.0, "100 : 1"}, {2.5, "2.5 : 1"},   {0.5, "1 : 2"}, {0.001, "1 : 1000"},
        {0.4, "1 : 2.5"}, {0.3, "1 : 3.3"},   {1.05, "1.1 : 1"}, {0.0, ""},       {-2.0, ""}, {nan, ""}};
    for (const auto& [factor, caption] : captions)
        EXPECT_EQ(scaleCaption(factor), caption) << factor;
    EXPECT_EQ(currentScaleText(2.5), " 2.5 : 1 ");
    EXPECT_EQ(currentScaleText(0.001), " 1: 1000.0 ");
    EXPECT_EQ(currentScaleText(nan), "");
}

// Two terms make the factor, stored with six decimals; a ratio that is no positive finite number makes none.
TEST(ScaleNotation, termsMakeAUsableFactorOrNone)
{
    EXPECT_EQ(scaleFromTerms("4", "25"), 0.16);
    EXPECT_EQ(scaleFromTerms(" 3x", "1"), 3.0);
    for (const auto& [numerator, denominator] :
         {std::pair{"", ""}, {"1", ""}, {"1", "0"}, {"", "5"}, {"-2", "1"}, {"1e308", "1e-10"}})
        EXPECT_FALSE(scaleFromTerms(numerator, denominator)) << numerator << " : " << denominator;
    EXPECT_EQ(scaleDefaultText(0.001), "0.001000");
    EXPECT_EQ(scaleDefaultText(1.0 / 3.0), "0.333333");
}
