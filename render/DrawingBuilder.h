// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QPointF>
#include <QString>
#include <cstdint>
#include <vector>

#include "Drawing.h"

namespace GEOTYPE_DEFINITION {
class IGeoBlock;
}

namespace tarvelo::render {

/// What every drawing function shares: the block's sizes, points and texts
/// read the same way, and the primitives collected with the block's pens.
class DrawingBuilder {
public:
    explicit DrawingBuilder(GEOTYPE_DEFINITION::IGeoBlock& block);

    [[nodiscard]] GEOTYPE_DEFINITION::IGeoBlock& block() const { return m_block; }

    /// A length on the sheet in drawing units.
    [[nodiscard]] double mm(double millimetres) const { return millimetres * m_unit; }
    /// A numeric parameter as stored; `fallback` when the block lacks it or
    /// holds a negative or non-finite value, so that a block without host
    /// defaults still draws.
    [[nodiscard]] double param(std::uint32_t key, double fallback) const;
    /// The same for a parameter that must be above zero (a zero size would draw nothing).
    [[nodiscard]] double positiveParam(std::uint32_t key, double fallback) const;
    /// A size parameter (sheet millimetres) in drawing units.
    [[nodiscard]] double size(std::uint32_t key, double fallbackMm) const { return mm(param(key, fallbackMm)); }
    [[nodiscard]] double positiveSize(std::uint32_t key, double fallbackMm) const
    {
        return mm(positiveParam(key, fallbackMm));
    }

    /// The scope points in key order, keys 1 to the largest; missing keys are skipped.
    [[nodiscard]] std::vector<QPointF> scopePoints() const;
    /// Where a symbol without usable points is laid out: scope point 1, else the origin.
    [[nodiscard]] QPointF anchor() const;
    [[nodiscard]] QString mainText() const;
    [[nodiscard]] QString subText() const;
    /// The block's text style: letters per height and slant.
    [[nodiscard]] double widthFactor() const { return m_widthFactor; }
    [[nodiscard]] double slant() const { return m_slant; }
    /// The text style's letter height in drawing units, for texts without a height of their own.
    [[nodiscard]] double styleTextHeight() const { return m_styleHeight; }
    [[nodiscard]] double textWidth(const QString& text, double height) const;

    void line(QPointF from, QPointF to, PenRole pen = PenRole::Thin);
    void polyline(std::vector<QPointF> points, PenRole pen = PenRole::Thin, double width = 0.0, bool closed = false);
    void arc(QPointF centre, double radius, double startDegrees, double spanDegrees, PenRole pen = PenRole::Thin);
    void circle(QPointF centre, double radius, PenRole pen = PenRole::ThinSolid);
    void disc(QPointF centre, double radius, PenRole pen = PenRole::ThinSolid);
    void arrowHead(QPointF tip, QPointF back, double halfWidth, bool oneSided = false,
                   PenRole pen = PenRole::ThinSolid);
    void text(const QString& text, QPointF position, double height, HAlign hAlign, VAlign vAlign,
              double rotationDegrees = 0.0);
    void hatchStroke(QPointF from, QPointF to, PenRole pen = PenRole::Thin);
    /// A shelf from `start` to the side (+1 right, -1 left), as long as the longer text and the
    /// overshoot at each end yet at least `least`: `upper` stands `gap` above it, `lower` `gap` below.
    void shelf(QPointF start, double side, const QString& upper, const QString& lower, double height, double gap,
               double overshoot, double least = 0.0);
    /// A label centred on `centre` in a rectangle `gap` clear of it.
    void framedText(const QString& label, QPointF centre, double height, double gap);

    /// The drawing made so far; the builder is left empty.
    [[nodiscard]] Drawing take();

private:
    void add(Shape shape, PenRole pen);

    GEOTYPE_DEFINITION::IGeoBlock& m_block;
    double m_unit = 1.0;
    double m_widthFactor = 1.0;
    double m_slant = 0.0;
    double m_styleHeight = 0.0;
    Drawing m_drawing;
};

}  // namespace tarvelo::render
