// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "ColorIndex.h"

namespace tarvelo::hostcad {

std::uint32_t zcedGetRGB(int colorNumber)
{
    if (colorNumber == kColorByBlock || colorNumber == kColorByLayer)
        colorNumber = 7;
    if (colorNumber < 1 || colorNumber > 255)
        return 0;
    const std::uint32_t rgb = kColorIndexPalette[colorNumber];
    // The palette reads 0xRRGGBB; the host answers with red in the lowest byte.
    return (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
}

}  // namespace tarvelo::hostcad
