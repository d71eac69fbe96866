// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include "tarvelo/services/QtText.h"

using tarvelo::text::cp1251ToQString;
using tarvelo::text::qStringToCp1251;

// Display and input go through QString with the same table: Cyrillic both ways, an unpaired surrogate marked.
TEST(TextCodec, qStringEdges)
{
    EXPECT_EQ(cp1251ToQString("\xD1\xEB\xEE\xE9 \xB9" "5"), QString::fromUtf8("Слой №5"));
    EXPECT_EQ(qStringToCp1251(QString::fromUtf8("Ось Б")), "\xCE\xF1\xFC \xC1");
    EXPECT_EQ(qStringToCp1251(QString(QChar(0xD800)) + "a"), "?a");
}
