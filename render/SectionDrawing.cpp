// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Section and cut marks: an open cutting line shown only by thick strokes at
// its ends (and at the bends of a stepped cut), arrows at right angles to the
// end strokes, set back from their outer ends, pointing the direction of
// view, and the designation beside each arrow on its outer side.
//
// Points: a straight cut runs from scope point 1 to scope point 2 and looks
// towards the side of point 3. A stepped cut runs through every point but
// the last, which gives the side of view.
#include <cmath>
#include <vector>

#include "DrawingBuilder.h"
#include "KindDrawings.h"
#include "PlaneMath.h"

namespace tarvelo::render {

namespace {

// Parameter rows of the section mark.
constexpr std::uint32_t kStrokeLength = 1;
constexpr std::uint32_t kStrokeWidth = 2;
constexpr std::uint32_t kArrowHeadLength = 3;
constexpr std::uint32_t kArrowSetback = 4;
constexpr std::uint32_t kLetterHeight = 5;
constexpr std::uint32_t kLetterGap = 6;

// The arrow's shaft and head together are twice as long as the head.
constexpr double kArrowPerHead = 2.0;
constexpr double kHeadHalfWidthPerLength = 0.3;

struct SectionSizes {
    explicit SectionSizes(const DrawingBuilder& out)
        : stroke(out.positiveSize(kStrokeLength, 12.0)), strokeWidth(out.size(kStrokeWidth, 1.0)),
          arrowHead(out.positiveSize(kArrowHeadLength, 5.0)), setback(out.size(kArrowSetback, 2.0)),
          letter(out.positiveSize(kLetterHeight, 7.0)), letterGap(out.size(kLetterGap, 1.0))
    {
    }

    double stroke;
    double strokeWidth;
    double arrowHead;
    double setback;
    double letter;
    double letterGap;
};

// +1 when `point` lies left of the line through `origin` along `along` (or on it), else -1.
double sideOf(QPointF point, QPointF origin, QPointF along)
{
    return cross(along, point - origin) < 0.0 ? -1.0 : 1.0;
}

// One end of the cutting line: the stroke inwards from `end`, the arrow of
// view from the stroke, and the designation in the outer corner between them.
void drawEnd(DrawingBuilder& out, const SectionSizes& sizes, QPointF end, QPointF outward, QPointF view,
             const QString& letter)
{
    out.polyline({end, end - outward * sizes.stroke}, PenRole::Thick, sizes.strokeWidth);
    const QPointF base = end - outward * sizes.setback;
    const double arrowLength = sizes.arrowHead * kArrowPerHead;
    const QPointF tip = base + view * arrowLength;
    const QPointF back = tip - view * sizes.arrowHead;
    const double halfWidth = sizes.arrowHead * kHeadHalfWidthPerLength;
    out.line(base, back, PenRole::ThinSolid);
    out.arrowHead(tip, back, halfWidth);
    if (letter.isEmpty())
        return;
    // Upright letters: how far the box reaches along `outward` from its centre.
    const double reach = std::abs(outward.x()) * out.textWidth(letter, sizes.letter) / 2.0 +
                         std::abs(outward.y()) * sizes.letter / 2.0;
    const QPointF centre = base + view * (arrowLength / 2.0) + outward * (halfWidth + sizes.letterGap + reach);
    out.text(letter, centre, sizes.letter, HAlign::Centre, VAlign::Middle);
}

// A bend of a stepped cut: a thick corner stroke half a stroke long each way.
void drawBend(DrawingBuilder& out, const SectionSizes& sizes, QPointF before, QPointF bend, QPointF after)
{
    const double leg = sizes.stroke / 2.0;
    out.polyline({bend + unit(before - bend) * leg, bend, bend + unit(after - bend) * leg}, PenRole::Thick,
                 sizes.strokeWidth);
}

void drawCut(DrawingBuilder& out, const SectionSizes& sizes, const std::vector<QPointF>& line, double side)
{
    const QString letter = out.mainText();
    const std::size_t last = line.size() - 1;
    const QPointF startAlong = unit(line[1] - line[0]);
    const QPointF endAlong = unit(line[last] - line[last - 1]);
    drawEnd(out, sizes, line[0], -startAlong, leftNormal(startAlong) * side, letter);
    for (std::size_t i = 1; i < last; ++i)
        drawBend(out, sizes, line[i - 1], line[i], line[i + 1]);
    drawEnd(out, sizes, line[last], endAlong, leftNormal(endAlong) * side, letter);
}

}  // namespace

void drawStraightSection(DrawingBuilder& out)
{
    const SectionSizes sizes(out);
    const std::vector<QPointF> points = out.scopePoints();
    const QPointF from = points.empty() ? out.anchor() : points[0];
    QPointF to = points.size() > 1 ? points[1] : from;
    const QPointF along = unit(to - from);
    const double side = points.size() > 2 ? sideOf(points[2], from, along) : 1.0;
    // The end strokes must not meet: a shorter line is a placeholder.
    if (distance(from, to) < 2.0 * sizes.stroke)
        to = from + along * (4.0 * sizes.stroke);
    drawCut(out, sizes, {from, to}, side);
}

void drawSteppedSection(DrawingBuilder& out)
{
    const SectionSizes sizes(out);
    const std::vector<QPointF> points = out.scopePoints();
    std::vector<QPointF> line;
    if (points.size() >= 4)
        line.assign(points.begin(), points.end() - 1);
    const QPointF start = points.empty() ? out.anchor() : points[0];
    const QPointF along = unit(points.size() > 1 ? points[1] - points[0] : QPointF());
    const double side = points.size() > 2 ? sideOf(points.back(), start, along) : 1.0;

    // Each end holds its stroke and half a corner stroke, each inner run two half corner strokes.
    bool placed = line.size() >= 3;
    for (std::size_t i = 1; placed && i < line.size(); ++i) {
        const bool outer = i == 1 || i == line.size() - 1;
        placed = distance(line[i - 1], line[i]) >= (outer ? 1.5 * sizes.stroke : sizes.stroke);
    }
    if (!placed) {
        const double run = 1.5 * sizes.stroke + out.mm(6.0);
        // The step leaves a gap between the corner strokes of its two bends.
        const QPointF step = -leftNormal(along) * side * (sizes.stroke + out.mm(4.0));
        line = {start, start + along * run, start + along * run + step, start + along * (2.0 * run) + step};
    }
    drawCut(out, sizes, line, side);
}

}  // namespace tarvelo::render
