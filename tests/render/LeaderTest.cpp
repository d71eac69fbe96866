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

constexpr double kScale = 10.0;
const QPointF kObject(0, 0);
const QPointF kBend(0, 200);

// A position leader placed in the drawing: object, bend, shelf to the right.
std::unique_ptr<TGeoBlock> placedLeader(std::uint32_t ending)
{
    auto block = newSymbol(401, kScale);
    block->SetSymbolVariant(ending);
    block->GetExtData()->SetMainText(cp1251("Поз. 12"));
    block->GetExtData()->SetSubText(cp1251("Лист 3"));
    setScopePoints(*block, {kObject, kBend, kBend + QPointF(100, 0)});
    return block;
}

// Horizontal lines at the height of `y`.
std::vector<const LinePrimitive*> shelvesAt(const Drawing&& drawing, double y) = delete;
std::vector<const LinePrimitive*> shelvesAt(const Drawing& drawing, double y)
{
    std::vector<const LinePrimitive*> shelves;
    for (const auto& line : shapesOf<LinePrimitive>(drawing, PenRole::Thin))
        if (near(line.shape->from.y(), y) && near(line.shape->to.y(), y))
            shelves.push_back(line.shape);
    return shelves;
}

}  // namespace

// The shelf starts at the bend and is as long as the longer text plus the overshoot at either end; the first
// text stands above it by the gap, the second below.
TEST(LeaderTest, shelfIsAsLongAsItsTextPlusTheOvershoot)
{
    auto block = placedLeader(1);
    block->SetParam(5, 3.0);
    const Drawing drawing = renderSymbol(block.get());
    const TextPrimitive* upper = findText(drawing, QString::fromUtf8("Поз. 12"));
    const TextPrimitive* lower = findText(drawing, QString::fromUtf8("Лист 3"));
    ASSERT_NE(upper, nullptr);
    ASSERT_NE(lower, nullptr);
    const auto shelves = shelvesAt(drawing, kBend.y());
    ASSERT_EQ(shelves.size(), 1u);
    EXPECT_TRUE(near(shelves[0]->from, kBend));
    EXPECT_NEAR(lengthOf(*shelves[0]), std::max(upper->width(), lower->width()) + 2 * 3.0 * kScale, 1e-9);
    EXPECT_NEAR(upper->corners()[0].y(), kBend.y() + 1.0 * kScale, 1e-9);
    EXPECT_NEAR(lower->corners()[3].y(), kBend.y() - 1.0 * kScale, 1e-9);
    EXPECT_NEAR(upper->corners()[0].x(), kBend.x() + 3.0 * kScale, 1e-9);
    EXPECT_DOUBLE_EQ(upper->height, 3.5 * kScale);

    // The last point on the left puts the shelf on the left.
    setScopePoints(*block, {kObject, kBend, kBend - QPointF(100, 0)});
    const Drawing left = renderSymbol(block.get());
    const auto leftShelf = shelvesAt(left, kBend.y());
    ASSERT_EQ(leftShelf.size(), 1u);
    EXPECT_LT(leftShelf[0]->to.x(), kBend.x());
}

// Each ending draws its own mark at the object, along the leader from the bend.
TEST(LeaderTest, endMarksFollowTheChosenEnding)
{
    const QPointF along = unit(kObject - kBend);
    {
        const Drawing line = renderSymbol(placedLeader(1).get());
        EXPECT_TRUE(shapesOf<ArrowHeadPrimitive>(line).empty());
        EXPECT_TRUE(shapesOf<CirclePrimitive>(line).empty());
    }
    {
        const Drawing open = renderSymbol(placedLeader(2).get());
        const auto sides = shapesOf<LinePrimitive>(open, PenRole::ThinSolid);
        ASSERT_EQ(sides.size(), 2u) << "an open arrow";
        for (const auto& side : sides) {
            EXPECT_TRUE(near(side.shape->from, kObject));
            EXPECT_LT(dot(side.shape->to - side.shape->from, along), 0.0);
        }
    }
    for (const std::uint32_t ending : {3u, 4u}) {
        const Drawing arrow = renderSymbol(placedLeader(ending).get());
        const auto heads = shapesOf<ArrowHeadPrimitive>(arrow);
        ASSERT_EQ(heads.size(), 1u);
        EXPECT_TRUE(near(heads[0].shape->tip, kObject));
        EXPECT_TRUE(near(unit(heads[0].shape->tip - heads[0].shape->back), along));
        EXPECT_NEAR(distance(heads[0].shape->tip, heads[0].shape->back), 3.0 * kScale, 1e-9);
        EXPECT_EQ(heads[0].shape->oneSided, ending == 4u);
    }
    {
        const Drawing dot = renderSymbol(placedLeader(5).get());
        const auto dots = shapesOf<CirclePrimitive>(dot);
        ASSERT_EQ(dots.size(), 1u);
        EXPECT_TRUE(dots[0].shape->filled);
        EXPECT_TRUE(near(dots[0].shape->centre, kObject));
        EXPECT_DOUBLE_EQ(dots[0].shape->radius, 1.5 / 2 * kScale);
    }
    {
        const Drawing tick = renderSymbol(placedLeader(6).get());
        const auto ticks = shapesOf<LinePrimitive>(tick, PenRole::ThickSolid);
        ASSERT_EQ(ticks.size(), 1u);
        EXPECT_TRUE(near((ticks[0].shape->from + ticks[0].shape->to) / 2.0, kObject));
        const QPointF direction = unit(ticks[0].shape->to - ticks[0].shape->from);
        EXPECT_NEAR(std::abs(dot(direction, along)), std::cos(radians(45.0)), 1e-9);
    }
}

// A multilayer leader carries one shelf per record, the first record on top, in the order of the items' keys.
TEST(LeaderTest, multilayerLeaderHasAShelfPerRecordTopFirst)
{
    auto block = newSymbol(403, kScale);
    setScopePoints(*block, {kObject, kBend, kBend});
    block->AddItem(7, 2, nullptr, cp1251("Стяжка 40"), 0);
    block->AddItem(7, 1, nullptr, cp1251("Линолеум"), 0);
    block->AddItem(7, 3, nullptr, cp1251("Плита 220"), 0);
    const Drawing drawing = renderSymbol(block.get());
    std::vector<const TextPrimitive*> records;
    for (const auto& text : shapesOf<TextPrimitive>(drawing))
        records.push_back(text.shape);
    std::sort(records.begin(), records.end(),
              [](const TextPrimitive* a, const TextPrimitive* b) { return a->position.y() > b->position.y(); });
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0]->text, QString::fromUtf8("Линолеум"));
    EXPECT_EQ(records[1]->text, QString::fromUtf8("Стяжка 40"));
    EXPECT_EQ(records[2]->text, QString::fromUtf8("Плита 220"));
    for (const TextPrimitive* record : records)
        EXPECT_EQ(shelvesAt(drawing, record->position.y() - 1.0 * kScale).size(), 1u) << record->text.toStdString();
    EXPECT_NEAR(records[2]->position.y(), kBend.y() + 1.0 * kScale, 1e-9) << "the last record on the bend's shelf";
}
