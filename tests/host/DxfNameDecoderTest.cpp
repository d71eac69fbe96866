// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include "DxfNameDecoder.h"

using tarvelo::host::DxfNameDecoder;

// The format number decides between UTF-8 and the code page; an unknown code page falls back to 1252.
TEST(DxfNameDecoder, choosesTheCharsetFromTheHeader)
{
    EXPECT_EQ(DxfNameDecoder("AC1024", "ANSI_1251").charset(), "UTF-8");
    EXPECT_EQ(DxfNameDecoder("AC1021", "").charset(), "UTF-8");
    EXPECT_EQ(DxfNameDecoder("AC1018", "ANSI_1251").charset(), "CP1251");
    EXPECT_EQ(DxfNameDecoder("AC1015", "ansi_1250").charset(), "CP1250");
    EXPECT_EQ(DxfNameDecoder("AC1009", "DOS866").charset(), "CP866");
    EXPECT_EQ(DxfNameDecoder("AC1009", "").charset(), "CP1252");
    EXPECT_EQ(DxfNameDecoder("AC1009", "ANSI_99999").charset(), "CP1252");
    EXPECT_EQ(DxfNameDecoder("", "nonsense").charset(), "CP1252");
}

// Escapes stand for their characters, pairs of surrogates included; broken ones are kept or replaced visibly.
TEST(DxfNameDecoder, expandsUnicodeEscapes)
{
    const DxfNameDecoder old("AC1009", "ANSI_1252");
    EXPECT_EQ(old.toUtf8("\\U+0421\\U+0442\\U+0435\\U+043d\\U+044b 1"), "Стены 1");
    EXPECT_EQ(old.toUtf8("\\U+D83D\\U+DE00"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(old.toUtf8("\\U+D83Dx"), "\xEF\xBF\xBDx");
    EXPECT_EQ(old.toUtf8("\\U+04"), "\\U+04");
    EXPECT_EQ(old.toUtf8("\\U+0000"), "\xEF\xBF\xBD");
    EXPECT_EQ(DxfNameDecoder("AC1024", "").toUtf8("\\U+041e\\U+0441\\U+0438"), "Оси");
}

// Bytes that cannot be decoded become U+FFFD, so the host text is always valid UTF-8.
TEST(DxfNameDecoder, replacesUndecodableBytes)
{
    EXPECT_EQ(DxfNameDecoder("AC1009", "ANSI_1251").toUtf8("\xD1\xF2\xE5\xED\xFB"), "Стены");
    EXPECT_EQ(DxfNameDecoder("AC1009", "ANSI_1251").toUtf8("a\x98z"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(DxfNameDecoder("AC1024", "").toUtf8("Сте\xFF\xD0"), "Сте\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(DxfNameDecoder("AC1024", "").toUtf8("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");
}
