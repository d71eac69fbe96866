// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include "ColorIndex.h"

using namespace tarvelo::hostcad;

// The primary colours and greys of the index, with red in the lowest byte.
TEST(ColorIndex, knownColoursComeWithRedInTheLowestByte)
{
    EXPECT_EQ(zcedGetRGB(1), 0x0000FFu);  // red
    EXPECT_EQ(zcedGetRGB(2), 0x00FFFFu);  // yellow
    EXPECT_EQ(zcedGetRGB(3), 0x00FF00u);  // green
    EXPECT_EQ(zcedGetRGB(5), 0xFF0000u);  // blue
    EXPECT_EQ(zcedGetRGB(7), 0xFFFFFFu);
    EXPECT_EQ(zcedGetRGB(8), 0x808080u);
    EXPECT_EQ(zcedGetRGB(30), 0x007FFFu);  // orange
    EXPECT_EQ(zcedGetRGB(253), 0x999999u);
    EXPECT_EQ(zcedGetRGB(255), 0xFFFFFFu);
}

// By layer and by block read as the default colour; anything outside the numbering as black.
TEST(ColorIndex, metaColoursAndOutOfRange)
{
    EXPECT_EQ(zcedGetRGB(kColorByLayer), zcedGetRGB(7));
    EXPECT_EQ(zcedGetRGB(kColorByBlock), zcedGetRGB(7));
    EXPECT_EQ(zcedGetRGB(-1), 0u);
    EXPECT_EQ(zcedGetRGB(257), 0u);
}
