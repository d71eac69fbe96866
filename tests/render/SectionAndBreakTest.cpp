// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <algorithm>

#include "DrawingQueries.h"
#include "SymbolBlocks.h"
#include "SymbolRenderer.h"

using namespace tarvelo::render;
using namespace tarvelo::render::testing;

namespace {

// The thick end strokes of a section mark: two-point polylines.
std::vector<const PolylinePrimitive*> endStrokes(const Drawing& drawing)
{
    std::vector<const PolylinePrimitive*> strokes;
    for (const auto& found : shapesOf<PolylinePrimitive>(drawing, PenRole::Thick)) {
        if (found.shape->points.size() == 2)
            strokes.push_back(found.shape);
    }
    return strokes;
}

}  // namespace

// A straight cut placed in the drawing: at every scale the strokes start at the line's ends, run inwards as
// long as the stroke parameter and are as wide as the thickness parameter, in drawing units.
TEST(SectionMarkTest, strokesAreTheParameterTimesTheScale)
{
    for (const double scale : {1.0, 25.0, 100.0}) {
        SCOPED_TRACE(scale);
        auto block = newSymbol(101, scale);
        block->SetParam(1, 15.0);
        block->SetParam(2, 1.4);
        setScopePoints(*block, {{0, 0}, {80 * scale, 0}, {40 * scale, 30 * scale}});
        const Drawing drawing = renderSymbol(block.get());
        const auto strokes = endStrokes(drawing);
        ASSERT_EQ(strokes.size(), 2u);
        EXPECT_TRUE(near(strokes[0]->points[0], {0, 0}, scale));
        EXPECT_TRUE(near(strokes[0]->points[1], {15 * scale, 0}, scale));
        EXPECT_TRUE(near(strokes[1]->points[0], {80 * scale, 0}, scale));
        EXPECT_TRUE(near(strokes[1]->points[1], {65 * scale, 0}, scale));
        EXPECT_DOUBLE_EQ(strokes[0]->width, 1.4 * scale);
    }
}

// The arrows stand on the strokes at the setback from their outer ends and point to the side of point 3; with
// point 3 on the other side they turn round. The designation stands outside each arrow.
TEST(SectionMarkTest, arrowsAreSetBackAndLookTowardsTheViewSide)
{
    const double scale = 10.0;
    for (const double side : {1.0, -1.0}) {
        SCOPED_TRACE(side);
        auto block = newSymbol(101, scale);
        block->SetParam(4, 3.0);
        block->GetExtData()->SetMainText(cp1251("Б"));
        setScopePoints(*block, {{0, 0}, {0, 100 * scale}, {-side * 20 * scale, 50 * scale}});
        const Drawing drawing = renderSymbol(block.get());
        const auto heads = shapesOf<ArrowHeadPrimitive>(drawing);
        ASSERT_EQ(heads.size(), 2u);
        std::vector<double> setbacks;
        for (const auto& head : heads) {
            // The cut runs up the Y axis; the view side of point 3 is -X for side +1 (left of the cut).
            EXPECT_TRUE(near(unit(head.shape->tip - head.shape->back), {-side, 0.0}));
            setbacks.push_back(head.shape->tip.y());
        }
        std::sort(setbacks.begin(), setbacks.end());
        EXPECT_NEAR(setbacks[0], 3 * scale, 1e-9);
        EXPECT_NEAR(setbacks[1], 97 * scale, 1e-9);
        const auto letters = shapesOf<TextPrimitive>(drawing);
        ASSERT_EQ(letters.size(), 2u);
        for (const auto& letter : letters) {
            EXPECT_EQ(letter.shape->text, QString::fromUtf8("Б"));
            const double y = letter.shape->position.y();
            EXPECT_TRUE(y < 3 * scale || y > 97 * scale) << "beyond the arrow, away from the middle: " << y;
        }
    }
}

// A stepped cut has a corner stroke at each bend, half a stroke along each of the two runs.
TEST(SectionMarkTest, steppedCutHasCornerStrokesAtItsBends)
{
    auto block = newSymbol(102, 1.0);
    setScopePoints(*block, {{0, 0}, {40, 0}, {40, -30}, {90, -30}, {0, 20}});
    const Drawing drawing = renderSymbol(block.get());
    std::vector<QPointF> bends;
    for (const auto& found : shapesOf<PolylinePrimitive>(drawing, PenRole::Thick)) {
        const auto& points = found.shape->points;
        if (points.size() != 3)
            continue;
        bends.push_back(points[1]);
        EXPECT_NEAR(distance(points[0], points[1]), 6.0, 1e-9);
        EXPECT_NEAR(distance(points[1], points[2]), 6.0, 1e-9);
    }
    ASSERT_EQ(bends.size(), 2u);
    EXPECT_TRUE(near(bends[0], {40, 0}));
    EXPECT_TRUE(near(bends[1], {40, -30}));
    EXPECT_EQ(endStrokes(drawing).size(), 2u);
}

// The dialog's placeholder points are far too close at 1:100: the nominal layout keeps the strokes apart at their
// full length, looking towards the placeholder's side.
TEST(SectionMarkTest, placeholderPointsGiveTheNominalLayout)
{
    for (const std::uint32_t type : {101u, 102u}) {
        SCOPED_TRACE(type);
        const auto block = newSymbol(type, 100.0);
        const Drawing drawing = renderSymbol(block.get());
        const auto strokes = endStrokes(drawing);
        ASSERT_EQ(strokes.size(), 2u);
        for (const auto* stroke : strokes)
            EXPECT_NEAR(distance(stroke->points[0], stroke->points[1]), 1200.0, 1e-6);
        EXPECT_GT(distance(strokes[0]->points[1], strokes[1]->points[1]), 1000.0);
        for (const auto& head : shapesOf<ArrowHeadPrimitive>(drawing))
            EXPECT_GT(head.shape->tip.y(), head.shape->back.y());
    }
}

// A zigzag break line runs past both contour points by the overshoot, with as many kinks as the parameter says.
TEST(BreakLineTest, straightLineOvershootsTheContourWithItsKinks)
{
    const double scale = 20.0;
    auto block = newSymbol(201, scale);
    block->SetParam(3, 4.0);
    block->SetParam(4, 2.0);
    setScopePoints(*block, {{0, 0}, {0, 50 * scale}, {0, 0}});
    const Drawing drawing = renderSymbol(block.get());
    const auto lines = shapesOf<PolylinePrimitive>(drawing, PenRole::Thin);
    ASSERT_EQ(lines.size(), 1u);
    const auto& points = lines[0].shape->points;
    EXPECT_TRUE(near(points.front(), {0, -4 * scale}, scale));
    EXPECT_TRUE(near(points.back(), {0, 54 * scale}, scale));
    EXPECT_EQ(points.size(), 2u + 4u * 2u);
    const auto [left, right] = std::minmax_element(points.begin(), points.end(),
                                                   [](QPointF a, QPointF b) { return a.x() < b.x(); });
    EXPECT_NEAR(right->x() - left->x(), 4.0 * scale, 1e-9) << "kink width";
}

// A break in a part draws a second line at the width that point 3 gives, on its side; a curved break stays
// inside the contour.
TEST(BreakLineTest, breakInAPartHasItsSecondLineAtTheWidth)
{
    for (const std::uint32_t type : {202u, 204u}) {
        SCOPED_TRACE(type);
        auto block = newSymbol(type, 1.0);
        setScopePoints(*block, {{0, 0}, {0, 40}, {-15, 0}});
        const Drawing drawing = renderSymbol(block.get());
        const QRectF bounds = drawing.bounds();
        EXPECT_NEAR(bounds.left(), -15 - 2, 1e-9);
        EXPECT_NEAR(bounds.right(), 2, 1e-9);
        if (type == 204) {
            EXPECT_EQ(shapesOf<ArcPrimitive>(drawing).size(), 4u);
            EXPECT_NEAR(bounds.top(), 0, 1e-9);
            EXPECT_NEAR(bounds.bottom(), 40, 1e-9);
        }
    }
    auto cutOff = newSymbol(201, 1.0);
    setScopePoints(*cutOff, {{0, 0}, {0, 40}, {-15, 0}});
    const Drawing oneLine = renderSymbol(cutOff.get());
    EXPECT_EQ(shapesOf<PolylinePrimitive>(oneLine).size(), 1u);
}
