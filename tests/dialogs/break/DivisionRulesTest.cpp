// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <numbers>

#include "DivisionRules.h"
#include "tarvelo/geometry/TScopePointBlock.h"

using namespace tarvelo::dialogs::division;
using GEOTYPE_DEFINITION::TScopePointBlock;

constexpr double kPi = std::numbers::pi;

// The direction runs counter-clockwise from X over all four quadrants, from 0 up to 2π.
TEST(DivisionRules, directionCoversEveryQuadrant)
{
    const PlanePoint from{1.0, -2.0};
    const struct {
        double dx, dy, angle;
    } cases[] = {{5, 0, 0},        {1, 1, kPi / 4},      {0, 5, kPi / 2},      {-1, 1, 3 * kPi / 4},
                 {-5, 0, kPi},     {-1, -1, 5 * kPi / 4}, {0, -5, 3 * kPi / 2}, {1, -1, 7 * kPi / 4},
                 {0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_NEAR(direction(from, {from.x + c.dx, from.y + c.dy}), c.angle, 1e-12) << c.dx << ", " << c.dy;
}

// A break without one of its three points is neither measured nor moved.
TEST(DivisionRules, incompleteBreakIsLeftAlone)
{
    TScopePointBlock scope;
    for (std::uint32_t key : {1u, 2u, 4u})
        scope.AddScopePoint(key, key, 2, 0.0, key * 10.0, 0.0, 0, 0, 0, 0);
    EXPECT_FALSE(measureBreak(scope).has_value());
    EXPECT_FALSE(resizeBreak(scope, 5.0, 5.0));
    EXPECT_EQ(scope.FindPoint(2)->GetY(), 20.0);
}

// A break reads back the sizes it was laid out or resized with, whichever side of the height its point 3 is on.
TEST(DivisionRules, measuredSizesAreTheSizesGiven)
{
    TScopePointBlock scope;
    layOutNewBreak(scope, 10.0, 4.0, kFixedSizeScopeKey);
    auto sizes = measureBreak(scope);
    ASSERT_TRUE(sizes.has_value());
    EXPECT_NEAR(sizes->height, 10.0, 1e-12);
    EXPECT_NEAR(sizes->width, 4.0, 1e-12);
    scope.MovePoint(2, 3.0, 4.0, 0.0);
    ASSERT_TRUE(resizeBreak(scope, 7.5, 2.5));
    sizes = measureBreak(scope);
    EXPECT_NEAR(sizes->height, 7.5, 1e-12);
    EXPECT_NEAR(sizes->width, 2.5, 1e-12);
}
