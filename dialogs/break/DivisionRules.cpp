// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DivisionRules.h"

#include <cmath>
#include <numbers>

#include "tarvelo/geometry/IGeoPoint.h"
#include "tarvelo/geometry/IScopePointBlock.h"

namespace tarvelo::dialogs::division {

namespace {

using GEOTYPE_DEFINITION::IGeoPoint;
using GEOTYPE_DEFINITION::IScopePointBlock;

constexpr double kPi = std::numbers::pi;

struct BreakPoints {
    IGeoPoint* start = nullptr;
    IGeoPoint* heightEnd = nullptr;
    IGeoPoint* widthEnd = nullptr;
};

std::optional<BreakPoints> findBreakPoints(IScopePointBlock& scope)
{
    BreakPoints points{scope.FindPoint(1), scope.FindPoint(2), scope.FindPoint(3)};
    if (points.start == nullptr || points.heightEnd == nullptr || points.widthEnd == nullptr)
        return std::nullopt;
    return points;
}

PlanePoint planeOf(const IGeoPoint& point)
{
    return {point.GetX(), point.GetY()};
}

double distance(PlanePoint a, PlanePoint b)
{
    return std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y));
}

}  // namespace

std::uint32_t typeFromStored(std::uint32_t stored)
{
    return stored >= 200 && stored <= kCurvedGap ? stored : kStraightCutOff;
}

std::uint32_t sizeDecimals(std::uint32_t stored)
{
    return stored == 0 ? 4 : stored;
}

double direction(PlanePoint from, PlanePoint to)
{
    // Against a reference vector along X: the signs of the dot and cross
    // products settle the quadrant that atan alone cannot tell.
    constexpr double reference = 1000.0;
    const double dot = reference * (to.x - from.x);
    const double cross = reference * (to.y - from.y);
    double angle = 0.0;
    if (dot > 0.0)
        angle = std::atan(cross / dot);
    else if (dot < 0.0)
        angle = std::atan(cross / dot) + (cross >= 0.0 ? kPi : -kPi);
    else if (cross > 0.0)
        angle = kPi / 2;
    else if (cross < 0.0)
        angle = -kPi / 2;
    return angle < 0.0 ? angle + 2 * kPi : angle;
}

std::optional<BreakSizes> measureBreak(IScopePointBlock& scope)
{
    const auto points = findBreakPoints(scope);
    if (!points)
        return std::nullopt;
    const PlanePoint start = planeOf(*points->start);
    const PlanePoint heightEnd = planeOf(*points->heightEnd);
    const PlanePoint widthEnd = planeOf(*points->widthEnd);
    // Measured square to the height, the width reads the same from both
    // layouts the dialog writes, so that a break shows the sizes it was given.
    const double angle = direction(start, heightEnd);
    const double across = -(widthEnd.x - start.x) * std::sin(angle) + (widthEnd.y - start.y) * std::cos(angle);
    return BreakSizes{distance(start, heightEnd), std::fabs(across)};
}

void layOutNewBreak(IScopePointBlock& scope, double height, double width, std::uint32_t scopeKey)
{
    if (!scope.IsEmpty())
        scope.RemoveAll();
    scope.AddScopePoint(1, 1, scopeKey, 0.0, 0.0, 0.0, 0, 0, 0, 0);
    scope.AddScopePoint(2, 2, scopeKey, 0.0, height, 0.0, 0, 0, 0, 0);
    scope.AddScopePoint(3, 3, scopeKey, width, 0.0, 0.0, 0, 0, 0, 0);
}

bool resizeBreak(IScopePointBlock& scope, double height, double width)
{
    const auto points = findBreakPoints(scope);
    if (!points)
        return false;
    const PlanePoint start = planeOf(*points->start);
    const double angle = direction(start, planeOf(*points->heightEnd));
    const PlanePoint heightEnd{start.x + height * std::cos(angle), start.y + height * std::sin(angle)};
    const PlanePoint widthEnd{heightEnd.x - width * std::sin(angle), heightEnd.y + width * std::cos(angle)};
    points->heightEnd->SetX(heightEnd.x);
    points->heightEnd->SetY(heightEnd.y);
    points->widthEnd->SetX(widthEnd.x);
    points->widthEnd->SetY(widthEnd.y);
    return true;
}

}  // namespace tarvelo::dialogs::division
