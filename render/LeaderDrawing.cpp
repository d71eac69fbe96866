// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Leaders: thin leader lines from the objects to a shelf, the first text
// above the shelf and the second below it, the chosen end mark at every
// object. The comb leader reaches its objects through the teeth of a comb,
// the multilayer leader carries one shelf per record, top record first.
//
// Points: the last scope point gives the side of the shelf, the one before
// it is where the shelf starts; every point before that is an object the
// leader points at.
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "DrawingBuilder.h"
#include "KindDrawings.h"
#include "PlaneMath.h"
#include "tarvelo/geometry/ForEachEntry.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/IGeoItem.h"
#include "tarvelo/geometry/IGeoItemCollection.h"
#include "tarvelo/services/QtText.h"

namespace tarvelo::render {

namespace {

// Parameter rows of the leader.
constexpr std::uint32_t kTextHeight = 1;
constexpr std::uint32_t kTextGap = 2;
constexpr std::uint32_t kArrowSize = 3;
constexpr std::uint32_t kDotDiameter = 4;
constexpr std::uint32_t kShelfOvershoot = 5;

// End marks, the leader's symbol variant.
enum Ending : std::uint32_t { kOpenArrow = 2, kClosedArrow = 3, kHalfArrow = 4, kDot = 5, kTick = 6 };

constexpr std::uint32_t kTextItem = 7;
constexpr double kHeadHalfWidthPerLength = 0.2;
constexpr double kNominalObjectSpacingMm = 10.0;
constexpr double kNominalShelfMm = 15.0;
constexpr std::size_t kNominalRecords = 3;

struct LeaderSizes {
    explicit LeaderSizes(const DrawingBuilder& out)
        : text(out.positiveSize(kTextHeight, 3.5)), gap(out.size(kTextGap, 1.0)),
          arrow(out.positiveSize(kArrowSize, 3.0)), dot(out.positiveSize(kDotDiameter, 1.5)),
          overshoot(out.size(kShelfOvershoot, 2.0))
    {
    }

    double text;
    double gap;
    double arrow;
    double dot;
    double overshoot;
};

struct LeaderLayout {
    std::vector<QPointF> objects;
    QPointF bend;
    /// +1 for a shelf to the right of the bend, -1 to the left.
    double side = 1.0;
};

// The direction of a nominal leader: as near to 60 degrees as the chosen angle step allows.
double nominalAngle(double step)
{
    if (!std::isfinite(step) || step <= 0.0)
        return 60.0;
    const double steps = std::max(1.0, std::round(60.0 / step));
    return std::min(90.0, steps * step);
}

// A leader is placed by its points when it reaches at least `leastObjects`
// objects, none of them too close to the bend for its end mark; otherwise it
// shows `nominalObjects` in a nominal layout.
LeaderLayout layoutOf(DrawingBuilder& out, const LeaderSizes& sizes, std::size_t leastObjects,
                      std::size_t nominalObjects)
{
    const std::vector<QPointF> points = out.scopePoints();
    LeaderLayout layout;
    if (points.size() >= 3) {
        layout.bend = points[points.size() - 2];
        layout.side = points.back().x() < layout.bend.x() ? -1.0 : 1.0;
        for (std::size_t i = 0; i + 2 < points.size(); ++i) {
            // Objects still at the bend are placeholders the host has not placed yet.
            if (distance(points[i], layout.bend) > 1e-9)
                layout.objects.push_back(points[i]);
        }
    }
    const bool placed = layout.objects.size() >= leastObjects &&
                        std::all_of(layout.objects.begin(), layout.objects.end(), [&](QPointF object) {
                            return distance(object, layout.bend) >= 3.0 * sizes.arrow;
                        });
    if (placed)
        return layout;

    const QPointF first = points.empty() ? out.anchor() : points[0];
    layout.objects.clear();
    for (std::size_t k = 0; k < nominalObjects; ++k)
        layout.objects.push_back(first + QPointF(out.mm(kNominalObjectSpacingMm) * static_cast<double>(k), 0.0));
    layout.bend = first + direction(nominalAngle(out.block().GetAngle())) * out.mm(kLeaderLegMm);
    return layout;
}

std::uint32_t endingOf(DrawingBuilder& out)
{
    return out.block().GetSymbolVariant();
}

// The end mark at `object`; `towards` runs along the leader into the object.
void drawEnding(DrawingBuilder& out, const LeaderSizes& sizes, QPointF object, QPointF towards, std::uint32_t ending)
{
    const QPointF back = object - towards * sizes.arrow;
    const double halfWidth = sizes.arrow * kHeadHalfWidthPerLength;
    switch (ending) {
    case kOpenArrow: {
        const QPointF side = leftNormal(towards) * halfWidth;
        out.line(object, back + side, PenRole::ThinSolid);
        out.line(object, back - side, PenRole::ThinSolid);
        break;
    }
    case kClosedArrow:
        out.arrowHead(object, back, halfWidth);
        break;
    case kHalfArrow:
        out.arrowHead(object, back, 2.0 * halfWidth, true);
        break;
    case kDot:
        out.disc(object, sizes.dot / 2.0);
        break;
    case kTick: {
        const QPointF across = rotated(towards, 45.0) * (sizes.arrow / 2.0);
        out.line(object - across, object + across, PenRole::ThickSolid);
        break;
    }
    default:
        break;
    }
}

void drawLeaderLine(DrawingBuilder& out, const LeaderSizes& sizes, QPointF object, QPointF from,
                    std::uint32_t ending)
{
    out.line(from, object);
    drawEnding(out, sizes, object, unit(object - from), ending);
}

std::vector<QString> recordsOf(DrawingBuilder& out)
{
    std::map<std::uint32_t, QString> byKey;
    GEOTYPE_DEFINITION::forEachItem(out.block().GetItems(), [&byKey](std::uint32_t key, auto& item) {
        if (item.GetKind() == kTextItem)
            byKey[key] = text::cp1251ToQString(item.GetText());
    });
    std::vector<QString> records;
    for (auto& entry : byKey)
        records.push_back(std::move(entry.second));
    return records;
}

// A mark around the first text at the bend: `frame` for a rectangle, else a circle.
void drawMarkedLeader(DrawingBuilder& out, bool frame)
{
    const LeaderSizes sizes(out);
    const LeaderLayout layout = layoutOf(out, sizes, 1, 1);
    const QString label = out.mainText();
    const double halfWidth = out.textWidth(label, sizes.text) / 2.0 + sizes.gap;
    const double halfHeight = sizes.text / 2.0 + sizes.gap;
    const std::uint32_t ending = endingOf(out);
    if (frame) {
        out.framedText(label, layout.bend + QPointF(layout.side * halfWidth, 0.0), sizes.text, sizes.gap);
        for (const QPointF& object : layout.objects)
            drawLeaderLine(out, sizes, object, layout.bend, ending);
        return;
    }
    const double radius = std::max(halfWidth, 2.0 * halfHeight);
    out.circle(layout.bend, radius, PenRole::Thin);
    out.text(label, layout.bend, sizes.text, HAlign::Centre, VAlign::Middle);
    for (const QPointF& object : layout.objects) {
        if (distance(object, layout.bend) > radius)
            drawLeaderLine(out, sizes, object, layout.bend + unit(object - layout.bend) * radius, ending);
    }
}

}  // namespace

void drawPositionLeader(DrawingBuilder& out)
{
    const LeaderSizes sizes(out);
    // A fan needs two objects; a multi-point leader shows two in its nominal layout.
    const bool fan = out.block().GetSymbolType() == 407;
    const std::size_t nominalObjects = fan || out.scopePoints().size() >= 4 ? 2 : 1;
    const LeaderLayout layout = layoutOf(out, sizes, fan ? 2 : 1, nominalObjects);
    const std::uint32_t ending = endingOf(out);
    for (const QPointF& object : layout.objects)
        drawLeaderLine(out, sizes, object, layout.bend, ending);
    out.shelf(layout.bend, layout.side, out.mainText(), out.subText(), sizes.text, sizes.gap, sizes.overshoot);
}

void drawCombLeader(DrawingBuilder& out)
{
    const LeaderSizes sizes(out);
    const LeaderLayout layout = layoutOf(out, sizes, 2, 3);
    const std::uint32_t ending = endingOf(out);
    // The comb's bar lies between the objects and the bend, a tooth's length from the nearest object.
    const double towardsBend = layout.objects.front().y() <= layout.bend.y() ? 1.0 : -1.0;
    double nearest = layout.objects.front().y();
    double left = layout.bend.x();
    double right = layout.bend.x();
    for (const QPointF& object : layout.objects) {
        nearest = towardsBend > 0.0 ? std::max(nearest, object.y()) : std::min(nearest, object.y());
        left = std::min(left, object.x());
        right = std::max(right, object.x());
    }
    const double tooth = std::min(2.0 * sizes.arrow, std::abs(layout.bend.y() - nearest) / 2.0);
    const double bar = nearest + towardsBend * tooth;
    out.line(layout.bend, QPointF(layout.bend.x(), bar));
    out.line(QPointF(left, bar), QPointF(right, bar));
    for (const QPointF& object : layout.objects)
        drawLeaderLine(out, sizes, object, QPointF(object.x(), bar), ending);
    out.shelf(layout.bend, layout.side, out.mainText(), out.subText(), sizes.text, sizes.gap, sizes.overshoot);
}

void drawMultilayerLeader(DrawingBuilder& out)
{
    const LeaderSizes sizes(out);
    const std::vector<QPointF> points = out.scopePoints();
    const QPointF object = points.empty() ? out.anchor() : points[0];
    QPointF start = points.size() > 1 ? points[1] : object;
    if (distance(object, start) < 3.0 * sizes.arrow)
        start = object + unit(start - object, QPointF(0.0, 1.0)) * out.mm(kLeaderLegMm);
    const double side = points.size() > 2 && points[2].x() < start.x() ? -1.0 : 1.0;

    std::vector<QString> records = recordsOf(out);
    if (records.empty())
        records.resize(kNominalRecords);
    double textLength = 0.0;
    for (const QString& record : records)
        textLength = std::max(textLength, out.textWidth(record, sizes.text));
    const double shelf = textLength > 0.0 ? textLength + 2.0 * sizes.overshoot : out.mm(kNominalShelfMm);

    const double spacing = sizes.text + 2.0 * sizes.gap;
    const QPointF top = start + QPointF(0.0, spacing * static_cast<double>(records.size() - 1));
    drawLeaderLine(out, sizes, object, start, endingOf(out));
    if (records.size() > 1)
        out.line(start, top);
    const HAlign align = side > 0.0 ? HAlign::Left : HAlign::Right;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const QPointF shelfStart = top - QPointF(0.0, spacing * static_cast<double>(i));
        out.line(shelfStart, shelfStart + QPointF(side * shelf, 0.0));
        out.text(records[i], shelfStart + QPointF(side * sizes.overshoot, sizes.gap), sizes.text, align,
                 VAlign::Baseline);
    }
}

void drawCircleLeader(DrawingBuilder& out)
{
    drawMarkedLeader(out, false);
}

void drawFramedLeader(DrawingBuilder& out)
{
    drawMarkedLeader(out, true);
}

void drawShelfNote(DrawingBuilder& out)
{
    const LeaderSizes sizes(out);
    const std::vector<QPointF> points = out.scopePoints();
    const QPointF start = points.empty() ? out.anchor() : points[0];
    const double side = points.size() > 1 && points[1].x() < start.x() ? -1.0 : 1.0;
    out.shelf(start, side, out.mainText(), out.subText(), sizes.text, sizes.gap, sizes.overshoot);
}

}  // namespace tarvelo::render
