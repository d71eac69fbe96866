// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Arrays of grid axes: thin dash-dot axes (the block's main line type) with
// their names in marker circles at the chosen ends, and the dimension chain
// between neighbouring axes and the overall dimension as the options say.
// The orthogonal array (801) has lettered axes across and numbered axes
// upright; the polar array (802) has lettered arcs and numbered rays, its
// angles dimensioned by arcs round the pole beyond the outermost arc.
//
// Data: every axis is an item (kind 7 lettered, kind 4 numbered) whose value
// 1 names a point holding its step from the previous axis (Y for lettered
// axes, X for numbered ones; degrees for rays). Scope point 1 is the
// insertion point; the array turns by the block's angle when the angle was
// given (angle mode 1).
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
#include "tarvelo/geometry/IGeoPoint.h"
#include "tarvelo/geometry/IGeoPointsBlock.h"
#include "tarvelo/services/QtText.h"

namespace tarvelo::render {

namespace {

// Parameter rows of the axis array.
constexpr std::uint32_t kCircleDiameter = 1;
constexpr std::uint32_t kMarkTextHeight = 2;
constexpr std::uint32_t kOvershoot = 3;
constexpr std::uint32_t kDimensionOffset = 4;
constexpr std::uint32_t kLetterPlacement = 11;
constexpr std::uint32_t kNumberPlacement = 12;
constexpr std::uint32_t kDimensionChain = 13;
constexpr std::uint32_t kOverallDimension = 14;

constexpr std::uint32_t kLetteredAxis = 7;
constexpr std::uint32_t kNumberedAxis = 4;
constexpr std::uint32_t kStepValue = 1;

// Placement codes of the marks, as the dialog's lists store them.
constexpr std::uint32_t kHideLetters = 1000;
constexpr std::uint32_t kLettersAtStart = 3000;
constexpr std::uint32_t kLettersAtEnd = 4000;
constexpr std::uint32_t kLettersLeft = 6000;
constexpr std::uint32_t kLettersRight = 7000;
constexpr std::uint32_t kHideNumbers = 10;
constexpr std::uint32_t kNumbersUp = 40;
constexpr std::uint32_t kNumbersDown = 50;

// Dimension lines: ticks at 45 degrees, a little run past the outer ticks.
constexpr double kTickMm = 3.0;
constexpr double kDimensionRunOutMm = 2.0;
constexpr double kDimensionTextGapMm = 1.0;

constexpr double kNominalSpacingMm = 30.0;
// A step beyond this comes from a corrupt block; it counts as none.
constexpr double kLargestStep = 1e12;

struct Axis {
    QString name;
    /// Distance from the insertion point along the array (degrees for a ray).
    double position = 0.0;
};

struct AxisSets {
    std::vector<Axis> lettered;
    std::vector<Axis> numbered;
};

struct AxisSizes {
    explicit AxisSizes(const DrawingBuilder& out)
        : radius(out.positiveSize(kCircleDiameter, 8.0) / 2.0), text(out.positiveSize(kMarkTextHeight, 5.0)),
          overshoot(out.size(kOvershoot, 10.0)), offset(out.positiveSize(kDimensionOffset, 10.0)),
          chain(out.param(kDimensionChain, 0.0) > 0.0), overall(out.param(kOverallDimension, 0.0) > 0.0),
          letters(static_cast<std::uint32_t>(out.param(kLetterPlacement, 0.0))),
          numbers(static_cast<std::uint32_t>(out.param(kNumberPlacement, 0.0)))
    {
    }

    double radius;
    double text;
    double overshoot;
    double offset;
    bool chain;
    bool overall;
    std::uint32_t letters;
    std::uint32_t numbers;
};

/// Where the array stands: the insertion point and the turn.
struct Frame {
    QPointF origin;
    double angle = 0.0;

    [[nodiscard]] QPointF map(QPointF local) const { return origin + rotated(local, angle); }
    [[nodiscard]] QPointF map(double x, double y) const { return map(QPointF(x, y)); }
};

Frame frameOf(DrawingBuilder& out)
{
    const double angle = out.block().GetAngle();
    const bool turned = out.block().GetAngleMode() == 1 && std::isfinite(angle);
    return {out.anchor(), turned ? std::fmod(angle, 360.0) : 0.0};
}

AxisSets axesOf(DrawingBuilder& out)
{
    GEOTYPE_DEFINITION::IGeoBlock& block = out.block();
    std::map<std::uint32_t, GEOTYPE_DEFINITION::IGeoItem*> byKey;
    GEOTYPE_DEFINITION::forEachItem(block.GetItems(), [&byKey](std::uint32_t key, auto& item) { byKey[key] = &item; });
    AxisSets sets;
    double letteredAt = 0.0;
    double numberedAt = 0.0;
    for (const auto& [key, item] : byKey) {
        const std::uint32_t kind = item->GetKind();
        if (kind != kLetteredAxis && kind != kNumberedAxis)
            continue;
        const auto& values = item->GetValueMap();
        const auto stepPoint = values.find(kStepValue);
        GEOTYPE_DEFINITION::IGeoPointsBlock* points = block.GetPoints();
        const GEOTYPE_DEFINITION::IGeoPoint* point =
            stepPoint != values.end() && points != nullptr ? points->FindPoint(stepPoint->second) : nullptr;
        double step = 0.0;
        if (point != nullptr)
            step = kind == kLetteredAxis ? point->GetY() : point->GetX();
        if (!std::isfinite(step) || std::abs(step) > kLargestStep)
            step = 0.0;
        double& at = kind == kLetteredAxis ? letteredAt : numberedAt;
        at += step;
        (kind == kLetteredAxis ? sets.lettered : sets.numbered).push_back({text::cp1251ToQString(item->GetText()), at});
    }
    return sets;
}

std::vector<Axis> nominalAxes(double first, double spacing)
{
    return {{QString(), first}, {QString(), first + spacing}};
}

std::pair<double, double> extentOf(const std::vector<Axis>& axes)
{
    if (axes.empty())
        return {0.0, 0.0};
    const auto [low, high] = std::minmax_element(axes.begin(), axes.end(),
                                                 [](const Axis& a, const Axis& b) { return a.position < b.position; });
    return {low->position, high->position};
}

std::vector<double> positionsOf(const std::vector<Axis>& axes)
{
    std::vector<double> positions;
    for (const Axis& axis : axes)
        positions.push_back(axis.position);
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

// How many dimension lines the axes get: the chain, and the overall
// dimension when it says more than the chain does.
int dimensionRows(const AxisSizes& sizes, std::size_t spans)
{
    if (spans == 0)
        return 0;
    const bool overall = sizes.overall && (spans > 1 || !sizes.chain);
    return (sizes.chain ? 1 : 0) + (overall ? 1 : 0);
}

// A length as dimensions are written: whole numbers plain, otherwise up to two decimals, decimal comma.
QString dimensionText(double length)
{
    const double rounded = std::round(length);
    if (std::abs(length - rounded) < 1e-6 * std::max(1.0, std::abs(length)))
        return QString::number(static_cast<long long>(rounded));
    QString text = QString::number(length, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

// A dimension line along `along` through `base`, ticks at the positions and
// each span's length above the line as it reads.
void drawDimensionLine(DrawingBuilder& out, QPointF base, QPointF along, const std::vector<double>& positions)
{
    const double runOut = out.mm(kDimensionRunOutMm);
    out.line(base + along * (positions.front() - runOut), base + along * (positions.back() + runOut),
             PenRole::ThinSolid);
    const QPointF tick = rotated(along, 45.0) * (out.mm(kTickMm) / 2.0);
    for (const double t : positions)
        out.line(base + along * t - tick, base + along * t + tick, PenRole::ThickSolid);
    double rotation = angleOf(along);
    if (rotation > 90.0 + 1e-9)
        rotation -= 180.0;
    else if (rotation <= -90.0 + 1e-9)
        rotation += 180.0;
    const QPointF up = rotated(QPointF(0.0, 1.0), rotation) * out.mm(kDimensionTextGapMm);
    for (std::size_t i = 1; i < positions.size(); ++i) {
        const QPointF middle = base + along * ((positions[i - 1] + positions[i]) / 2.0);
        out.text(dimensionText(positions[i] - positions[i - 1]), middle + up, out.styleTextHeight(), HAlign::Centre,
                 VAlign::Baseline, rotation);
    }
}

// The chain at the first row out from the grid and the overall dimension at the next.
void drawDimensionRows(DrawingBuilder& out, const AxisSizes& sizes, const std::vector<double>& positions,
                       QPointF firstRow, QPointF rowStep, QPointF along)
{
    if (positions.size() < 2)
        return;
    int row = 0;
    if (sizes.chain)
        drawDimensionLine(out, firstRow + rowStep * row++, along, positions);
    if (dimensionRows(sizes, positions.size() - 1) > row)
        drawDimensionLine(out, firstRow + rowStep * row, along, {positions.front(), positions.back()});
}

// An angular dimension round `centre` at `radius`: an arc through the rays at
// the angles, ticks where it crosses them and each step's angle in degrees
// beside the arc as it reads.
void drawAngularDimension(DrawingBuilder& out, QPointF centre, double radius, const std::vector<double>& angles)
{
    const double runOut = degrees(out.mm(kDimensionRunOutMm) / radius);
    for (std::size_t i = 1; i < angles.size(); ++i) {
        const double from = angles[i - 1] - (i == 1 ? runOut : 0.0);
        const double to = angles[i] + (i + 1 == angles.size() ? runOut : 0.0);
        out.arc(centre, radius, from, to - from, PenRole::ThinSolid);
    }
    const double tickHalf = out.mm(kTickMm) / 2.0;
    for (const double angle : angles) {
        const QPointF onArc = centre + direction(angle) * radius;
        const QPointF tick = direction(angle + 135.0) * tickHalf;
        out.line(onArc - tick, onArc + tick, PenRole::ThickSolid);
    }
    for (std::size_t i = 1; i < angles.size(); ++i) {
        const double middle = (angles[i - 1] + angles[i]) / 2.0;
        double rotation = std::remainder(middle + 90.0, 360.0);
        if (rotation > 90.0 + 1e-9)
            rotation -= 180.0;
        else if (rotation <= -90.0 + 1e-9)
            rotation += 180.0;
        const QPointF up = rotated(QPointF(0.0, 1.0), rotation) * out.mm(kDimensionTextGapMm);
        out.text(dimensionText(angles[i] - angles[i - 1]) + QChar(0x00B0), centre + direction(middle) * radius + up,
                 out.styleTextHeight(), HAlign::Centre, VAlign::Baseline, rotation);
    }
}

void drawMark(DrawingBuilder& out, const AxisSizes& sizes, QPointF centre, const QString& name)
{
    out.circle(centre, sizes.radius, PenRole::ThinSolid);
    out.text(name, centre, sizes.text, HAlign::Centre, VAlign::Middle);
}

}  // namespace

void drawOrthogonalAxes(DrawingBuilder& out)
{
    const AxisSizes sizes(out);
    const Frame frame = frameOf(out);
    AxisSets axes = axesOf(out);
    if (axes.lettered.empty() && axes.numbered.empty()) {
        axes.lettered = nominalAxes(0.0, out.mm(kNominalSpacingMm));
        axes.numbered = nominalAxes(0.0, out.mm(kNominalSpacingMm));
    }
    const auto [left, right] = extentOf(axes.numbered);
    const auto [bottom, top] = extentOf(axes.lettered);
    const std::vector<double> xs = positionsOf(axes.numbered);
    const std::vector<double> ys = positionsOf(axes.lettered);

    // Dimensions go where the marks are, below and to the left unless the marks are only above or right.
    const bool xDimensionsOnTop = sizes.numbers == kNumbersUp;
    const bool yDimensionsOnRight = sizes.letters == kLettersRight;
    const double xRows = sizes.offset * dimensionRows(sizes, xs.size() > 1 ? xs.size() - 1 : 0);
    const double yRows = sizes.offset * dimensionRows(sizes, ys.size() > 1 ? ys.size() - 1 : 0);
    const double reachDown = sizes.overshoot + (xDimensionsOnTop ? 0.0 : xRows);
    const double reachUp = sizes.overshoot + (xDimensionsOnTop ? xRows : 0.0);
    const double reachLeft = sizes.overshoot + (yDimensionsOnRight ? 0.0 : yRows);
    const double reachRight = sizes.overshoot + (yDimensionsOnRight ? yRows : 0.0);

    const bool marksDown = sizes.numbers != kHideNumbers && sizes.numbers != kNumbersUp;
    const bool marksUp = sizes.numbers != kHideNumbers && sizes.numbers != kNumbersDown;
    for (const Axis& axis : axes.numbered) {
        const double low = bottom - reachDown;
        const double high = top + reachUp;
        out.line(frame.map(axis.position, low), frame.map(axis.position, high));
        if (marksDown)
            drawMark(out, sizes, frame.map(axis.position, low - sizes.radius), axis.name);
        if (marksUp)
            drawMark(out, sizes, frame.map(axis.position, high + sizes.radius), axis.name);
    }
    const bool marksLeft = sizes.letters != kHideLetters && sizes.letters != kLettersRight;
    const bool marksRight = sizes.letters != kHideLetters && sizes.letters != kLettersLeft;
    for (const Axis& axis : axes.lettered) {
        const double low = left - reachLeft;
        const double high = right + reachRight;
        out.line(frame.map(low, axis.position), frame.map(high, axis.position));
        if (marksLeft)
            drawMark(out, sizes, frame.map(low - sizes.radius, axis.position), axis.name);
        if (marksRight)
            drawMark(out, sizes, frame.map(high + sizes.radius, axis.position), axis.name);
    }

    const QPointF xAlong = rotated(QPointF(1.0, 0.0), frame.angle);
    const QPointF yAlong = rotated(QPointF(0.0, 1.0), frame.angle);
    const double xRowSign = xDimensionsOnTop ? 1.0 : -1.0;
    const double yRowSign = yDimensionsOnRight ? 1.0 : -1.0;
    drawDimensionRows(out, sizes, xs, frame.map(0.0, (xDimensionsOnTop ? top : bottom) + xRowSign * sizes.offset),
                      yAlong * (xRowSign * sizes.offset), xAlong);
    drawDimensionRows(out, sizes, ys, frame.map((yDimensionsOnRight ? right : left) + yRowSign * sizes.offset, 0.0),
                      xAlong * (yRowSign * sizes.offset), yAlong);
}

void drawPolarAxes(DrawingBuilder& out)
{
    const AxisSizes sizes(out);
    const Frame frame = frameOf(out);
    AxisSets axes = axesOf(out);
    std::erase_if(axes.lettered, [](const Axis& arc) { return arc.position <= 0.0; });
    if (axes.lettered.empty())
        axes.lettered = nominalAxes(out.mm(kNominalSpacingMm), out.mm(kNominalSpacingMm));
    if (axes.numbered.empty())
        axes.numbered = {{QString(), 0.0}, {QString(), 90.0}};
    const auto [firstAngle, lastAngle] = extentOf(axes.numbered);
    const auto [innerRadius, outerRadius] = extentOf(axes.lettered);
    const std::vector<double> radii = positionsOf(axes.lettered);

    std::vector<double> angles = positionsOf(axes.numbered);
    for (double& angle : angles)
        angle += frame.angle;

    // The radial dimensions run beside the first ray, on the side away from the others.
    const double rows = sizes.offset * dimensionRows(sizes, radii.size() > 1 ? radii.size() - 1 : 0);
    const double reachBeforeStart = sizes.overshoot + rows;
    // The angular ones lie round the outermost arc, and the rays run out through them.
    const int angularRows = dimensionRows(sizes, angles.size() > 1 ? angles.size() - 1 : 0);

    const QPointF centre = frame.map(0.0, 0.0);
    const bool numbersShown = sizes.numbers != kHideNumbers;
    for (const Axis& ray : axes.numbered) {
        const QPointF along = direction(ray.position + frame.angle);
        const double reach = outerRadius + sizes.overshoot + sizes.offset * angularRows;
        out.line(centre, centre + along * reach);
        if (numbersShown)
            drawMark(out, sizes, centre + along * (reach + sizes.radius), ray.name);
    }
    const bool marksAtStart = sizes.letters != kHideLetters && sizes.letters != kLettersAtEnd;
    const bool marksAtEnd = sizes.letters != kHideLetters && sizes.letters != kLettersAtStart;
    for (const Axis& arc : axes.lettered) {
        const double radius = arc.position;
        const double before = degrees(reachBeforeStart / radius);
        const double after = degrees(sizes.overshoot / radius);
        const double start = firstAngle + frame.angle - before;
        out.arc(centre, radius, start, lastAngle - firstAngle + before + after);
        const double markTurn = degrees(sizes.radius / radius);
        if (marksAtStart)
            drawMark(out, sizes, centre + direction(start - markTurn) * radius, arc.name);
        if (marksAtEnd)
            drawMark(out, sizes, centre + direction(lastAngle + frame.angle + after + markTurn) * radius, arc.name);
    }

    const QPointF firstRay = direction(firstAngle + frame.angle);
    const QPointF away = rightNormal(firstRay) * sizes.offset;
    drawDimensionRows(out, sizes, radii, centre + away, away, firstRay);

    if (angularRows == 0)
        return;
    int row = 0;
    if (sizes.chain)
        drawAngularDimension(out, centre, outerRadius + sizes.offset * ++row, angles);
    if (angularRows > row)
        drawAngularDimension(out, centre, outerRadius + sizes.offset * ++row, {angles.front(), angles.back()});
}

}  // namespace tarvelo::render
