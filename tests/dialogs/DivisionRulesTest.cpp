// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "DivisionRules.h"
#include "tarvelo/geometry/TScopePointBlock.h"

using namespace tarvelo::dialogs::division;
using GEOTYPE_DEFINITION::TScopePointBlock;

namespace {

constexpr double kPi = std::numbers::pi;

void placeBreak(TScopePointBlock& scope, PlanePoint p1, PlanePoint p2, PlanePoint p3)
{
    scope.AddScopePoint(1, 1, 2, p1.x, p1.y, 7.0, 3, 4, 5, 6);
    scope.AddScopePoint(2, 2, 2, p2.x, p2.y, 7.0, 3, 4, 5, 6);
    scope.AddScopePoint(3, 3, 2, p3.x, p3.y, 7.0, 3, 4, 5, 6);
}

void expectAt(TScopePointBlock& scope, std::uint32_t key, double x, double y)
{
    auto* point = scope.FindPoint(key);
    ASSERT_NE(point, nullptr) << key;
    EXPECT_NEAR(point->GetX(), x, 1e-9) << "point " << key;
    EXPECT_NEAR(point->GetY(), y, 1e-9) << "point " << key;
}

}  // namespace

// A remembered type outside 200 to 204 falls back to the straight cut-off; 200 is kept.
TEST(DivisionRules, storedTypeFallsBackToStraightCutOff)
{
    for (std::uint32_t stored : {0u, 1u, 199u, 205u, 301u, 0xFFFFFFFFu})
        EXPECT_EQ(typeFromStored(stored), kStraightCutOff) << stored;
    for (std::uint32_t stored : {200u, 201u, 202u, 203u, 204u})
        EXPECT_EQ(typeFromStored(stored), stored);
}

// Size fields show four decimals when "Roundz" is 0 or absent, otherwise as many as stored.
TEST(DivisionRules, sizeDecimalsDefaultToFour)
{
    EXPECT_EQ(sizeDecimals(0), 4u);
    EXPECT_EQ(sizeDecimals(1), 1u);
    EXPECT_EQ(sizeDecimals(2), 2u);
}

// The direction covers all four quadrants from 0 up to 2π; the Y axis and a zero vector are exact.
TEST(DivisionRules, directionRunsCounterClockwiseFromXInEveryQuadrant)
{
    const PlanePoint origin{1.0, -2.0};
    auto towards = [&](double dx, double dy) { return direction(origin, {origin.x + dx, origin.y + dy}); };
    EXPECT_EQ(towards(5, 0), 0.0);
    EXPECT_EQ(towards(0, 5), kPi / 2);
    EXPECT_DOUBLE_EQ(towards(-5, 0), kPi);
    EXPECT_EQ(towards(0, -5), -kPi / 2 + 2 * kPi);
    EXPECT_DOUBLE_EQ(towards(1, 1), kPi / 4);
    EXPECT_DOUBLE_EQ(towards(-1, 1), 3 * kPi / 4);
    EXPECT_DOUBLE_EQ(towards(-1, -1), 5 * kPi / 4);
    EXPECT_DOUBLE_EQ(towards(1, -1), 7 * kPi / 4);
    EXPECT_EQ(towards(0, 0), 0.0);
}

// Height is the distance from point 1 to 2 and width from 2 to 3; a missing point gives nothing.
TEST(DivisionRules, measureReadsHeightAndWidthFromThePoints)
{
    TScopePointBlock scope;
    placeBreak(scope, {0, 0}, {0, 10}, {-5, 10});
    const auto sizes = measureBreak(scope);
    ASSERT_TRUE(sizes.has_value());
    EXPECT_EQ(sizes->height, 10.0);
    EXPECT_EQ(sizes->width, 5.0);

    TScopePointBlock shifted;
    for (std::uint32_t key = 2; key <= 4; ++key)
        shifted.AddScopePoint(key, key, 2, key * 1.0, 0.0, 0.0, 0, 0, 0, 0);
    EXPECT_FALSE(measureBreak(shifted).has_value());
}

// A new break replaces whatever points the block had by three under one scope key.
TEST(DivisionRules, newBreakLayoutReplacesThePoints)
{
    TScopePointBlock scope;
    for (std::uint32_t key = 1; key <= 4; ++key)
        scope.AddScopePoint(9, key, 9, 1.0, 1.0, 1.0, 1, 1, 1, 1);
    layOutNewBreak(scope, 10.0, 4.0, kFixedSizeScopeKey);
    ASSERT_EQ(scope.GetCount(), 3u);
    const double expected[3][2] = {{0, 0}, {0, 10}, {4, 0}};
    for (std::uint32_t key = 1; key <= 3; ++key) {
        auto* point = scope.FindPoint(key);
        ASSERT_NE(point, nullptr);
        EXPECT_EQ(point->GetX(), expected[key - 1][0]);
        EXPECT_EQ(point->GetY(), expected[key - 1][1]);
        EXPECT_EQ(point->GetZ(), 0.0);
        EXPECT_EQ(point->GetPointTag(), key);
        EXPECT_EQ(point->GetScopeKey(), kFixedSizeScopeKey);
        EXPECT_EQ(point->GetPointType(), 0);
        EXPECT_EQ(point->GetScopeKind(), 0);
        EXPECT_EQ(point->GetScopeValue1(), 0u);
        EXPECT_EQ(point->GetScopeValue2(), 0u);
    }
}

// Resizing keeps point 1 and the direction of 1→2, lays the width a quarter turn to the left, and touches only X and Y.
TEST(DivisionRules, resizeKeepsDirectionAndSquaresTheWidth)
{
    TScopePointBlock upright;
    placeBreak(upright, {0, 0}, {0, 10}, {-5, 10});
    ASSERT_TRUE(resizeBreak(upright, 20.0, 5.0));
    expectAt(upright, 1, 0, 0);
    expectAt(upright, 2, 0, 20);
    expectAt(upright, 3, -5, 20);

    TScopePointBlock alongX;
    placeBreak(alongX, {2, 3}, {7, 3}, {9, 9});
    ASSERT_TRUE(resizeBreak(alongX, 4.0, 6.0));
    expectAt(alongX, 2, 6, 3);
    expectAt(alongX, 3, 6, 9);

    // A point 3 off the perpendicular is moved onto it.
    TScopePointBlock slanted;
    placeBreak(slanted, {0, 0}, {3, 3}, {10, 0});
    ASSERT_TRUE(resizeBreak(slanted, std::sqrt(2.0), std::sqrt(8.0)));
    expectAt(slanted, 2, 1, 1);
    expectAt(slanted, 3, -1, 3);

    for (std::uint32_t key = 2; key <= 3; ++key) {
        auto* point = slanted.FindPoint(key);
        EXPECT_EQ(point->GetZ(), 7.0);
        EXPECT_EQ(point->GetPointTag(), key);
        EXPECT_EQ(point->GetScopeKey(), 2u);
        EXPECT_EQ(point->GetPointType(), 3);
        EXPECT_EQ(point->GetScopeValue2(), 6u);
    }
}

// A break that lacks one of its three points is left exactly as it was.
TEST(DivisionRules, resizeWithoutAllThreePointsMovesNothing)
{
    TScopePointBlock scope;
    scope.AddScopePoint(1, 1, 2, 0.0, 0.0, 0.0, 0, 0, 0, 0);
    scope.AddScopePoint(2, 2, 2, 0.0, 10.0, 0.0, 0, 0, 0, 0);
    EXPECT_FALSE(resizeBreak(scope, 20.0, 5.0));
    expectAt(scope, 2, 0, 10);
    EXPECT_EQ(scope.GetCount(), 2u);
}
