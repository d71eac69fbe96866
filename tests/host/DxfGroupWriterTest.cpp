// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <sstream>

#include "DxfBinaryGroupReader.h"
#include "DxfGroupWriter.h"
#include "DxfTextEncoder.h"
#include "DxfTextGroupReader.h"

using namespace tarvelo::host;

namespace {

struct ReadGroup {
    int code;
    std::string value;
    std::uint64_t begin;
    std::uint64_t end;
};

std::vector<ReadGroup> readAll(const std::string& bytes, bool binary)
{
    std::istringstream in(bytes);
    std::unique_ptr<DxfGroupSource> source;
    if (binary)
        source = std::make_unique<DxfBinaryGroupReader>(in);
    else
        source = std::make_unique<DxfTextGroupReader>(in);
    // The binary reader counts from the file's start, past a sentinel these bytes lack.
    const std::uint64_t base = binary ? DxfBinaryGroupReader::kSentinel.size() : 0;
    std::vector<ReadGroup> groups;
    DxfGroup group;
    while (source->next(group) == DxfGroupSource::Result::Group)
        groups.push_back({group.code, group.value, source->groupBegin() - base, source->groupEnd() - base});
    return groups;
}

}  // namespace

// What the writer writes, our readers read back exactly, in every layout a
// drawing may have; and the offsets they report cut the bytes at each
// group, which is what edits in place rely on.
TEST(DxfGroupWriter, groupsReadBackWithTheirOffsetsInEveryLayout)
{
    const DxfGroupStyle styles[] = {
        {false, true, "\n", true},  {false, true, "\r\n", false}, {false, true, "\r", true},
        {true, true, "\n", true},   {true, false, "\n", true},
    };
    for (const DxfGroupStyle& style : styles) {
        SCOPED_TRACE(std::string(style.binary ? "binary" : "text") + (style.twoByteCodes ? " 2" : " 1"));
        DxfGroupWriter out(style);
        out.text(0, "LINE");
        out.handle(5, 0x2AF);
        out.text(8, "\xD0\xE0\xE7\xF0\xE5\xE7");
        out.point(10, 0.1, -2.5e-7);
        out.real(40, 12345.678901234567);
        out.integer(70, -3);
        out.integer(90, 70000);
        out.integer(370, 50);
        out.text(1001, "APP");
        const std::string bytes = out.take();
        EXPECT_TRUE(out.bytes().empty());

        const std::vector<ReadGroup> groups = readAll(bytes, style.binary);
        ASSERT_EQ(groups.size(), 11u);
        EXPECT_EQ(groups[0].value, "LINE");
        EXPECT_EQ(groups[1].value, "2AF");
        EXPECT_EQ(groups[2].value, "\xD0\xE0\xE7\xF0\xE5\xE7");
        EXPECT_EQ(std::stod(groups[3].value), 0.1);
        EXPECT_EQ(std::stod(groups[4].value), -2.5e-7);
        EXPECT_EQ(groups[5].code, 30);
        EXPECT_EQ(std::stod(groups[6].value), 12345.678901234567);
        EXPECT_EQ(groups[7].value, "-3");
        EXPECT_EQ(groups[8].value, "70000");
        EXPECT_EQ(groups[9].value, "50");
        EXPECT_EQ(groups[10].code, 1001);
        EXPECT_EQ(groups.front().begin, 0u);
        for (std::size_t i = 1; i < groups.size(); ++i)
            EXPECT_EQ(groups[i].begin, groups[i - 1].end) << "group " << i;
        EXPECT_EQ(groups.back().end, bytes.size());
    }
}

// Texts go into a drawing in its code page; what the code page lacks
// becomes an escape every CAD program reads, and what a line cannot hold a blank.
TEST(DxfTextEncoder, keepsEveryLetter)
{
    const DxfTextEncoder cp1251("CP1251", false);
    EXPECT_EQ(cp1251.encode("Ось Б"), "\xCE\xF1\xFC \xC1");
    EXPECT_EQ(cp1251.encode("⌀20"), "\\U+230020");
    EXPECT_EQ(cp1251.encode("1\n2\t3"), "1 2 3");
    const DxfTextEncoder unicode("CP1251", true);
    EXPECT_EQ(unicode.encode("⌀ Ось"), "⌀ Ось");
}
