// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "DrawingQueries.h"
#include "SymbolBlocks.h"
#include "SymbolRenderer.h"

using namespace tarvelo::render;
using namespace tarvelo::render::testing;

namespace {

constexpr double kScale = 10.0;
constexpr double kSeamLength = 60.0 * kScale;

// What a seam along +X shows: its pieces on the seam line and the marks off it.
struct SeamLook {
    int weldedPieces = 0;
    int thinPieces = 0;
    int upright = 0;
    int diagonal = 0;
    int oneSided = 0;
    int across = 0;
    bool marksInGaps = true;

    /// A seam line in more welded pieces than it has welded lengths is dashed.
    [[nodiscard]] bool dashed() const { return weldedPieces > thinPieces + 1; }
    [[nodiscard]] auto signature() const { return std::tuple(across > 0, diagonal > 0, thinPieces > 0, dashed()); }
};

SeamLook lookOf(std::uint32_t code)
{
    auto block = newSymbol(code, kScale);
    setScopePoints(*block, {{0, 0}, {kSeamLength, 0}});
    const Drawing drawing = renderSymbol(block.get());
    SeamLook look;
    std::vector<std::pair<double, double>> welded;
    std::vector<double> markPlaces;
    // The designation's leader and shelf are the only lines in the plain thin pen.
    for (const auto& found : shapesOf<LinePrimitive>(drawing)) {
        const LinePrimitive& line = *found.shape;
        if (found.pen == PenRole::Thin)
            continue;
        if (near(line.from.y(), 0.0) && near(line.to.y(), 0.0)) {
            if (found.pen == PenRole::ThickSolid) {
                ++look.weldedPieces;
                welded.emplace_back(std::min(line.from.x(), line.to.x()), std::max(line.from.x(), line.to.x()));
            } else {
                ++look.thinPieces;
            }
            continue;
        }
        const double low = std::min(line.from.y(), line.to.y());
        const double high = std::max(line.from.y(), line.to.y());
        (near(line.from.x(), line.to.x()) ? look.upright : look.diagonal)++;
        (low < -1e-9 && high > 1e-9 ? look.across : look.oneSided)++;
        markPlaces.push_back((line.from.x() + line.to.x()) / 2.0);
    }
    for (const double place : markPlaces)
        for (const auto& [from, to] : welded)
            if (place > from + 1e-9 && place < to - 1e-9)
                look.marksInGaps = false;
    return look;
}

}  // namespace

// Each of the sixteen seam types shows its group and kind: corner seams mark one side and butt seams cross the
// joint, factory seams with strokes and site seams with crosses; hidden seams are dashed with every mark in a
// gap, intermittent ones welded in lengths joined by thin lines. No two types look alike.
TEST(WeldSeamTest, sixteenTypesAreDistinguishable)
{
    std::set<std::tuple<bool, bool, bool, bool>> looks;
    for (std::uint32_t group = 0; group < 4; ++group) {
        for (std::uint32_t kind = 1; kind <= 4; ++kind) {
            const std::uint32_t code = 700 + 10 * group + kind;
            SCOPED_TRACE(code);
            const bool butt = group == 1 || group == 3;
            const bool site = group >= 2;
            const bool hidden = kind == 2 || kind == 4;
            const bool intermittent = kind >= 3;
            const SeamLook look = lookOf(code);
            EXPECT_GT(look.upright + look.diagonal, 3);
            EXPECT_EQ(look.diagonal > 0, site);
            EXPECT_EQ(look.upright > 0, !site);
            EXPECT_EQ(look.across > 0, butt);
            EXPECT_EQ(look.oneSided > 0, !butt);
            EXPECT_EQ(look.thinPieces > 0, intermittent);
            EXPECT_EQ(look.dashed(), hidden);
            if (hidden) {
                EXPECT_TRUE(look.marksInGaps);
            }
            looks.insert(look.signature());
        }
    }
    EXPECT_EQ(looks.size(), 16u);
}

// The designation stands on a horizontal shelf at the end of a leader whose one-sided arrow touches the seam:
// above the shelf for a visible seam, under it for a hidden one, the sub text on the other side. The shelf
// covers the longer text with the overshoot at both ends, keeps its parameter's length for short texts, and
// turns to the left, texts right-aligned, when the seam runs the other way.
TEST(WeldSeamTest, designationSitsOnItsSideOfTheShelf)
{
    struct Case {
        std::uint32_t code;
        double direction;
        const char* designation;
        const char* other;
    };
    for (const Case& test : {Case{701, 1.0, "ГОСТ 5264-80-Т1-6", "С4"}, Case{702, 1.0, "ГОСТ 5264-80-Т1-6", "С4"},
                             Case{731, -1.0, "С17", "С4"}, Case{704, 1.0, "С17", ""}}) {
        SCOPED_TRACE(test.code);
        auto block = newSymbol(test.code, kScale);
        block->GetExtData()->SetMainText(cp1251(test.designation));
        block->GetExtData()->SetSubText(cp1251(test.other));
        setScopePoints(*block, {{0, 0}, {test.direction * kSeamLength, 0}});
        const Drawing drawing = renderSymbol(block.get());

        const LinePrimitive* shelf = nullptr;
        for (const auto& line : shapesOf<LinePrimitive>(drawing, PenRole::Thin))
            if (near(line.shape->from.y(), line.shape->to.y()) && !near(line.shape->from.y(), 0.0))
                shelf = line.shape;
        ASSERT_NE(shelf, nullptr);
        const double shelfY = shelf->from.y();
        const double shelfLeft = std::min(shelf->from.x(), shelf->to.x());
        const double shelfRight = std::max(shelf->from.x(), shelf->to.x());
        EXPECT_EQ(shelf->to.x() < shelf->from.x(), test.direction < 0.0);

        const auto arrows = shapesOf<ArrowHeadPrimitive>(drawing);
        ASSERT_EQ(arrows.size(), 1u);
        EXPECT_TRUE(arrows[0].shape->oneSided);
        EXPECT_TRUE(near(arrows[0].shape->tip.y(), 0.0));

        const bool hidden = test.code % 2 == 0;
        double longest = 0.0;
        for (const auto& [content, above] :
             {std::pair(test.designation, !hidden), std::pair(test.other, hidden)}) {
            const TextPrimitive* text = findText(drawing, QString::fromUtf8(content));
            if (*content == '\0') {
                EXPECT_EQ(text, nullptr);
                continue;
            }
            ASSERT_NE(text, nullptr) << content;
            EXPECT_DOUBLE_EQ(text->height, 3.5 * kScale);
            EXPECT_EQ(text->hAlign, test.direction > 0.0 ? HAlign::Left : HAlign::Right);
            longest = std::max(longest, text->width());
            for (const QPointF& corner : text->corners()) {
                EXPECT_EQ(corner.y() > shelfY, above);
                EXPECT_GE(corner.x(), shelfLeft + 2.0 * kScale - 1e-6);
                EXPECT_LE(corner.x(), shelfRight - 2.0 * kScale + 1e-6);
            }
        }
        EXPECT_NEAR(shelfRight - shelfLeft, std::max(15.0 * kScale, longest + 4.0 * kScale), 1e-6);
    }
}

// Hatch strokes lie in a band as wide as the parameter on the right of a line, at the pitch and angle given;
// drawn the other way round they change sides. The ground boundary leaves gaps between groups of three.
TEST(BoundHatchTest, strokesLieInTheBandOnTheChosenSide)
{
    for (const double direction : {1.0, -1.0}) {
        SCOPED_TRACE(direction);
        auto block = newSymbol(602, kScale);
        block->SetParam(1, 2.5);
        block->SetParam(2, 60.0);
        setScopePoints(*block, {{0, 0}, {direction * 50 * kScale, 0}});
        const Drawing drawing = renderSymbol(block.get());
        const auto strokes = shapesOf<HatchStrokePrimitive>(drawing);
        ASSERT_GT(strokes.size(), 10u);
        std::vector<double> places;
        for (const auto& stroke : strokes) {
            EXPECT_TRUE(near(stroke.shape->from.y(), 0.0));
            EXPECT_NEAR(stroke.shape->to.y(), -direction * 4.0 * kScale, 1e-9);
            const QPointF slope = stroke.shape->to - stroke.shape->from;
            EXPECT_NEAR(degrees(std::atan2(std::abs(slope.y()), std::abs(slope.x()))), 60.0, 1e-9);
            places.push_back(stroke.shape->from.x());
        }
        std::sort(places.begin(), places.end());
        for (std::size_t i = 1; i < places.size(); ++i)
            EXPECT_NEAR(places[i] - places[i - 1], 2.5 * kScale, 1e-9);
    }

    auto ground = newSymbol(603, kScale);
    setScopePoints(*ground, {{0, 0}, {50 * kScale, 0}});
    std::vector<double> places;
    const Drawing groundDrawing = renderSymbol(ground.get());
    for (const auto& stroke : shapesOf<HatchStrokePrimitive>(groundDrawing))
        places.push_back(stroke.shape->from.x());
    std::sort(places.begin(), places.end());
    ASSERT_GE(places.size(), 6u);
    EXPECT_NEAR(places[1] - places[0], 2.0 * kScale, 1e-9);
    EXPECT_NEAR(places[2] - places[1], 2.0 * kScale, 1e-9);
    EXPECT_NEAR(places[3] - places[2], 6.0 * kScale, 1e-9);
}

// The boundary hatch closes its contour and hatches inside it, whichever way its corners were given.
TEST(BoundHatchTest, boundaryHatchStaysInsideItsContour)
{
    for (const QPointF corner : {QPointF(400, 300), QPointF(-400, -300)}) {
        auto block = newSymbol(601, kScale);
        setScopePoints(*block, {{0, 0}, corner});
        const Drawing drawing = renderSymbol(block.get());
        const auto contours = shapesOf<PolylinePrimitive>(drawing, PenRole::Thick);
        ASSERT_EQ(contours.size(), 1u);
        EXPECT_TRUE(contours[0].shape->closed);
        const QRectF inside = QRectF(QPointF(0, 0), corner).normalized().adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
        const auto strokes = shapesOf<HatchStrokePrimitive>(drawing);
        EXPECT_GT(strokes.size(), 20u);
        for (const auto& stroke : strokes) {
            EXPECT_TRUE(inside.contains(stroke.shape->from));
            EXPECT_TRUE(inside.contains(stroke.shape->to));
        }
    }
}
