// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <array>
#include <cstdint>
#include <variant>
#include <vector>

/// @file
/// What a symbol is drawn with: a handful of primitives in drawing units,
/// each tied to one of the block's pens. Painting, bounds and exports all
/// read these and nothing else.

namespace tarvelo::render {

/// Which of the block's line styles a primitive takes. The solid roles keep
/// the weight and colour but draw a continuous line whatever the line type,
/// for what convention always draws solid (marker circles, dimension lines,
/// arrow heads, weld seams laid out dash by dash).
enum class PenRole : std::uint8_t { Thin, Thick, ThinSolid, ThickSolid };

inline constexpr std::size_t kPenRoleCount = 4;

/// The layer, line type, weight and colour of the block's traits.
struct Pen {
    QString layer;
    /// The line type's name; empty or a name of no known pattern draws solid.
    QString lineType;
    /// Millimetres on the sheet; 0 is the thinnest line the device draws.
    double weight = 0.0;
    /// The colour number: 1 to 255 of the palette, 0 by block, 256 by layer.
    int colorNumber = 256;
    /// Invalid for the drawing's ink (by layer, by block and white draw as the ink).
    QColor color;
    bool thick = false;
};

struct LinePrimitive {
    QPointF from;
    QPointF to;
};

/// A polyline of constant width, as CAD polylines have; a width of 0 takes the pen's weight.
struct PolylinePrimitive {
    std::vector<QPointF> points;
    /// Drawing units.
    double width = 0.0;
    bool closed = false;
};

/// Angles in degrees, counter-clockwise from the X axis; a negative span runs clockwise.
struct ArcPrimitive {
    QPointF centre;
    double radius = 0.0;
    double startDegrees = 0.0;
    double spanDegrees = 0.0;
};

struct CirclePrimitive {
    QPointF centre;
    double radius = 0.0;
    bool filled = false;
};

/// A filled triangle from the tip back to the middle of its base.
struct ArrowHeadPrimitive {
    QPointF tip;
    QPointF back;
    double halfWidth = 0.0;
    /// Only the half on the right of the direction from the back to the tip.
    bool oneSided = false;

    /// The corners: tip, then the base corners (one of them the back point when one-sided).
    [[nodiscard]] std::array<QPointF, 3> corners() const;
};

enum class HAlign : std::uint8_t { Left, Centre, Right };
/// Texts have no descenders in the drawing: the baseline is the box's bottom.
enum class VAlign : std::uint8_t { Baseline, Middle, Top };

/// A line of text. Its width follows one fixed rule, so that layout does not
/// depend on the fonts installed: every character takes kCharacterAdvance
/// times the height times the width factor, about what the standard drafting
/// fonts take per letter.
struct TextPrimitive {
    static constexpr double kCharacterAdvance = 0.75;

    QString text;
    /// The point the alignment refers to.
    QPointF position;
    /// Capital letter height in drawing units.
    double height = 0.0;
    double widthFactor = 1.0;
    /// Letters lean forward by this angle; it does not move the alignment point.
    double slantDegrees = 0.0;
    double rotationDegrees = 0.0;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Baseline;

    [[nodiscard]] double width() const;
    /// Bottom left of the upright, unslanted box, where the baseline starts.
    [[nodiscard]] QPointF baselineStart() const;
    /// Bottom left, bottom right, top right, top left, with the slant.
    [[nodiscard]] std::array<QPointF, 4> corners() const;

    [[nodiscard]] static double widthOf(const QString& text, double height, double widthFactor);
};

/// One short stroke of a hatch, kept apart from lines so that a hatch stays recognisable.
struct HatchStrokePrimitive {
    QPointF from;
    QPointF to;
};

using Shape = std::variant<LinePrimitive, PolylinePrimitive, ArcPrimitive, CirclePrimitive, ArrowHeadPrimitive,
                           TextPrimitive, HatchStrokePrimitive>;

struct Primitive {
    Shape shape;
    PenRole pen = PenRole::Thin;
};

}  // namespace tarvelo::render
