// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// Weld seams. The seam line is solid for a visible seam and dashed for a
// hidden one; an intermittent seam is welded in separate lengths joined by
// thin lines. Factory seams carry short strokes, site seams small crosses:
// across the joint for butt seams, on one side of the edge for corner seams.
// The dashes of a hidden seam are laid out one by one so that every mark
// stands in a gap: a mark across a dash would read as the plus of a spot weld.
//
// Type codes: 700 + 10 x group + kind; groups corner factory, butt factory,
// corner site, butt site; kinds continuous visible, continuous hidden,
// intermittent visible, intermittent hidden.
//
// Points: the seam runs from scope point 1 to scope point 2; the marks of a
// corner seam stand on the right of that direction.
//
// The designation is written on the shelf of a leader that leaves the middle
// of the seam on its free side, with a one-sided arrow at the seam: above the
// shelf for a seam on the visible side, under it for the invisible side. The
// block's main text is the designation, its sub text goes on the other side.
#include <algorithm>
#include <cmath>
#include <vector>

#include "DrawingBuilder.h"
#include "KindDrawings.h"
#include "PlaneMath.h"
#include "tarvelo/geometry/IGeoBlock.h"

namespace tarvelo::render {

namespace {

// Parameter rows of the weld seam.
constexpr std::uint32_t kShelfLength = 1;
constexpr std::uint32_t kTextHeight = 2;
constexpr std::uint32_t kMarkSize = 3;
constexpr std::uint32_t kHiddenDash = 4;
constexpr std::uint32_t kMarkPitch = 5;

constexpr double kNominalLengthMm = 40.0;
// The leader's sizes, as the leaders of notes draw them.
constexpr double kLeaderAngle = 60.0;
constexpr double kArrowMm = 3.0;
constexpr double kArrowHalfWidthMm = 1.2;
constexpr double kTextGapMm = 1.0;
constexpr double kShelfOvershootMm = 2.0;
// An intermittent seam is welded in lengths of about three mark pitches.
constexpr double kPitchesPerLength = 3.0;
// A seam far longer than its pitch gets sparser marks rather than millions of them.
constexpr double kMostMarks = 2000.0;

struct WeldKind {
    bool butt;
    bool site;
    bool hidden;
    bool intermittent;
};

WeldKind kindOf(std::uint32_t code)
{
    const std::uint32_t group = (code - 700) / 10;
    const std::uint32_t kind = (code - 700) % 10;
    return {group == 1 || group == 3, group >= 2, kind == 2 || kind == 4, kind >= 3};
}

struct Seam {
    QPointF from;
    QPointF along;
    QPointF side;
    double length = 0.0;

    [[nodiscard]] QPointF at(double t) const { return from + along * t; }
};

void drawMark(DrawingBuilder& out, const Seam& seam, const WeldKind& kind, double t, double size, PenRole pen)
{
    const QPointF onSeam = seam.at(t);
    if (kind.site) {
        const QPointF centre = kind.butt ? onSeam : onSeam + seam.side * (size / 2.0);
        const QPointF diagonal = (seam.along + seam.side) * (size / 2.0);
        const QPointF antiDiagonal = (seam.along - seam.side) * (size / 2.0);
        out.line(centre - diagonal, centre + diagonal, pen);
        out.line(centre - antiDiagonal, centre + antiDiagonal, pen);
        return;
    }
    if (kind.butt)
        out.line(onSeam - seam.side * (size / 2.0), onSeam + seam.side * (size / 2.0), pen);
    else
        out.line(onSeam, onSeam + seam.side * size, pen);
}

// The leader from the middle of the seam to a horizontal shelf, with the
// designation above or under the shelf, which is as long as the longer text
// and the overshoot at each end, and never shorter than its parameter.
void drawDesignation(DrawingBuilder& out, const Seam& seam, const WeldKind& kind)
{
    const QPointF foot = seam.at(seam.length / 2.0);
    // Turned towards the free side: counter-clockwise from the seam's direction.
    const QPointF leg = rotated(seam.along, kLeaderAngle);
    const QPointF bend = foot + leg * out.mm(kLeaderLegMm);
    out.line(foot, bend);
    out.arrowHead(foot, foot + leg * out.mm(kArrowMm), out.mm(kArrowHalfWidthMm), true);

    const QString designation = out.mainText();
    const QString other = out.subText();
    const double side = leg.x() < -1e-9 ? -1.0 : 1.0;
    out.shelf(bend, side, kind.hidden ? other : designation, kind.hidden ? designation : other,
              out.positiveSize(kTextHeight, 3.5), out.mm(kTextGapMm), out.mm(kShelfOvershootMm),
              out.size(kShelfLength, 15.0));
}

}  // namespace

void drawWeldSeam(DrawingBuilder& out)
{
    const WeldKind kind = kindOf(out.block().GetSymbolType());
    const double size = out.positiveSize(kMarkSize, 3.0);
    const double pitch = out.positiveSize(kMarkPitch, 3.0);
    const double dash = out.positiveSize(kHiddenDash, 2.0);

    const std::vector<QPointF> points = out.scopePoints();
    Seam seam;
    seam.from = points.empty() ? out.anchor() : points[0];
    const QPointF to = points.size() > 1 ? points[1] : seam.from;
    seam.along = unit(to - seam.from);
    seam.side = rightNormal(seam.along);
    seam.length = distance(seam.from, to);
    if (seam.length < 4.0 * pitch)
        seam.length = out.mm(kNominalLengthMm);

    // Welded lengths at the even places of an odd number of equal parts, so both ends are welded.
    int parts = 1;
    if (kind.intermittent) {
        parts = static_cast<int>(std::clamp(std::round(seam.length / (kPitchesPerLength * pitch)), 3.0, kMostMarks));
        if (parts % 2 == 0)
            --parts;
    }
    const double part = seam.length / parts;
    const double spacing = kind.site ? 2.0 * pitch : pitch;
    const PenRole markPen = kind.hidden ? PenRole::ThinSolid : PenRole::ThickSolid;
    for (int index = 0; index < parts; ++index) {
        const double start = part * index;
        const double end = start + part;
        if (index % 2 == 1) {
            out.line(seam.at(start), seam.at(end), PenRole::ThinSolid);
            continue;
        }
        const int marks = static_cast<int>(std::clamp(std::floor(part / spacing), 2.0, kMostMarks / parts + 2.0));
        const double step = part / marks;
        // A dash leaves a gap around each mark; it never takes the whole step.
        const double gap = step - std::min(dash, 0.7 * step);
        double dashStart = start;
        for (int k = 0; k < marks; ++k) {
            const double t = start + step * (k + 0.5);
            drawMark(out, seam, kind, t, size, markPen);
            if (kind.hidden) {
                out.line(seam.at(dashStart), seam.at(t - gap / 2.0), PenRole::ThickSolid);
                dashStart = t + gap / 2.0;
            }
        }
        out.line(seam.at(kind.hidden ? dashStart : start), seam.at(end), PenRole::ThickSolid);
    }
    drawDesignation(out, seam, kind);
}

}  // namespace tarvelo::render
