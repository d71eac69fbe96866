// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "DrawingQueries.h"
#include "LineTypePattern.h"
#include "SymbolBlocks.h"
#include "SymbolRenderer.h"

using namespace tarvelo::render;
using namespace tarvelo::render::testing;

namespace {

constexpr double kScale = 100.0;

// The axis lines: the thin lines drawn with the main (dash-dot) line type.
std::vector<const LinePrimitive*> axisLines(const Drawing&& drawing) = delete;
std::vector<const LinePrimitive*> axisLines(const Drawing& drawing)
{
    std::vector<const LinePrimitive*> lines;
    for (const auto& line : shapesOf<LinePrimitive>(drawing, PenRole::Thin))
        lines.push_back(line.shape);
    return lines;
}

// The marker circles at the ends of one axis line.
std::vector<const CirclePrimitive*> marksOf(const Drawing& drawing, const LinePrimitive& axis)
{
    std::vector<const CirclePrimitive*> marks;
    for (const auto& circle : shapesOf<CirclePrimitive>(drawing)) {
        const double r = circle.shape->radius;
        for (const auto& [end, other] : {std::pair{axis.to, axis.from}, std::pair{axis.from, axis.to}}) {
            if (near(circle.shape->centre, end + unit(end - other) * r, kScale))
                marks.push_back(circle.shape);
        }
    }
    return marks;
}

std::multiset<QString> dimensionTexts(const Drawing& drawing)
{
    std::multiset<QString> texts;
    for (const auto& text : shapesOf<TextPrimitive>(drawing))
        if (text.shape->height == 3.5 * kScale)
            texts.insert(text.shape->text);
    return texts;
}

}  // namespace

// Every axis of the default array is a dash-dot line with a solid marker circle of the parameter's diameter
// at each end, centred on the axis' line just past its end, with the axis' name in it.
TEST(AxisArrayTest, markerCirclesSitAtTheAxisEndsWithTheParameterDiameter)
{
    auto block = newSymbol(801, kScale);
    block->SetParam(1, 10.0);
    const Drawing drawing = renderSymbol(block.get());
    EXPECT_FALSE(dashPatternOf(drawing.pen(PenRole::Thin).lineType).empty());
    const auto axes = axisLines(drawing);
    ASSERT_EQ(axes.size(), 9u);
    for (const LinePrimitive* axis : axes) {
        const auto marks = marksOf(drawing, *axis);
        ASSERT_EQ(marks.size(), 2u);
        for (const CirclePrimitive* mark : marks) {
            EXPECT_DOUBLE_EQ(mark->radius, 5.0 * kScale);
            EXPECT_FALSE(mark->filled);
        }
    }
    EXPECT_EQ(shapesOf<CirclePrimitive>(drawing, PenRole::ThinSolid).size(), 18u);
    for (const char* name : {"А", "Б", "В", "Г", "1", "2", "3", "4", "5"}) {
        const TextPrimitive* label = findText(drawing, QString::fromUtf8(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_DOUBLE_EQ(label->height, 5.0 * kScale);
    }
}

// The steps add up: the lettered axes stand at 0, 6000, 12000 and 18000 up the array, the numbered ones along it;
// the insertion point and a given angle move and turn the whole array.
TEST(AxisArrayTest, axesStandAtTheSumOfTheirStepsFromTheInsertionPoint)
{
    auto block = newSymbol(801, kScale);
    const QPointF insertion(5000, -3000);
    block->GetScopePoints()->AddScopePoint(1, 1, 1, insertion.x(), insertion.y(), 0.0, 0, 0, 0, 0);
    block->SetAngle(90.0);
    block->SetAngleMode(1);
    const Drawing drawing = renderSymbol(block.get());
    std::set<long> across;
    for (const LinePrimitive* axis : axisLines(drawing)) {
        // Turned a quarter: lettered axes run up the page, numbered ones across it.
        if (near(axis->from.x(), axis->to.x(), kScale))
            across.insert(std::lround(insertion.x() - axis->from.x()));
    }
    EXPECT_EQ(across, (std::set<long>{0, 6000, 12000, 18000}));

    block->SetAngleMode(0);
    std::set<long> upright;
    const Drawing unturned = renderSymbol(block.get());
    for (const LinePrimitive* axis : axisLines(unturned))
        if (near(axis->from.x(), axis->to.x(), kScale))
            upright.insert(std::lround(axis->from.x() - insertion.x()));
    EXPECT_EQ(upright, (std::set<long>{0, 6000, 12000, 18000, 24000})) << "an angle not given is not applied";
}

// The placement lists choose the ends that get marks: letters on the left only, numbers hidden.
TEST(AxisArrayTest, placementsChooseTheMarkedEnds)
{
    auto block = newSymbol(801, kScale);
    block->SetParam(11, 6000);
    block->SetParam(12, 10);
    const Drawing drawing = renderSymbol(block.get());
    const auto circles = shapesOf<CirclePrimitive>(drawing);
    ASSERT_EQ(circles.size(), 4u);
    for (const auto& circle : circles)
        EXPECT_LT(circle.shape->centre.x(), 0.0);
    EXPECT_EQ(findText(drawing, QStringLiteral("1")), nullptr);
}

// The dimension chain gives every span between neighbouring axes, the overall dimension the whole array, as the
// two options say.
TEST(AxisArrayTest, dimensionsFollowTheOptions)
{
    struct Case { double chain; double overall; std::multiset<QString> texts; };
    const QString six = QStringLiteral("6000");
    const Case cases[] = {
        {1, 1, {six, six, six, six, six, six, six, QStringLiteral("24000"), QStringLiteral("18000")}},
        {1, 0, {six, six, six, six, six, six, six}},
        {0, 1, {QStringLiteral("24000"), QStringLiteral("18000")}},
        {0, 0, {}},
    };
    for (const Case& options : cases) {
        SCOPED_TRACE(::testing::Message() << options.chain << options.overall);
        auto block = newSymbol(801, kScale);
        block->SetParam(13, options.chain);
        block->SetParam(14, options.overall);
        const Drawing drawing = renderSymbol(block.get());
        EXPECT_EQ(dimensionTexts(drawing), options.texts);
        // The axes reach past the dimension lines to their marks.
        const QRectF grid(0, 0, 24000, 18000);
        for (const auto& dimension : shapesOf<LinePrimitive>(drawing, PenRole::ThinSolid)) {
            EXPECT_FALSE(grid.contains(dimension.shape->from)) << "dimension lines lie outside the grid";
        }
    }
}

// A polar array draws its lettered axes as arcs round the insertion point and its numbered axes as rays.
TEST(AxisArrayTest, polarArrayHasArcsAndRays)
{
    const Drawing drawing = renderSymbol(newSymbol(802, kScale).get());
    std::set<long> radii;
    for (const auto& arc : shapesOf<ArcPrimitive>(drawing, PenRole::Thin)) {
        EXPECT_TRUE(near(arc.shape->centre, {0, 0}));
        EXPECT_LT(arc.shape->startDegrees, 0.0);
        EXPECT_GT(arc.shape->startDegrees + arc.shape->spanDegrees, 90.0);
        radii.insert(std::lround(arc.shape->radius));
    }
    EXPECT_EQ(radii, (std::set<long>{6000, 12000, 18000}));
    std::set<long> rays;
    for (const LinePrimitive* ray : axisLines(drawing)) {
        EXPECT_TRUE(near(ray->from, {0, 0}));
        rays.insert(std::lround(angleOf(ray->to - ray->from)));
    }
    EXPECT_EQ(rays, (std::set<long>{0, 30, 60, 90}));
    EXPECT_EQ(shapesOf<CirclePrimitive>(drawing).size(), 3u * 2u + 4u);
}

// The angular steps of a polar array are dimensioned by arcs round the pole, beyond the outermost axis arc: the
// chain with one arc over each step, ticks on the rays and the angle in degrees, the overall angle one row
// further out; the rays run out past both rows to their marks.
TEST(AxisArrayTest, polarStepsGetAngularDimensions)
{
    auto block = newSymbol(802, kScale);
    block->SetParam(13, 1);
    block->SetParam(14, 1);
    setAxes(*block, {{"А", 6000}, {"Б", 6000}}, {{"1", 0}, {"2", 30}, {"3", 45}});
    const Drawing drawing = renderSymbol(block.get());
    const double offset = 10.0 * kScale;
    const double chainRadius = 12000 + offset;
    const double overallRadius = chainRadius + offset;

    const auto covers = [&](double radius, double from, double to) {
        for (const auto& arc : shapesOf<ArcPrimitive>(drawing, PenRole::ThinSolid)) {
            const double start = std::min(arc.shape->startDegrees, arc.shape->startDegrees + arc.shape->spanDegrees);
            const double end = std::max(arc.shape->startDegrees, arc.shape->startDegrees + arc.shape->spanDegrees);
            if (near(arc.shape->centre, {0, 0}) && near(arc.shape->radius, radius) && start <= from + 1e-9 &&
                end >= to - 1e-9)
                return true;
        }
        return false;
    };
    EXPECT_TRUE(covers(chainRadius, 0, 30));
    EXPECT_TRUE(covers(chainRadius, 30, 75));
    EXPECT_TRUE(covers(overallRadius, 0, 75));
    EXPECT_FALSE(covers(chainRadius, 0, 75)) << "the chain is split at the middle ray";

    for (const double angle : {0.0, 30.0, 75.0}) {
        SCOPED_TRACE(angle);
        const QPointF onChain = direction(angle) * chainRadius;
        const auto ticks = shapesOf<LinePrimitive>(drawing, PenRole::ThickSolid);
        EXPECT_TRUE(std::any_of(ticks.begin(), ticks.end(), [&](const auto& tick) {
            return near((tick.shape->from + tick.shape->to) / 2.0, onChain, kScale);
        }));
    }
    for (const LinePrimitive* ray : axisLines(drawing))
        EXPECT_GT(distance(ray->from, ray->to), overallRadius);

    const std::multiset<QString> texts = dimensionTexts(drawing);
    for (const char* angle : {"30°", "45°", "75°"})
        EXPECT_EQ(texts.count(QString::fromUtf8(angle)), 1u) << angle;
    const TextPrimitive* step = findText(drawing, QString::fromUtf8("45°"));
    ASSERT_NE(step, nullptr);
    EXPECT_GT(length(step->position), chainRadius);
    EXPECT_NEAR(angleOf(step->position), 52.5, 0.5);
}
