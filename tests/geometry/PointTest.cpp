// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <vector>

#include "tarvelo/geometry/TGeoPointsBlock.h"

using namespace GEOTYPE_DEFINITION;

namespace {

std::vector<std::uint32_t> keysInIterationOrder(IGeoPointsBlock& block)
{
    std::vector<std::uint32_t> keys;
    for (POSITION position = block.GetStartPosition(); position != block.GetEndPosition();) {
        std::uint32_t key = 0;
        IGeoPoint* point = nullptr;
        block.GetNextPoint(position, key, point);
        EXPECT_EQ(point, block.FindPoint(key));
        keys.push_back(key);
    }
    return keys;
}

TGeoPoint flaggedPoint()
{
    TGeoPoint point(1.0, 2.0, 3.0, 4, 5);
    point.SetPointTag(6);
    return point;
}

}  // namespace

// Copies between two plain points carry everything, flag and tag included.
TEST(Point, plainCopiesTakeFlagAndTag)
{
    TGeoPoint source = flaggedPoint();
    TGeoPoint viaCopyFrom;
    ASSERT_TRUE(viaCopyFrom.CopyFrom(&source));
    TGeoPoint viaCopyTo;
    ASSERT_TRUE(source.CopyTo(&viaCopyTo));

    for (const TGeoPoint* copy : {&viaCopyFrom, &viaCopyTo}) {
        EXPECT_EQ(copy->GetX(), 1.0);
        EXPECT_EQ(copy->GetY(), 2.0);
        EXPECT_EQ(copy->GetZ(), 3.0);
        EXPECT_EQ(copy->GetPointType(), 4);
        EXPECT_EQ(copy->GetPointFlag(), 5);
        EXPECT_EQ(copy->GetPointTag(), 6u);
    }
    EXPECT_FALSE(viaCopyFrom.CopyFrom(nullptr));
    EXPECT_FALSE(source.CopyTo(nullptr));
}

// A plain point has no scope fields: setting them is ignored.
TEST(Point, plainPointIgnoresScopeFields)
{
    TGeoPoint point;
    point.SetScopeKey(9);
    point.SetScopeKind(9);
    point.SetScopeValue1(9);
    point.SetScopeValue2(9);
    EXPECT_EQ(point.GetScopeKey(), 0u);
    EXPECT_EQ(point.GetScopeKind(), 0);
    EXPECT_EQ(point.GetScopeValue1(), 0u);
    EXPECT_EQ(point.GetScopeValue2(), 0u);
}

// AddPoint numbers by count + 1, so after a gap it replaces the point under that key.
TEST(PointsBlock, addPointUsesCountPlusOne)
{
    TGeoPointsBlock block;
    EXPECT_EQ(block.AddPoint(0, 0, 500.0, 0.0, 0.0), 1u);

    TGeoPointsBlock gapped;
    gapped.SetPoint(1, 0, 0, 1.0, 0.0, 0.0);
    gapped.SetPoint(3, 0, 0, 3.0, 0.0, 0.0);
    EXPECT_EQ(gapped.AddPoint(7, 0, 9.0, 0.0, 0.0), 3u);
    EXPECT_EQ(gapped.GetCount(), 2u);
    EXPECT_EQ(gapped.FindPoint(3)->GetX(), 9.0);
    EXPECT_EQ(gapped.FindPoint(3)->GetPointType(), 7);
}

// Block-level copies keep the point type but drop flag and tag.
TEST(PointsBlock, blockCopiesDropFlagAndTag)
{
    TGeoPoint source = flaggedPoint();
    TGeoPointsBlock block;
    ASSERT_TRUE(block.SetPointFrom(2, &source));
    const IGeoPoint* filed = block.FindPoint(2);
    EXPECT_EQ(filed->GetPointType(), 4);
    EXPECT_EQ(filed->GetPointFlag(), 0);
    EXPECT_EQ(filed->GetPointTag(), 0u);
    EXPECT_FALSE(block.SetPointFrom(3, nullptr));

    TGeoPointsBlock flagged;
    flagged.SetPoint(5, 4, 5, 1.0, 2.0, 3.0);
    TGeoPointsBlock copy;
    ASSERT_TRUE(copy.CopyFrom(&flagged));
    ASSERT_NE(copy.FindPoint(5), nullptr);
    EXPECT_EQ(copy.FindPoint(5)->GetPointType(), 4);
    EXPECT_EQ(copy.FindPoint(5)->GetPointFlag(), 0);
    EXPECT_EQ(copy.FindPoint(5)->GetZ(), 3.0);
}

// CopyFrom replaces the whole content, but an empty source is refused and changes nothing.
TEST(PointsBlock, copyFromReplacesOrRefusesEmptySource)
{
    TGeoPointsBlock target;
    target.SetPoint(1, 0, 0, 1.0, 1.0, 1.0);
    target.SetPoint(9, 0, 0, 9.0, 9.0, 9.0);

    TGeoPointsBlock empty;
    EXPECT_FALSE(target.CopyFrom(&empty));
    EXPECT_FALSE(target.CopyFrom(nullptr));
    EXPECT_EQ(target.GetCount(), 2u);

    TGeoPointsBlock source;
    source.SetPoint(4, 0, 0, 4.0, 0.0, 0.0);
    EXPECT_TRUE(target.CopyFrom(&source));
    EXPECT_EQ(keysInIterationOrder(target), std::vector<std::uint32_t>{4});

    EXPECT_TRUE(target.CopyFrom(&target));
    EXPECT_EQ(target.GetCount(), 1u);
}

// GetPoint writes coordinates and type only, and an absent key changes nothing.
TEST(PointsBlock, getPointWritesCoordinatesAndTypeOnly)
{
    TGeoPointsBlock block;
    TGeoPoint target = flaggedPoint();
    EXPECT_FALSE(block.GetPoint(1, &target));

    block.SetPoint(1, 8, 9, 10.0, 20.0, 30.0);
    EXPECT_FALSE(block.GetPoint(1, nullptr));
    EXPECT_TRUE(block.GetPoint(2, &target));
    EXPECT_EQ(target.GetX(), 1.0);

    EXPECT_TRUE(block.GetPoint(1, &target));
    EXPECT_EQ(target.GetX(), 10.0);
    EXPECT_EQ(target.GetZ(), 30.0);
    EXPECT_EQ(target.GetPointType(), 8);
    EXPECT_EQ(target.GetPointFlag(), 5);
    EXPECT_EQ(target.GetPointTag(), 6u);
    EXPECT_EQ(block.GetCount(), 1u);
}

// MovePoint moves a filed point and creates nothing for an absent key.
TEST(PointsBlock, movePointNeedsAFiledPoint)
{
    TGeoPointsBlock block;
    block.SetPoint(1, 0, 0, 0.0, 0.0, 0.0);
    EXPECT_TRUE(block.MovePoint(1, 5.0, 6.0, 7.0));
    EXPECT_EQ(block.FindPoint(1)->GetY(), 6.0);
    EXPECT_FALSE(block.MovePoint(2, 5.0, 6.0, 7.0));
    EXPECT_EQ(block.FindPoint(2), nullptr);
    EXPECT_EQ(block.GetCount(), 1u);
}

// Iteration visits every point once, ends on the null marker, and stays put past the end.
TEST(PointsBlock, iterationVisitsEveryPointOnce)
{
    TGeoPointsBlock block;
    EXPECT_EQ(block.GetStartPosition(), nullptr);
    EXPECT_EQ(block.GetEndPosition(), nullptr);
    for (std::uint32_t key : {30u, 10u, 4294967295u, 20u})
        block.SetPoint(key, 0, 0, key, 0.0, 0.0);
    EXPECT_EQ(keysInIterationOrder(block), (std::vector<std::uint32_t>{10, 20, 30, 4294967295u}));

    POSITION end = nullptr;
    std::uint32_t key = 77;
    IGeoPoint* point = nullptr;
    block.GetNextPoint(end, key, point);
    EXPECT_EQ(key, 77u);
    EXPECT_EQ(point, nullptr);
    EXPECT_EQ(block.GetSelf(), &block);

    EXPECT_TRUE(block.RemoveAll());
    EXPECT_EQ(block.GetCount(), 0u);
    EXPECT_EQ(block.GetStartPosition(), nullptr);
}
