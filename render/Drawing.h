// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QRectF>
#include <array>
#include <vector>

#include "Primitives.h"

namespace tarvelo::render {

/// The block's text style: what a CAD program needs to make the style its texts refer to.
struct TextStyle {
    QString name;
    /// Letter height in drawing units.
    double height = 0.0;
    double widthFactor = 1.0;
    double slantDegrees = 0.0;
};

/// A symbol drawn: its primitives in drawing units and the pens they refer to.
class Drawing {
public:
    /// The pens by role (PenRole as index).
    std::array<Pen, kPenRoleCount> pens;
    std::vector<Primitive> primitives;
    /// Drawing units per millimetre of the sheet: the symbol's scale. Line
    /// weights and dash lengths, given in millimetres, are converted with it.
    double unitsPerMillimetre = 1.0;
    TextStyle textStyle;

    [[nodiscard]] const Pen& pen(PenRole role) const { return pens[static_cast<std::size_t>(role)]; }
    [[nodiscard]] bool isEmpty() const { return primitives.empty(); }

    /// The smallest rectangle that holds every primitive's geometry (line
    /// weights left out); a null rectangle for an empty drawing.
    [[nodiscard]] QRectF bounds() const;

    /// Moves every primitive by `offset`, drawing units.
    void translate(QPointF offset);
};

}  // namespace tarvelo::render
