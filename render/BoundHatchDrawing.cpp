// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Boundary hatches: a thick contour with short thin strokes at the hatch
// angle in a band along one side of it. The boundary hatch (601) closes its
// contour and hatches the inside; the linear hatch (602) and the ground
// boundary (603, strokes in groups of three) hatch the right side of an open
// line; waterproofing (604) lays a black band along it, thermal insulation
// (605) a zigzag between the contour and a thin line.
//
// Points: two scope points are the corners of the closed contour or the ends
// of the line; with more, the contour runs through them all in key order.
#include <algorithm>
#include <cmath>
#include <vector>

#include "DrawingBuilder.h"
#include "KindDrawings.h"
#include "PlaneMath.h"

namespace tarvelo::render {

namespace {

// Parameter rows of the boundary hatch.
constexpr std::uint32_t kPitch = 1;
constexpr std::uint32_t kAngle = 2;
constexpr std::uint32_t kBandWidth = 3;

constexpr double kNominalLengthMm = 40.0;
constexpr double kNominalHeightMm = 20.0;
// The ground boundary hatches three places out of five.
constexpr int kGroundGroup = 3;
constexpr int kGroundPeriod = 5;
// A contour far longer than its pitch is hatched more sparsely rather than with millions of strokes.
constexpr double kMostStrokesPerSegment = 2000.0;

struct HatchSizes {
    explicit HatchSizes(const DrawingBuilder& out)
        : pitch(out.positiveSize(kPitch, 2.0)), band(out.positiveSize(kBandWidth, 4.0))
    {
        const double value = out.param(kAngle, 45.0);
        angle = value > 0.0 && value < 180.0 ? value : 45.0;
    }

    double pitch;
    double angle;
    double band;
};

struct Contour {
    std::vector<QPointF> points;
    bool closed = false;
    /// +1 when the hatched side is left of the direction of travel, -1 right.
    double side = -1.0;

    [[nodiscard]] std::size_t segments() const { return closed ? points.size() : points.size() - 1; }
    [[nodiscard]] QPointF start(std::size_t i) const { return points[i]; }
    [[nodiscard]] QPointF end(std::size_t i) const { return points[(i + 1) % points.size()]; }
    [[nodiscard]] QPointF normal(std::size_t i) const
    {
        const QPointF along = unit(end(i) - start(i));
        return side > 0.0 ? leftNormal(along) : rightNormal(along);
    }
};

double pathLength(const std::vector<QPointF>& points)
{
    double total = 0.0;
    for (std::size_t i = 1; i < points.size(); ++i)
        total += distance(points[i - 1], points[i]);
    return total;
}

double signedArea(const std::vector<QPointF>& points)
{
    double twice = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i)
        twice += cross(points[i], points[(i + 1) % points.size()]);
    return twice / 2.0;
}

Contour closedContour(DrawingBuilder& out, const HatchSizes& sizes)
{
    const std::vector<QPointF> points = out.scopePoints();
    Contour contour;
    contour.closed = true;
    if (points.size() >= 3 && std::abs(signedArea(points)) >= sizes.band * sizes.band) {
        contour.points = points;
    } else {
        const QPointF corner = points.empty() ? out.anchor() : points[0];
        QPointF opposite = points.size() > 1 ? points[1] : corner;
        const QPointF diagonal = opposite - corner;
        // Both sides must hold the band from either edge; a thinner rectangle is a placeholder.
        if (std::abs(diagonal.x()) < 2.0 * sizes.band || std::abs(diagonal.y()) < 2.0 * sizes.band)
            opposite = corner + QPointF(out.mm(kNominalLengthMm), out.mm(kNominalHeightMm));
        contour.points = {corner, QPointF(opposite.x(), corner.y()), opposite, QPointF(corner.x(), opposite.y())};
    }
    // The inside is on the left of a counter-clockwise contour.
    contour.side = signedArea(contour.points) > 0.0 ? 1.0 : -1.0;
    return contour;
}

Contour openContour(DrawingBuilder& out, const HatchSizes& sizes)
{
    const std::vector<QPointF> points = out.scopePoints();
    Contour contour;
    if (points.size() >= 2 && pathLength(points) >= 4.0 * sizes.pitch) {
        contour.points = points;
    } else {
        const QPointF from = points.empty() ? out.anchor() : points[0];
        const QPointF along = unit(points.size() > 1 ? points[1] - from : QPointF());
        contour.points = {from, from + along * out.mm(kNominalLengthMm)};
    }
    return contour;
}

// The contour moved by `offset` to its hatched side, corners mitred.
std::vector<QPointF> offsetContour(const Contour& contour, double offset)
{
    std::vector<QPointF> moved;
    const std::size_t count = contour.points.size();
    const std::size_t segments = contour.segments();
    for (std::size_t i = 0; i < count; ++i) {
        const bool hasBefore = contour.closed || i > 0;
        const bool hasAfter = contour.closed || i + 1 < count;
        const QPointF before = hasBefore ? contour.normal((i + segments - 1) % segments) : contour.normal(i);
        const QPointF after = hasAfter ? contour.normal(i % segments) : before;
        const QPointF bisector = unit(before + after, before);
        const double cosine = std::max(0.2, dot(bisector, before));
        moved.push_back(contour.points[i] + bisector * (offset / cosine));
    }
    return moved;
}

// Strokes at the pitch along every segment, each leaning back at the hatch
// angle into the band; `keep` decides by the stroke's number which are drawn.
template <typename Keep>
void hatchBand(DrawingBuilder& out, const Contour& contour, const HatchSizes& sizes, Keep keep)
{
    const double lean = sizes.band / std::tan(radians(sizes.angle));
    int number = 0;
    for (std::size_t i = 0; i < contour.segments(); ++i) {
        const QPointF from = contour.start(i);
        const QPointF along = unit(contour.end(i) - from);
        const QPointF inward = contour.normal(i) * sizes.band;
        const double span = distance(from, contour.end(i));
        // Strokes stay within their segment's stretch of the band.
        const double first = std::max(0.0, lean) + sizes.pitch / 2.0;
        const double last = span + std::min(0.0, lean);
        const double pitch = std::max(sizes.pitch, (last - first) / kMostStrokesPerSegment);
        for (double t = first; t <= last; t += pitch) {
            if (keep(number++))
                out.hatchStroke(from + along * t, from + along * (t - lean) + inward);
        }
    }
}

void drawContour(DrawingBuilder& out, const Contour& contour)
{
    out.polyline(contour.points, PenRole::Thick, 0.0, contour.closed);
}

}  // namespace

void drawBoundaryHatch(DrawingBuilder& out)
{
    const HatchSizes sizes(out);
    const Contour contour = closedContour(out, sizes);
    drawContour(out, contour);
    hatchBand(out, contour, sizes, [](int) { return true; });
}

void drawLinearHatch(DrawingBuilder& out)
{
    const HatchSizes sizes(out);
    const Contour contour = openContour(out, sizes);
    drawContour(out, contour);
    hatchBand(out, contour, sizes, [](int) { return true; });
}

void drawGroundBoundary(DrawingBuilder& out)
{
    const HatchSizes sizes(out);
    const Contour contour = openContour(out, sizes);
    drawContour(out, contour);
    hatchBand(out, contour, sizes, [](int number) { return number % kGroundPeriod < kGroundGroup; });
}

void drawWaterproofing(DrawingBuilder& out)
{
    const HatchSizes sizes(out);
    const Contour contour = openContour(out, sizes);
    drawContour(out, contour);
    // A black band half as wide as the hatch band, a quarter band off the contour.
    out.polyline(offsetContour(contour, sizes.band / 2.0), PenRole::ThickSolid, sizes.band / 2.0);
}

void drawThermalInsulation(DrawingBuilder& out)
{
    const HatchSizes sizes(out);
    const Contour contour = openContour(out, sizes);
    drawContour(out, contour);
    out.polyline(offsetContour(contour, sizes.band));
    const double tooth = 1.5 * sizes.pitch;
    for (std::size_t i = 0; i < contour.segments(); ++i) {
        const QPointF from = contour.start(i);
        const QPointF along = unit(contour.end(i) - from);
        const QPointF across = contour.normal(i) * sizes.band;
        const double span = distance(from, contour.end(i));
        const int teeth = static_cast<int>(std::clamp(std::round(span / tooth), 2.0, kMostStrokesPerSegment));
        std::vector<QPointF> zigzag;
        for (int k = 0; k <= teeth; ++k)
            zigzag.push_back(from + along * (span * k / teeth) + (k % 2 == 1 ? across : QPointF()));
        out.polyline(std::move(zigzag));
    }
}

}  // namespace tarvelo::render
