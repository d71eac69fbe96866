// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Node designation on a view: a thin circle round the node, a leader from
// the circle at 45 degrees to a shelf, the node number above the shelf and
// the number of the sheet that details the node below it.
//
// Points: scope point 1 is the centre of the node.
#include <algorithm>
#include <vector>

#include "DrawingBuilder.h"
#include "KindDrawings.h"
#include "PlaneMath.h"

namespace tarvelo::render {

namespace {

// Parameter rows of the node designation.
constexpr std::uint32_t kCircleDiameter = 1;
constexpr std::uint32_t kNodeNumberHeight = 2;
constexpr std::uint32_t kSheetNumberHeight = 3;
constexpr std::uint32_t kShelfLength = 4;

constexpr double kTextGapMm = 1.0;
// The leader leaves the circle for three quarters of its diameter.
constexpr double kLeaderPerDiameter = 0.75;

}  // namespace

void drawNodeDesignation(DrawingBuilder& out)
{
    const double diameter = out.positiveSize(kCircleDiameter, 12.0);
    const double nodeHeight = out.positiveSize(kNodeNumberHeight, 5.0);
    const double sheetHeight = out.positiveSize(kSheetNumberHeight, 3.5);
    const double gap = out.mm(kTextGapMm);
    const std::vector<QPointF> points = out.scopePoints();
    const QPointF centre = points.empty() ? out.anchor() : points[0];

    const double radius = diameter / 2.0;
    out.circle(centre, radius, PenRole::ThinSolid);
    const QPointF outward = direction(45.0);
    const QPointF bend = centre + outward * (radius + kLeaderPerDiameter * diameter);
    out.line(centre + outward * radius, bend);

    const QString node = out.mainText();
    const QString sheet = out.subText();
    const double textLength = std::max(out.textWidth(node, nodeHeight), out.textWidth(sheet, sheetHeight));
    const double shelf = std::max(out.size(kShelfLength, 15.0), textLength + 2.0 * gap);
    out.line(bend, bend + QPointF(shelf, 0.0));
    const QPointF middle = bend + QPointF(shelf / 2.0, 0.0);
    out.text(node, middle + QPointF(0.0, gap), nodeHeight, HAlign::Centre, VAlign::Baseline);
    out.text(sheet, middle - QPointF(0.0, gap), sheetHeight, HAlign::Centre, VAlign::Top);
}

}  // namespace tarvelo::render
