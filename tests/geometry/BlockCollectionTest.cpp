// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "tarvelo/geometry/TGeoBlockCollection.h"

using namespace GEOTYPE_DEFINITION;

namespace {

std::unique_ptr<TGeoBlock> blockWithPoint(double x)
{
    auto block = std::make_unique<TGeoBlock>();
    block->GetPoints()->AddPoint(0, 0, x, 0.0, 0.0);
    return block;
}

double firstX(IGeoBlock* block)
{
    return block->GetPoints()->FindPoint(1)->GetX();
}

}  // namespace

// Key 0 and blocks without geometry are refused; filing again replaces the copy in place.
TEST(BlockCollection, setBlockRefusesKeyZeroAndEmptySources)
{
    TGeoBlockCollection collection;
    auto block = blockWithPoint(1.0);
    TGeoBlock empty;
    EXPECT_FALSE(collection.SetBlock(0, block.get()));
    EXPECT_FALSE(collection.SetBlock(1, &empty));
    EXPECT_FALSE(collection.SetBlock(1, nullptr));
    EXPECT_TRUE(collection.IsEmpty());

    EXPECT_TRUE(collection.SetBlock(3, block.get()));
    IGeoBlock* filed = collection.GetCurrentBlock();
    auto replacement = blockWithPoint(2.0);
    EXPECT_TRUE(collection.SetBlock(3, replacement.get()));
    EXPECT_EQ(collection.GetCurrentBlock(), filed);
    EXPECT_EQ(firstX(filed), 2.0);
    EXPECT_EQ(collection.GetMaxKey(), 3u);
}

// Links are stored only when both are given and the block was filed.
TEST(BlockCollection, linkedBlocksNeedBothLinks)
{
    TGeoBlockCollection collection;
    auto block = blockWithPoint(1.0);
    EXPECT_FALSE(collection.SetBlockLinked(1, block.get(), 0, 5));
    EXPECT_FALSE(collection.SetBlockLinked(1, block.get(), 5, 0));
    EXPECT_FALSE(collection.SetBlockLinked(0, block.get(), 5, 6));
    EXPECT_TRUE(collection.IsEmpty());
    EXPECT_TRUE(collection.SetBlockLinked(2, block.get(), 5, 6));
    EXPECT_EQ(collection.GetLinkA(2), 5u);
    EXPECT_EQ(collection.GetLinkB(2), 6u);
    EXPECT_EQ(collection.GetLinkA(3), 0u);
    EXPECT_EQ(collection.GetLinkB(0), 0u);
}

// AddBlock numbers after the largest key and makes the new block current.
TEST(BlockCollection, addBlockAppendsAndBecomesCurrent)
{
    TGeoBlockCollection collection;
    auto block = blockWithPoint(1.0);
    EXPECT_TRUE(collection.AddBlock(block.get()));
    EXPECT_EQ(collection.GetCurrentKey(), 1u);
    collection.SetBlock(10, block.get());
    auto second = blockWithPoint(2.0);
    EXPECT_TRUE(collection.AddBlock(second.get()));
    EXPECT_EQ(collection.GetCurrentKey(), 11u);
    EXPECT_EQ(firstX(collection.GetCurrentBlock()), 2.0);

    // No key is left after the largest one; wrapping to 0 would file an unreachable block.
    collection.SetBlock(std::numeric_limits<std::uint32_t>::max(), block.get());
    EXPECT_FALSE(collection.AddBlock(block.get()));
}

// The current block falls back to the first one when the current key is unset or too large.
TEST(BlockCollection, currentBlockRules)
{
    TGeoBlockCollection collection;
    EXPECT_EQ(collection.GetCurrentBlock(), nullptr);
    auto one = blockWithPoint(1.0);
    auto two = blockWithPoint(2.0);
    collection.SetBlock(4, one.get());
    collection.SetBlock(6, two.get());

    EXPECT_EQ(firstX(collection.GetCurrentBlock()), 1.0);
    EXPECT_EQ(collection.GetCurrentKey(), 4u);
    collection.SetCurrentKey(5);
    EXPECT_EQ(collection.GetCurrentBlock(), nullptr);
    collection.SetCurrentKey(6);
    EXPECT_EQ(firstX(collection.GetCurrentBlock()), 2.0);
    collection.SetCurrentKey(99);
    EXPECT_EQ(firstX(collection.GetCurrentBlock()), 1.0);
    EXPECT_EQ(collection.GetCurrentKey(), 4u);

    EXPECT_TRUE(collection.RemoveBlock(4));
    EXPECT_EQ(collection.GetCurrentKey(), 0u);
    EXPECT_TRUE(collection.RemoveBlock(4));
    EXPECT_EQ(firstX(collection.GetCurrentBlock()), 2.0);
}

// A collection copy takes blocks, links, flag and current key; RemoveAll resets them all.
TEST(BlockCollection, copyAndRemoveAll)
{
    TGeoBlockCollection source;
    auto block = blockWithPoint(3.0);
    source.SetBlockLinked(2, block.get(), 7, 8);
    source.SetBlock(5, block.get());
    source.SetFlag(1);
    source.SetCurrentKey(5);

    TGeoBlockCollection copy;
    copy.SetBlock(9, block.get());
    copy.CopyFrom(&source);
    EXPECT_EQ(copy.GetMaxKey(), 5u);
    EXPECT_EQ(copy.Entries().size(), 2u);
    EXPECT_EQ(copy.GetLinkA(2), 7u);
    EXPECT_EQ(copy.GetLinkB(2), 8u);
    EXPECT_EQ(copy.GetFlag(), 1);
    EXPECT_EQ(copy.GetCurrentKey(), 5u);
    EXPECT_NE(copy.GetCurrentBlock(), source.GetCurrentBlock());

    copy.RemoveAll();
    EXPECT_TRUE(copy.IsEmpty());
    EXPECT_EQ(copy.GetLinkA(2), 0u);
    EXPECT_EQ(copy.GetFlag(), 0);
    EXPECT_EQ(copy.GetCurrentKey(), 0u);
}

// A caller releases a collection through its virtual destructor; every block goes with it.
TEST(BlockCollection, virtualDestructorReleasesBlocks)
{
    auto block = blockWithPoint(1.0);
    std::unique_ptr<TGeoBlockCollection> collection = std::make_unique<TGeoBlockCollection>();
    for (int i = 0; i < 5; ++i)
        collection->AddBlock(block.get());
    EXPECT_EQ(collection->GetMaxKey(), 5u);
    collection.reset();  // LeakSanitizer reports anything left behind
}
