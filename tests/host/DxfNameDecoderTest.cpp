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
    EXPECT_EQ(old.toUtf8("\\U+-041 \\U+0x41"), "\\U+-041 \\U+0x41");
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

// The user's code page wins over everything the file says; a byte order mark wins over the header's code page.
TEST(DxfNameDecoder, tellsWhyItChoseItsCharset)
{
    using Origin = DxfNameDecoder::Origin;
    EXPECT_EQ(DxfNameDecoder("AC1024", "ANSI_1251", true, "CP866").origin(), Origin::Override);
    EXPECT_EQ(DxfNameDecoder("AC1024", "ANSI_1251", true, "CP866").charset(), "CP866");
    EXPECT_EQ(DxfNameDecoder("AC1009", "ANSI_1251", false, "UTF-8").toUtf8("Оси"), "Оси");
    EXPECT_EQ(DxfNameDecoder("AC1024", "ANSI_1251", true).origin(), Origin::UnicodeFormat);
    EXPECT_EQ(DxfNameDecoder("AC1009", "ANSI_1251", true).origin(), Origin::ByteOrderMark);
    EXPECT_EQ(DxfNameDecoder("AC1009", "ANSI_1251", true).toUtf8("Оси"), "Оси");
    EXPECT_EQ(DxfNameDecoder("AC1009", "ANSI_1251").origin(), Origin::Header);
    EXPECT_EQ(DxfNameDecoder("AC1009", "").origin(), Origin::Default);
    EXPECT_EQ(DxfNameDecoder("AC1009", "ANSI_99999").origin(), Origin::Default);
}

// Code pages as users write them on the command line; anything else names none.
TEST(DxfNameDecoder, namesCodePagesTheWayUsersWriteThem)
{
    EXPECT_EQ(DxfNameDecoder::charsetNamed("1251"), "CP1251");
    EXPECT_EQ(DxfNameDecoder::charsetNamed("cp866"), "CP866");
    EXPECT_EQ(DxfNameDecoder::charsetNamed("ANSI_1252"), "CP1252");
    EXPECT_EQ(DxfNameDecoder::charsetNamed("dos932"), "CP932");
    EXPECT_EQ(DxfNameDecoder::charsetNamed("Windows-1251"), "CP1251");
    EXPECT_EQ(DxfNameDecoder::charsetNamed("utf8"), "UTF-8");
    for (const char* unknown : {"", "99999", "CP", "1251x", "latin", "ANSI_", "-1251"})
        EXPECT_EQ(DxfNameDecoder::charsetNamed(unknown), "") << unknown;
}
