// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <initializer_list>

#include "tarvelo/geometry/TGeoPoint.h"
#include "tarvelo/geometry/TScopePointBlock.h"

using namespace GEOTYPE_DEFINITION;

namespace {

void fileAlongX(TScopePointBlock& block, std::initializer_list<double> xs)
{
    std::uint32_t key = 0;
    for (const double x : xs) {
        ++key;
        block.AddScopePoint(0, key, 2, x, -x, x / 2, 0, 0, 0, 0);
    }
}

void fileFullPoint(TScopePointBlock& block, std::uint32_t key)
{
    block.AddScopePoint(/*tag*/ 11, key, /*scope key*/ 12, 1.0, 2.0, 3.0, /*type*/ 13, /*kind*/ 14, 15, 16);
    block.FindPoint(key)->SetPointFlag(17);
}

}  // namespace

// The extent is the smallest interval that holds 0 and every coordinate.
TEST(ScopePointBlock, extentSpansZeroAndAllPoints)
{
    struct Case {
        std::initializer_list<double> xs;
        double extent;
    };
    for (const Case& c : {Case{{3, -2, 5}, 7}, Case{{1, 4}, 4}, Case{{-1, -6}, 6}, Case{{0, 0}, 0}, Case{{}, 0}}) {
        TScopePointBlock block;
        fileAlongX(block, c.xs);
        EXPECT_EQ(block.GetExtentX(), c.extent);
        EXPECT_EQ(block.GetExtentY(), c.extent);  // Y is -X: the same span
        EXPECT_EQ(block.GetExtentZ(), c.extent / 2);
    }
}

// The smallest key reads 0 whatever is filed; the largest is the largest key.
TEST(ScopePointBlock, minKeyIsZeroAndMaxKeyIsLargest)
{
    TScopePointBlock block;
    EXPECT_EQ(block.GetMinKey(), 0u);
    EXPECT_EQ(block.GetMaxKey(), 0u);
    fileAlongX(block, {1, 2, 3});
    EXPECT_EQ(block.GetMinKey(), 0u);
    EXPECT_EQ(block.GetMaxKey(), 3u);
    block.AddScopePoint(0, 4294967295u, 2, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(block.GetMaxKey(), 4294967295u);
}

// AddScopePoint sets every given field and replaces a point under the same key.
TEST(ScopePointBlock, addScopePointSetsFieldsAndReplaces)
{
    TScopePointBlock block;
    fileFullPoint(block, 1);
    block.AddScopePoint(21, 1, 22, 4.0, 5.0, 6.0, 23, 24, 25, 26);
    ASSERT_EQ(block.GetCount(), 1u);
    const IGeoPoint* point = block.FindPoint(1);
    EXPECT_EQ(point->GetPointTag(), 21u);
    EXPECT_EQ(point->GetScopeKey(), 22u);
    EXPECT_EQ(point->GetX(), 4.0);
    EXPECT_EQ(point->GetPointType(), 23);
    EXPECT_EQ(point->GetScopeKind(), 24);
    EXPECT_EQ(point->GetScopeValue1(), 25u);
    EXPECT_EQ(point->GetScopeValue2(), 26u);
    EXPECT_EQ(point->GetPointFlag(), 0);
    EXPECT_EQ(block.GetPointTag(1), 21u);
    EXPECT_EQ(block.GetPointTag(2), 0u);
}

// A block copy keeps every field of every point; GetPoint hands on only key, position, type and tag.
TEST(ScopePointBlock, copyKeepsAllFieldsButGetPointPassesFew)
{
    TScopePointBlock source;
    fileFullPoint(source, 5);
    TScopePointBlock copy;
    ASSERT_TRUE(copy.CopyFrom(&source));
    const IGeoPoint* copied = copy.FindPoint(5);
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->GetPointFlag(), 17);
    EXPECT_EQ(copied->GetScopeKind(), 14);
    EXPECT_EQ(copied->GetScopeValue1(), 15u);
    EXPECT_EQ(copied->GetScopeValue2(), 16u);
    EXPECT_EQ(copied->GetScopeKey(), 12u);

    TScopePointBlock targets;
    targets.AddScopePoint(0, 1, 0, 0, 0, 0, 0, 31, 32, 33);
    IGeoPoint* target = targets.FindPoint(1);
    EXPECT_TRUE(copy.GetPoint(5, target));
    EXPECT_EQ(target->GetScopeKey(), 12u);
    EXPECT_EQ(target->GetY(), 2.0);
    EXPECT_EQ(target->GetPointType(), 13);
    EXPECT_EQ(target->GetPointTag(), 11u);
    EXPECT_EQ(target->GetPointFlag(), 0);
    EXPECT_EQ(target->GetScopeKind(), 31);
    EXPECT_EQ(target->GetScopeValue1(), 32u);

    TGeoPoint plain(9.0, 9.0, 9.0, 9, 9);
    EXPECT_TRUE(copy.GetPoint(6, &plain));
    EXPECT_EQ(plain.GetX(), 9.0);
    EXPECT_TRUE(copy.GetPoint(5, nullptr));
}

// CopyFrom empties the block first, even when it then refuses a null or empty source.
TEST(ScopePointBlock, refusedCopyStillEmpties)
{
    TScopePointBlock block;
    fileAlongX(block, {1, 2});
    TScopePointBlock empty;
    EXPECT_FALSE(block.CopyFrom(&empty));
    EXPECT_TRUE(block.IsEmpty());
    fileAlongX(block, {1, 2});
    EXPECT_FALSE(block.CopyFrom(nullptr));
    EXPECT_TRUE(block.IsEmpty());
}

// Key-addressed operations report absent keys without creating entries.
TEST(ScopePointBlock, keyedOperationsOnAbsentKeys)
{
    TScopePointBlock block;
    EXPECT_FALSE(block.MovePoint(1, 0, 0, 0));
    EXPECT_EQ(block.GetPointScopeKey(1), 0u);
    fileAlongX(block, {1});
    EXPECT_TRUE(block.MovePoint(1, 7.0, 8.0, 9.0));
    EXPECT_EQ(block.FindPoint(1)->GetZ(), 9.0);
    EXPECT_TRUE(block.SetPointScopeKey(1, 40));
    EXPECT_EQ(block.GetPointScopeKey(1), 40u);
    EXPECT_FALSE(block.SetPointScopeKey(2, 40));
    EXPECT_FALSE(block.MovePoint(2, 0, 0, 0));
    EXPECT_EQ(block.GetCount(), 1u);
}

// A scope point copies every field from another scope point, and nothing from null.
TEST(ScopePoint, copyFromTakesEveryField)
{
    TScopePointBlock block;
    fileFullPoint(block, 1);
    TScopePoint copy;
    ASSERT_TRUE(copy.CopyFrom(block.FindPoint(1)));
    EXPECT_EQ(copy.GetPointFlag(), 17);
    EXPECT_EQ(copy.GetScopeValue2(), 16u);
    EXPECT_EQ(copy.GetPointTag(), 11u);
    EXPECT_FALSE(copy.CopyFrom(nullptr));
    EXPECT_FALSE(copy.CopyTo(nullptr));
}
