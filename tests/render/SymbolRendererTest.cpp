// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Runs without an application: drawing a block needs none.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cmath>
#include <limits>

#include "DrawingQueries.h"
#include "SymbolBlocks.h"
#include "SymbolRenderer.h"

using namespace tarvelo::render;
using namespace tarvelo::render::testing;

namespace {

constexpr std::uint32_t kEveryType[] = {101, 102, 201, 202, 203, 204, 301, 302, 401, 402, 403, 404, 405,
                                        406, 407, 501, 601, 602, 603, 604, 605, 701, 702, 703, 704, 711,
                                        712, 713, 714, 721, 722, 723, 724, 731, 732, 733, 734, 801, 802};

bool finite(QPointF point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

}  // namespace

// No block, or a type nothing draws, gives an empty drawing; every type of every kind draws something.
TEST(SymbolRendererTest, everyTypeDrawsAndNothingElse)
{
    EXPECT_TRUE(renderSymbol(nullptr).isEmpty());
    for (const std::uint32_t type : {0u, 100u, 103u, 303u, 705u, 735u, 803u, 900u}) {
        auto block = newSymbol(101);
        block->SetSymbolType(type);
        block->SetSymbolVariant(type);
        EXPECT_FALSE(canRender(type)) << type;
        EXPECT_TRUE(renderSymbol(block.get()).isEmpty()) << type;
    }
    for (const std::uint32_t type : kEveryType) {
        EXPECT_TRUE(canRender(type)) << type;
        EXPECT_FALSE(renderSymbol(newSymbol(type).get()).isEmpty()) << type;
    }
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
}

// A level mark whose kind was switched in the dialog keeps its old type until accepted: it is drawn as the
// kind chosen.
TEST(SymbolRendererTest, levelMarkIsDrawnAsTheKindChosen)
{
    auto block = newSymbol(301);
    block->SetSymbolVariant(302);
    setScopePoints(*block, {{0, 0}});
    EXPECT_EQ(drawnType(*block), 302u);
    const Drawing drawing = renderSymbol(block.get());
    const auto frames = shapesOf<PolylinePrimitive>(drawing);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_TRUE(frames[0].shape->closed);
}

// The pens carry the traits: the layer, the main and thick line types and weights, the colour; texts take the
// text style's width factor and slant.
TEST(SymbolRendererTest, pensComeFromTheTraits)
{
    auto block = newSymbol(501);
    auto& traits = *block->GetTraits();
    traits.SetLayerName(cp1251("Узлы"));
    traits.SetColorIndex(1001);
    traits.SetTriple(255, 0, 0);
    traits.SetMainLineType(cp1251("Штриховая"));
    traits.SetMainLineValue(0.18);
    traits.SetThickLineValue(0.0);
    traits.SetThickLineWeight(cp1251("0.70 мм"));
    traits.SetTextValue2(0.7);
    traits.SetTextValue3(15.0);
    const Drawing drawing = renderSymbol(block.get());
    const Pen& thin = drawing.pen(PenRole::Thin);
    EXPECT_EQ(thin.layer, QString::fromUtf8("Узлы"));
    EXPECT_EQ(thin.lineType, QString::fromUtf8("Штриховая"));
    EXPECT_DOUBLE_EQ(thin.weight, 0.18);
    EXPECT_EQ(thin.color, QColor(255, 0, 0));
    EXPECT_EQ(thin.colorNumber, 1);
    EXPECT_FALSE(thin.thick);
    EXPECT_TRUE(drawing.pen(PenRole::ThinSolid).lineType.isEmpty());
    EXPECT_DOUBLE_EQ(drawing.pen(PenRole::Thick).weight, 0.70) << "from the weight's name when no value is given";
    EXPECT_TRUE(drawing.pen(PenRole::ThickSolid).thick);
    const TextPrimitive* number = findText(drawing, QStringLiteral("1"));
    ASSERT_NE(number, nullptr);
    EXPECT_DOUBLE_EQ(number->widthFactor, 0.7);
    EXPECT_DOUBLE_EQ(number->slantDegrees, 15.0);

    // By layer draws in the drawing's ink; a block without host defaults still has a thin and a thick weight.
    GEOTYPE_DEFINITION::TGeoBlock bare;
    bare.SetSymbolType(501);
    const Drawing plain = renderSymbol(&bare);
    EXPECT_FALSE(plain.pen(PenRole::Thin).color.isValid());
    EXPECT_LT(plain.pen(PenRole::Thin).weight, plain.pen(PenRole::Thick).weight);
    EXPECT_FALSE(plain.isEmpty());
}

// Sizes are sheet millimetres times the scale: the same symbol at 1:1 and at 40 times, with its points forty
// times as far apart, is the same drawing forty times as large.
TEST(SymbolRendererTest, everythingScalesWithTheBlock)
{
    for (const std::uint32_t type : kOneTypePerKind) {
        SCOPED_TRACE(type);
        auto small = newSymbol(type, 1.0);
        auto large = newSymbol(type, 40.0);
        setScopePoints(*small, {{0, 0}, {30, 0}, {30, 20}});
        setScopePoints(*large, {{0, 0}, {1200, 0}, {1200, 800}});
        if (type == 801) {
            setScopePoints(*small, {{0, 0}});
            setScopePoints(*large, {{0, 0}});
            setAxes(*small, {{"А", 0}, {"Б", 50}}, {{"1", 0}, {"2", 60}});
            setAxes(*large, {{"А", 0}, {"Б", 2000}}, {{"1", 0}, {"2", 2400}});
        }
        const QRectF one = renderSymbol(small.get()).bounds();
        const QRectF forty = renderSymbol(large.get()).bounds();
        ASSERT_FALSE(one.isEmpty());
        EXPECT_NEAR(forty.left(), 40 * one.left(), 1e-6 * 40 * one.width());
        EXPECT_NEAR(forty.top(), 40 * one.top(), 1e-6 * 40 * one.height());
        EXPECT_NEAR(forty.width(), 40 * one.width(), 1e-6 * 40 * one.width());
        EXPECT_NEAR(forty.height(), 40 * one.height(), 1e-6 * 40 * one.height());
    }
}

// A damaged block (sizes not numbers, negative or huge, an impossible scale, points not numbers) draws with
// the defaults instead: something, and nothing that is not a number.
TEST(SymbolRendererTest, damagedBlockDrawsWithTheDefaults)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const std::uint32_t type : kEveryType) {
        SCOPED_TRACE(type);
        auto block = newSymbol(type);
        for (std::uint32_t key = 1; key <= 15; ++key)
            block->SetParam(key, key % 3 == 0 ? nan : key % 3 == 1 ? -5.0 : 1e300);
        block->SetScale(std::numeric_limits<double>::infinity());
        block->SetAngle(nan);
        setScopePoints(*block, {{nan, 0}, {1e300, 1e300}, {0, nan}});
        const Drawing drawing = renderSymbol(block.get());
        EXPECT_FALSE(drawing.isEmpty());
        const QRectF bounds = drawing.bounds();
        EXPECT_TRUE(finite(bounds.topLeft()) && finite(bounds.bottomRight()));
        EXPECT_LT(bounds.width(), 1e6);
    }
}
