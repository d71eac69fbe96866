// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Level marks. On elevations and sections (301): an arrow of two strokes at
// the arrow angle to the level line with its tip on it, a stem up to a shelf
// and the value above the shelf, the note below it. On plans (302): the
// value in a frame, with extension lines a leader from the marked point.
//
// Points: scope point 1 is the level point. Point 2 gives the side of the
// shelf (or of the frame), point 3 whether the mark stands above or below
// the level (or where the plan leader bends).
#include <cmath>
#include <vector>

#include "DrawingBuilder.h"
#include "KindDrawings.h"
#include "LevelValueText.h"
#include "PlaneMath.h"
#include "tarvelo/geometry/IExtData.h"
#include "tarvelo/geometry/IGeoBlock.h"

namespace tarvelo::render {

namespace {

// Parameter rows of the level mark.
constexpr std::uint32_t kArrowSize = 1;
constexpr std::uint32_t kArrowAngle = 2;
constexpr std::uint32_t kTextHeight = 3;
constexpr std::uint32_t kShelfLength = 4;
constexpr std::uint32_t kTextGap = 5;

constexpr double kPlanDotDiameterMm = 1.5;
constexpr double kPlanLeaderMm = 8.0;

struct LevelSizes {
    explicit LevelSizes(const DrawingBuilder& out)
        : arrow(out.positiveSize(kArrowSize, 3.0)), text(out.positiveSize(kTextHeight, 3.5)),
          shelf(out.size(kShelfLength, 12.0)), gap(out.size(kTextGap, 1.0))
    {
        const double angle = out.param(kArrowAngle, 45.0);
        arrowAngle = angle > 0.0 && angle < 90.0 ? angle : 45.0;
    }

    double arrow;
    double arrowAngle;
    double text;
    double shelf;
    double gap;
};

QString valueText(DrawingBuilder& out)
{
    return levelValueText(levelValueOf(out.block().GetExtData()->GetMainText()));
}

// -1 when the point given lies on the negative side of `from` on that axis, else +1.
double sideAlong(const std::vector<QPointF>& points, std::size_t index, QPointF from, bool vertical)
{
    if (points.size() <= index)
        return 1.0;
    const double delta = vertical ? points[index].y() - from.y() : points[index].x() - from.x();
    return delta < 0.0 ? -1.0 : 1.0;
}

}  // namespace

void drawLevelMark(DrawingBuilder& out)
{
    const LevelSizes sizes(out);
    const std::vector<QPointF> points = out.scopePoints();
    const QPointF tip = points.empty() ? out.anchor() : points[0];
    const double shelfSide = sideAlong(points, 1, tip, false);
    const double upSide = sideAlong(points, 2, tip, true);

    const double spread = sizes.arrow / std::tan(radians(sizes.arrowAngle));
    out.line(tip - QPointF(2.0 * spread, 0.0), tip + QPointF(2.0 * spread, 0.0));
    out.polyline({tip + QPointF(-spread, upSide * sizes.arrow), tip, tip + QPointF(spread, upSide * sizes.arrow)},
                 PenRole::Thick);

    // The stem leaves room for a line of text between the arrow and a shelf below the level.
    const double stem = sizes.arrow + sizes.text + 2.0 * sizes.gap;
    const QPointF shelfStart = tip + QPointF(0.0, upSide * stem);
    out.line(tip, shelfStart);

    // The texts stand a gap in from the shelf's start, as far as from the shelf.
    out.shelf(shelfStart, shelfSide, valueText(out), out.subText(), sizes.text, sizes.gap, sizes.gap, sizes.shelf);
}

void drawPlanLevelMark(DrawingBuilder& out)
{
    const LevelSizes sizes(out);
    const std::vector<QPointF> points = out.scopePoints();
    const QPointF point = points.empty() ? out.anchor() : points[0];
    const QString value = valueText(out);
    // The dialog lays out one point without extension lines and three with them.
    if (points.size() < 3) {
        out.framedText(value, point, sizes.text, sizes.gap);
        return;
    }
    const double frameHeight = sizes.text + 2.0 * sizes.gap;
    QPointF bend = points[2];
    if (distance(point, bend) < frameHeight)
        bend = point + unit(bend - point, QPointF(0.0, 1.0)) * out.mm(kPlanLeaderMm);
    const double side = sideAlong(points, 1, point, false);
    const QPointF reach = bend + QPointF(side * sizes.arrow, 0.0);
    out.polyline({point, bend, reach});
    out.disc(point, out.mm(kPlanDotDiameterMm) / 2.0);
    const double halfFrame = out.textWidth(value, sizes.text) / 2.0 + sizes.gap;
    out.framedText(value, reach + QPointF(side * halfFrame, 0.0), sizes.text, sizes.gap);
}

}  // namespace tarvelo::render
