// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <functional>

#include "PlaneMath.h"
#include "PrimitivePainter.h"

using namespace tarvelo::render;

namespace {

// A drawing in millimetres (scale 1) with a thin pen of `lineType` and the usual weights.
Drawing drawingWith(const QString& lineType = QString())
{
    Drawing drawing;
    drawing.pens[static_cast<std::size_t>(PenRole::Thin)] = Pen{"0", lineType, 0.25, 256, {}, false};
    drawing.pens[static_cast<std::size_t>(PenRole::ThinSolid)] = Pen{"0", QString(), 0.25, 256, {}, false};
    drawing.pens[static_cast<std::size_t>(PenRole::Thick)] = Pen{"0", QString(), 0.7, 256, {}, true};
    drawing.pens[static_cast<std::size_t>(PenRole::ThickSolid)] = Pen{"0", QString(), 0.7, 256, {}, true};
    return drawing;
}

// Paints at `pixelsPerMillimetre` with the origin at the image's bottom left, Y up.
QImage paint(const Drawing& drawing, QSize size, double pixelsPerMillimetre)
{
    QImage image(size, QImage::Format_ARGB32);
    QPainter painter(&image);
    PaintOptions options;
    options.sheet = QRectF(QPointF(), size);
    const QTransform toDevice(pixelsPerMillimetre, 0, 0, -pixelsPerMillimetre, 0, size.height());
    paintDrawing(painter, drawing, toDevice, options);
    return image;
}

bool inked(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 160;
}

int inkInColumn(const QImage& image, int x, int fromY, int toY)
{
    int count = 0;
    for (int y = fromY; y < toY; ++y)
        count += inked(image, x, y) ? 1 : 0;
    return count;
}

// Separate runs of ink along one row.
int inkRunsInRow(const QImage& image, int y, int fromX, int toX)
{
    int runs = 0;
    bool inside = false;
    for (int x = fromX; x < toX; ++x) {
        const bool ink = inked(image, x, y);
        runs += ink && !inside ? 1 : 0;
        inside = ink;
    }
    return runs;
}

void forEachInk(const QImage& image, const std::function<void(QPoint)>& visit)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (inked(image, x, y))
                visit(QPoint(x, y));
}

}  // namespace

// Line weights show: at 10 pixels a millimetre a 0.25 mm line is about 2.5 pixels thick and a 0.7 mm line
// about 7; zoomed far out they keep one and two pixels, so thick still tells from thin.
TEST(PaintingTest, lineWeightsShowOnTheDevice)
{
    Drawing drawing = drawingWith();
    // Placed so that a one-pixel line covers one row and a two-pixel line two.
    drawing.primitives.push_back({LinePrimitive{{5, 10.5}, {95, 10.5}}, PenRole::Thin});
    drawing.primitives.push_back({LinePrimitive{{5, 30}, {95, 30}}, PenRole::Thick});
    const QImage near = paint(drawing, {1000, 400}, 10.0);
    EXPECT_NEAR(inkInColumn(near, 500, 200, 400), 2.5, 1.0);
    EXPECT_NEAR(inkInColumn(near, 500, 0, 200), 7.0, 1.0);
    const QImage far = paint(drawing, {100, 40}, 1.0);
    EXPECT_EQ(inkInColumn(far, 50, 20, 40), 1);
    EXPECT_EQ(inkInColumn(far, 50, 0, 20), 2);
}

// The thin dash-dot line type leaves gaps along a line; the solid role of the same pen does not.
TEST(PaintingTest, dashPatternsFollowTheLineType)
{
    Drawing drawing = drawingWith(QString::fromUtf8("Штрихпунктирная"));
    drawing.primitives.push_back({LinePrimitive{{0, 10}, {100, 10}}, PenRole::Thin});
    drawing.primitives.push_back({LinePrimitive{{0, 30}, {100, 30}}, PenRole::ThinSolid});
    const QImage image = paint(drawing, {400, 160}, 4.0);
    EXPECT_GE(inkRunsInRow(image, 160 - 40, 0, 400), 8) << "a long dash and a dot every 21.5 mm";
    EXPECT_EQ(inkRunsInRow(image, 160 - 120, 0, 400), 1);
}

// An arc turns counter-clockwise in drawing units, Y up: a quarter from 0 to 90 degrees lies up and to the right
// of its centre on the device.
TEST(PaintingTest, arcsTurnCounterClockwise)
{
    Drawing drawing = drawingWith();
    drawing.primitives.push_back({ArcPrimitive{{50, 50}, 40, 0, 90}, PenRole::Thin});
    const QImage image = paint(drawing, {100, 100}, 1.0);
    int upRight = 0;
    int elsewhere = 0;
    forEachInk(image, [&](QPoint pixel) { (pixel.x() >= 49 && pixel.y() <= 51 ? upRight : elsewhere)++; });
    EXPECT_GT(upRight, 40);
    EXPECT_EQ(elsewhere, 0);
}

// Letters fill the box the layout gives their text: as wide and as high, slanted and turned with it.
TEST(PaintingTest, textInkFillsItsBox)
{
    const double scale = 8.0;
    Drawing upright = drawingWith();
    const TextPrimitive text{QString::fromUtf8("ШОВ 12"), {10, 10}, 10, 0.8, 0, 0, HAlign::Left, VAlign::Baseline};
    upright.primitives.push_back({text, PenRole::Thin});
    QRect ink;
    const QImage image = paint(upright, {600, 200}, scale);
    forEachInk(image, [&](QPoint pixel) { ink |= QRect(pixel, QSize(1, 1)); });
    EXPECT_NEAR(ink.width(), text.width() * scale, 0.12 * text.width() * scale);
    EXPECT_NEAR(ink.height(), text.height * scale, 0.15 * text.height * scale);
    EXPECT_NEAR(ink.left(), 10 * scale, 0.05 * text.width() * scale);
    EXPECT_NEAR(ink.bottom(), 200 - 10 * scale, 2);

    TextPrimitive turned = text;
    turned.slantDegrees = 15;
    turned.rotationDegrees = 30;
    turned.position = {30, 5};
    Drawing slanted = drawingWith();
    slanted.primitives.push_back({turned, PenRole::Thin});
    QPolygonF box;
    for (const QPointF& corner : turned.corners())
        box << QPointF(corner.x() * scale, 400 - corner.y() * scale);
    int outside = 0;
    int inside = 0;
    const QImage turnedImage = paint(slanted, {600, 400}, scale);
    forEachInk(turnedImage, [&](QPoint pixel) {
        // Round letters overshoot the capital height a little, and antialiasing adds a pixel.
        const QPointF centre = QPointF(pixel) + QPointF(0.5, 0.5);
        bool within = false;
        for (const QPointF offset : {QPointF(0, 0), QPointF(2.5, 0), QPointF(-2.5, 0), QPointF(0, 2.5), QPointF(0, -2.5)})
            within = within || box.containsPoint(centre + offset, Qt::OddEvenFill);
        (within ? inside : outside)++;
    });
    EXPECT_GT(inside, 500);
    EXPECT_EQ(outside, 0);
}
