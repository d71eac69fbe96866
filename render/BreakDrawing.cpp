// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Break lines, thin: the straight kind is a line with zigzag kinks that runs
// past the contour by the overshoot at both ends; the curved kind is a wavy
// line inside the contour. A cut-off (201, 203) ends the part at one line, a
// break (202, 204) leaves out the part between two.
//
// Points: the line runs from scope point 1 to scope point 2 (the part's
// height); the second line of a break lies on the side of point 3, as far
// from the first as point 3 lies off it (the width).
#include <algorithm>
#include <cmath>
#include <vector>

#include "DrawingBuilder.h"
#include "KindDrawings.h"
#include "PlaneMath.h"
#include "tarvelo/geometry/IGeoBlock.h"

namespace tarvelo::render {

namespace {

// Parameter rows of the break line.
constexpr std::uint32_t kKinkHeight = 1;
constexpr std::uint32_t kKinkWidth = 2;
constexpr std::uint32_t kOvershoot = 3;
constexpr std::uint32_t kKinkCount = 4;

constexpr int kMostKinks = 20;
constexpr double kNominalHeightMm = 30.0;
constexpr double kNominalWidthMm = 12.0;
// A second line closer than this to the first is not a width the user gave.
constexpr double kLeastWidthMm = 1.0;

struct BreakLayout {
    QPointF from;
    QPointF to;
    /// From the first line to the second; zero for a cut-off.
    QPointF offset;
};

int kinkCount(const DrawingBuilder& out)
{
    const double count = std::round(out.positiveParam(kKinkCount, 1.0));
    return static_cast<int>(std::clamp(count, 1.0, static_cast<double>(kMostKinks)));
}

BreakLayout layoutOf(DrawingBuilder& out, double kinkHeight, int kinks)
{
    const std::vector<QPointF> points = out.scopePoints();
    BreakLayout layout;
    layout.from = points.empty() ? out.anchor() : points[0];
    layout.to = points.size() > 1 ? points[1] : layout.from;
    // A line drawn upwards when the points give no direction, as breaks usually cross a horizontal part.
    const QPointF along = unit(layout.to - layout.from, QPointF(0.0, 1.0));
    if (distance(layout.from, layout.to) < kinkHeight * kinks)
        layout.to = layout.from + along * std::max(out.mm(kNominalHeightMm), 2.0 * kinkHeight * kinks);

    const std::uint32_t type = out.block().GetSymbolType();
    if (type == 202 || type == 204) {
        const QPointF across = points.size() > 2 ? points[2] - layout.from : QPointF();
        const double width = cross(along, across);
        const QPointF right = rightNormal(along);
        layout.offset = std::abs(width) >= out.mm(kLeastWidthMm) ? leftNormal(along) * width
                                                                  : right * out.mm(kNominalWidthMm);
    }
    return layout;
}

std::vector<QPointF> zigzagLine(QPointF from, QPointF to, double overshoot, double kinkHeight, double kinkWidth,
                                int kinks)
{
    const QPointF along = unit(to - from);
    const QPointF side = leftNormal(along) * (kinkWidth / 2.0);
    const double span = distance(from, to);
    std::vector<QPointF> line{from - along * overshoot};
    for (int k = 0; k < kinks; ++k) {
        const QPointF centre = from + along * (span * (k + 0.5) / kinks);
        line.push_back(centre - along * (kinkHeight / 2.0));
        line.push_back(centre - along * (kinkHeight / 6.0) + side);
        line.push_back(centre + along * (kinkHeight / 6.0) - side);
        line.push_back(centre + along * (kinkHeight / 2.0));
    }
    line.push_back(to + along * overshoot);
    return line;
}

// Half waves as arcs whose bulge is half the kink width, alternating sides.
void wavyLine(DrawingBuilder& out, QPointF from, QPointF to, double kinkWidth, int waves)
{
    const QPointF along = unit(to - from);
    const int halves = 2 * waves;
    const double chord = distance(from, to) / halves;
    const double bulge = kinkWidth / 2.0;
    const double radius = (chord * chord / 4.0 + bulge * bulge) / (2.0 * bulge);
    const double sweep = 2.0 * degrees(std::asin(std::min(1.0, chord / 2.0 / radius)));
    for (int k = 0; k < halves; ++k) {
        const double bulgeSide = k % 2 == 0 ? 1.0 : -1.0;
        const QPointF start = from + along * (chord * k);
        const QPointF middle = start + along * (chord / 2.0);
        const QPointF centre = middle - leftNormal(along) * (bulgeSide * (radius - bulge));
        // Bulging to the left of the run, the arc turns clockwise from its start.
        out.arc(centre, radius, angleOf(start - centre), -bulgeSide * sweep);
    }
}

}  // namespace

void drawStraightBreak(DrawingBuilder& out)
{
    const double kinkHeight = out.positiveSize(kKinkHeight, 6.0);
    const double kinkWidth = out.size(kKinkWidth, 4.0);
    const double overshoot = out.size(kOvershoot, 3.0);
    const int kinks = kinkCount(out);
    const BreakLayout layout = layoutOf(out, kinkHeight, kinks);
    out.polyline(zigzagLine(layout.from, layout.to, overshoot, kinkHeight, kinkWidth, kinks));
    if (!layout.offset.isNull())
        out.polyline(zigzagLine(layout.from + layout.offset, layout.to + layout.offset, overshoot, kinkHeight,
                                kinkWidth, kinks));
}

void drawCurvedBreak(DrawingBuilder& out)
{
    const double kinkHeight = out.positiveSize(kKinkHeight, 6.0);
    const double waveWidth = out.positiveSize(kKinkWidth, 4.0);
    const int waves = kinkCount(out);
    const BreakLayout layout = layoutOf(out, kinkHeight, waves);
    wavyLine(out, layout.from, layout.to, waveWidth, waves);
    if (!layout.offset.isNull())
        wavyLine(out, layout.from + layout.offset, layout.to + layout.offset, waveWidth, waves);
}

}  // namespace tarvelo::render
