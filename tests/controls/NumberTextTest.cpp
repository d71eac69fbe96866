// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <limits>

#include "NumberText.h"

using namespace tarvelo::controls;

// A field's text is read like atof, saturating; N decimals print as %.Nf, a corrupt count capped.
TEST(NumberText, readLikeAtofAndPrintWithTheConfiguredDecimals)
{
    EXPECT_EQ(parseLeadingNumber("  12.5abc"), 12.5);
    EXPECT_EQ(parseLeadingNumber("-.5e"), -0.5);
    EXPECT_EQ(parseLeadingNumber("2,5"), 2.0);
    EXPECT_EQ(parseLeadingNumber("0x10"), 0.0);
    EXPECT_EQ(parseLeadingNumber("1.e2x"), 100.0);
    EXPECT_EQ(parseLeadingNumber("1e99999"), std::numeric_limits<double>::infinity());
    for (const char* none : {"", "abc", ".", "-", "+-3", "e5", "0.000001e-400", "inf", "-nan"})
        EXPECT_EQ(parseLeadingNumber(none), 0.0) << none;
    EXPECT_EQ(parseLeadingNumber("-250e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(formatWithDecimals(4, 12.5), "12.5000");
    EXPECT_EQ(formatWithDecimals(0, 2.75) + formatWithDecimals(0, 2.5), "32");
    EXPECT_EQ(formatWithDecimals(4'000'000'000u, 1.0), "1." + std::string(kMostDecimals, '0'));
}

// One single-precision number with blanks around it at most is in range; beyond a float is out.
TEST(NumberText, checkAcceptsOneNumberWithinTheRange)
{
    const float lowest = std::numeric_limits<float>::lowest();
    const float highest = std::numeric_limits<float>::max();
    for (const char* number : {" 12.5 ", "12.", ".5", "+3", "1e5", "3.4028235e38", "1e-50"})
        EXPECT_EQ(checkNumberText(number, lowest, highest), kNumberInRange) << number;
    for (const char* other : {"", "-", ".", "12a", "1e", "1e+", "12 5", "--1", "1,5", "inf", "0x1"})
        EXPECT_EQ(checkNumberText(other, lowest, highest), kNotANumber) << other;
    EXPECT_EQ(checkNumberText("-1e39", lowest, highest), kNumberOutOfRange);
    EXPECT_EQ(checkNumberText("11", 0.0f, 10.0f), kNumberOutOfRange);
}
