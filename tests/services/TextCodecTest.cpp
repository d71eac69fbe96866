// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <string>

#include "tarvelo/services/TextCodec.h"

using tarvelo::text::cp1251ToUtf8;
using tarvelo::text::utf8ToCp1251;

// Russian texts of the product survive the trip to code page 1251 and back byte for byte.
TEST(TextCodec, russianTextsRoundTrip)
{
    const std::string caption = "Ошибка приложения";
    const std::string bytes = utf8ToCp1251(caption);
    EXPECT_EQ(bytes.size(), 17u);
    EXPECT_EQ(bytes, "\xCE\xF8\xE8\xE1\xEA\xE0 \xEF\xF0\xE8\xEB\xEE\xE6\xE5\xED\xE8\xFF");
    EXPECT_EQ(cp1251ToUtf8(bytes), caption);
    EXPECT_EQ(utf8ToCp1251("Ёё№«»—"), "\xA8\xB8\xB9\xAB\xBB\x97");
}

// Every assigned byte maps to one character and back to itself; 0x98 shows as U+FFFD.
TEST(TextCodec, everyAssignedByteRoundTrips)
{
    for (int value = 1; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        const std::string utf8 = cp1251ToUtf8(byte);
        if (value == 0x98) {
            EXPECT_EQ(utf8, "\xEF\xBF\xBD");
            continue;
        }
        EXPECT_EQ(utf8ToCp1251(utf8), byte) << "byte " << value;
    }
}

// What the code page cannot hold is replaced visibly, one mark per character, never dropped.
TEST(TextCodec, unmappableAndMalformedInputIsReplacedVisibly)
{
    EXPECT_EQ(utf8ToCp1251("a\xE2\x88\x9E" "b"), "a?b");             // infinity sign
    EXPECT_EQ(utf8ToCp1251("\xF0\x9F\x98\x80"), "?");                // emoji outside the BMP
    EXPECT_EQ(utf8ToCp1251("x\xFFy"), "x?y");                        // not UTF-8 at all
    EXPECT_EQ(utf8ToCp1251("\xD0"), "?");                            // truncated sequence
    EXPECT_EQ(utf8ToCp1251("\xC0\xAF"), "??");                       // overlong slash
    EXPECT_EQ(utf8ToCp1251("\xED\xA0\x80"), "???");                  // lone surrogate
    EXPECT_EQ(utf8ToCp1251(std::string("a\0b", 3)), std::string("a\0b", 3));
}
