// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include "DrawingQueries.h"
#include "SymbolBlocks.h"
#include "SymbolRenderer.h"

using namespace tarvelo::render;
using namespace tarvelo::render::testing;

namespace {

// The level mark's arrow: the thick polyline of three points whose middle one is the tip.
const PolylinePrimitive* arrowOf(const Drawing& drawing)
{
    const auto arrows = shapesOf<PolylinePrimitive>(drawing, PenRole::Thick);
    return arrows.size() == 1 && arrows[0].shape->points.size() == 3 ? arrows[0].shape : nullptr;
}

const LinePrimitive* horizontalLineThrough(const Drawing& drawing, QPointF point)
{
    for (const auto& line : shapesOf<LinePrimitive>(drawing, PenRole::Thin)) {
        const LinePrimitive& l = *line.shape;
        if (near(l.from.y(), point.y()) && near(l.to.y(), point.y()) &&
            std::min(l.from.x(), l.to.x()) < point.x() && std::max(l.from.x(), l.to.x()) > point.x())
            return &l;
    }
    return nullptr;
}

}  // namespace

// The arrow's tip touches the level line at the level point, its two sides at the arrow angle to that line and
// as high as the arrow size; a mark whose third point lies below the level turns over.
TEST(LevelMarkTest, arrowSidesMeetTheLevelLineAtTheArrowAngle)
{
    struct Case { double angle; double third; };
    for (const Case& mark : {Case{45.0, 1.0}, Case{60.0, 1.0}, Case{45.0, -1.0}}) {
        SCOPED_TRACE(mark.angle);
        const double scale = 50.0;
        auto block = newSymbol(301, scale);
        block->SetParam(2, mark.angle);
        const QPointF level(1000, 2000);
        setScopePoints(*block, {level, level + QPointF(500, 0), level + QPointF(0, mark.third * 500)});
        const Drawing drawing = renderSymbol(block.get());
        const PolylinePrimitive* arrow = arrowOf(drawing);
        ASSERT_NE(arrow, nullptr);
        EXPECT_TRUE(near(arrow->points[1], level));
        EXPECT_NE(horizontalLineThrough(drawing, level), nullptr) << "level line through the tip";
        for (const QPointF& end : {arrow->points[0], arrow->points[2]}) {
            const QPointF side = end - level;
            EXPECT_NEAR(degrees(std::atan2(std::abs(side.y()), std::abs(side.x()))), mark.angle, 1e-9);
            EXPECT_NEAR(side.y(), mark.third * 3.0 * scale, 1e-9);
        }
        const TextPrimitive* value = findText(drawing, QStringLiteral("\u00B10,000"));
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->position.y() > level.y(), mark.third > 0) << "the value stays with its shelf";
    }
}

// The level is written with its sign, three decimals and a decimal comma, whatever the main text holds, and the
// shelf is long enough for it.
TEST(LevelMarkTest, valueIsWrittenAsADraughtsmanWritesIt)
{
    struct Case { const char* mainText; const char* shown; };
    const Case cases[] = {{"3.250000*3", "+3,250"}, {"0.000000*3", "±0,000"}, {"-0.450000*3", "−0,450"},
                          {"-0.0004*3", "±0,000"},  {"12.3456", "+12,346"},   {"Объект Тарвело", "±0,000"},
                          {"1e3*3", "+1000,000"}};
    for (const Case& level : cases) {
        SCOPED_TRACE(level.mainText);
        auto block = newSymbol(301, 1.0);
        block->GetExtData()->SetMainText(cp1251(level.mainText));
        const Drawing drawing = renderSymbol(block.get());
        const TextPrimitive* value = findText(drawing, QString::fromUtf8(level.shown));
        ASSERT_NE(value, nullptr) << textsOf(drawing).front().toStdString();
        double shelf = 0.0;
        for (const auto& line : shapesOf<LinePrimitive>(drawing))
            if (near(line.shape->from.y(), line.shape->to.y()) && line.shape->from.y() > 0)
                shelf = lengthOf(*line.shape);
        EXPECT_GE(shelf, value->width() + 2.0);
    }
}

// A node designation circles the node with the parameter's diameter; the node number stands above the shelf and
// the sheet number below it, each at its own height.
TEST(NodeDesignationTest, circleAndNumbersFollowTheParameters)
{
    const double scale = 20.0;
    auto block = newSymbol(501, scale);
    block->SetParam(1, 14.0);
    block->GetExtData()->SetMainText("3");
    block->GetExtData()->SetSubText(cp1251("12"));
    const QPointF node(300, -400);
    setScopePoints(*block, {node});
    const Drawing drawing = renderSymbol(block.get());
    const auto circles = shapesOf<CirclePrimitive>(drawing);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_TRUE(near(circles[0].shape->centre, node));
    EXPECT_DOUBLE_EQ(circles[0].shape->radius, 7.0 * scale);
    const TextPrimitive* number = findText(drawing, QStringLiteral("3"));
    const TextPrimitive* sheet = findText(drawing, QStringLiteral("12"));
    ASSERT_NE(number, nullptr);
    ASSERT_NE(sheet, nullptr);
    EXPECT_DOUBLE_EQ(number->height, 5.0 * scale);
    EXPECT_DOUBLE_EQ(sheet->height, 3.5 * scale);
    EXPECT_GT(number->corners()[0].y(), sheet->corners()[3].y());
    EXPECT_GT(number->position.y(), node.y() + 7.0 * scale) << "the shelf stands clear of the circle";
}
