// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "CColorPickerCB.h"
#include "TestEnvironment.h"

using tarvelo::controls::CColorPickerCB;

namespace {

// Two choices from the library: red with line width 1, blue with line width 6.
class ColorPickerTest : public ::testing::Test {
protected:
    ColorPickerTest()
    {
        EXPECT_EQ(picker.currentIndex(), -1);
        picker.addChoice(tarvelo::services::testing::cp1251("Красный").c_str(), 1);
        picker.addChoice("Blue", 5);
        picker.setColors({0x000000FFu, 0x00FF0000u});
        picker.setLineWidths({1, 6});
    }

    // Draws item `index` alone into a 200 × 24 picture in `mode`.
    QImage drawn(int mode, int index, bool selected = false)
    {
        picker.setPresentationMode(mode);
        QImage image(200, 24, QImage::Format_RGB32);
        QPainter painter(&image);
        picker.paintItem(painter, image.rect(), index, selected, false);
        return image;
    }

    CColorPickerCB picker;
    const QColor base = picker.palette().color(QPalette::Base);
};

}  // namespace

// Colour mode draws a quarter-width swatch 4 from the left and 2 from the top, text mode none,
// line-width mode a line of the item's width across the right half, an unknown mode only background;
// entries outside the lists read 0.
TEST_F(ColorPickerTest, eachModeDrawsItsSample)
{
    EXPECT_EQ(picker.presentationMode(), CColorPickerCB::kTextMode);
    EXPECT_EQ(picker.itemText(0), QStringLiteral("Красный"));
    for (const int outside : {-1, 2})
        EXPECT_TRUE(picker.GetColor(outside) == 0 && picker.GetLineWidth(outside) == 0) << outside;
    const QImage red = drawn(CColorPickerCB::kColorMode, 0);
    EXPECT_TRUE(red.pixelColor(4, 2) == Qt::red && red.pixelColor(53, 21) == Qt::red);
    EXPECT_TRUE(red.pixelColor(3, 12) == base && red.pixelColor(30, 1) == base);
    EXPECT_EQ(drawn(CColorPickerCB::kTextMode, 0).pixelColor(40, 20), base);
    const QImage thick = drawn(CColorPickerCB::kLineWidthMode, 1);
    EXPECT_TRUE(thick.pixelColor(150, 12) == Qt::black && thick.pixelColor(150, 10) == Qt::black);
    EXPECT_TRUE(thick.pixelColor(150, 5) == base && thick.pixelColor(197, 12) == base);
    EXPECT_EQ(drawn(CColorPickerCB::kLineWidthMode, 0).pixelColor(150, 9), base);
    const QImage blank = drawn(7, 0, true);
    for (int x = 0; x < blank.width(); x += 3)
        ASSERT_EQ(blank.pixelColor(x, 12), picker.palette().color(QPalette::Highlight)) << x;
}

// The closed box shows its current item the way the list draws it.
TEST_F(ColorPickerTest, closedBoxShowsTheCurrentItem)
{
    picker.setPresentationMode(CColorPickerCB::kColorMode);
    picker.setCurrentIndex(1);
    picker.resize(200, picker.sizeHint().height());
    const QImage shown = picker.grab().toImage();
    int blue = 0;
    for (int x = 0; x < shown.width(); ++x)
        blue += shown.pixelColor(x, shown.height() / 2) == Qt::blue ? 1 : 0;
    EXPECT_GT(blue, 10);
}
