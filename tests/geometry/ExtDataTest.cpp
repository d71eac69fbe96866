// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include "tarvelo/geometry/TExtData.h"

using EXTEND_DEFINITION::TExtData;

namespace {

void fill(TExtData& data, std::uint32_t id)
{
    data.SetDataId(id);
    data.SetSymbolType(301);
    data.SetSymbolVariant(2);
    data.SetMainText("main");
    data.SetSubText("sub");
    data.SetFlags(0x55);
}

}  // namespace

// A data id can be set but never cleared; SetSymbolType always answers 0.
TEST(ExtData, dataIdRefusesZero)
{
    TExtData data;
    EXPECT_TRUE(data.SetDataId(5));
    EXPECT_FALSE(data.SetDataId(0));
    EXPECT_EQ(data.GetDataId(), 5u);
    EXPECT_EQ(data.SetSymbolType(101), 0u);
    EXPECT_EQ(data.GetSymbolType(), 101u);
}

// Clear and Reset zero type, variant and flags and empty the main text; sub text and id stay.
TEST(ExtData, clearKeepsSubTextAndDataId)
{
    for (const bool viaReset : {false, true}) {
        TExtData data;
        fill(data, 7);
        if (viaReset)
            data.Reset();
        else
            data.Clear();
        EXPECT_EQ(data.GetSymbolType(), 0u);
        EXPECT_EQ(data.GetSymbolVariant(), 0u);
        EXPECT_EQ(data.GetFlags(), 0u);
        EXPECT_EQ(data.GetMainText(), "");
        EXPECT_EQ(data.GetSubText(), "sub");
        EXPECT_EQ(data.GetDataId(), 7u);
    }
}

// A copy takes everything, but a source without a data id leaves the target's id.
TEST(ExtData, copyFromKeepsOwnIdWhenSourceHasNone)
{
    TExtData source;
    fill(source, 0);
    TExtData target;
    target.SetDataId(3);
    target.CopyFrom(&source);
    EXPECT_EQ(target.GetDataId(), 3u);
    EXPECT_EQ(target.GetSymbolType(), 301u);
    EXPECT_EQ(target.GetSymbolVariant(), 2u);
    EXPECT_EQ(target.GetMainText(), "main");
    EXPECT_EQ(target.GetSubText(), "sub");
    EXPECT_EQ(target.GetFlags(), 0x55u);

    source.SetDataId(8);
    target.CopyFrom(&source);
    EXPECT_EQ(target.GetDataId(), 8u);
    target.CopyFrom(nullptr);
    EXPECT_EQ(target.GetMainText(), "main");
}
