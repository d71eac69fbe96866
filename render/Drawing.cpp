// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "Drawing.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "PlaneMath.h"

namespace tarvelo::render {

namespace {

class BoundsCollector {
public:
    void add(QPointF point)
    {
        if (m_empty) {
            m_min = m_max = point;
            m_empty = false;
            return;
        }
        m_min = QPointF(std::min(m_min.x(), point.x()), std::min(m_min.y(), point.y()));
        m_max = QPointF(std::max(m_max.x(), point.x()), std::max(m_max.y(), point.y()));
    }

    void addSquare(QPointF centre, double halfSide)
    {
        add(centre - QPointF(halfSide, halfSide));
        add(centre + QPointF(halfSide, halfSide));
    }

    template <class Segment>
        requires std::is_same_v<Segment, LinePrimitive> || std::is_same_v<Segment, HatchStrokePrimitive>
    void operator()(const Segment& segment)
    {
        add(segment.from);
        add(segment.to);
    }

    void operator()(const PolylinePrimitive& polyline)
    {
        // Half the width on every side covers the corners of a wide polyline well enough for fitting.
        for (const QPointF& point : polyline.points)
            addSquare(point, polyline.width / 2.0);
    }

    void operator()(const ArcPrimitive& arc)
    {
        const double from = std::min(arc.startDegrees, arc.startDegrees + arc.spanDegrees);
        const double to = std::max(arc.startDegrees, arc.startDegrees + arc.spanDegrees);
        add(arc.centre + direction(from) * arc.radius);
        add(arc.centre + direction(to) * arc.radius);
        // The arc also reaches every quarter point its sweep passes.
        for (double quarter = std::ceil(from / 90.0) * 90.0; quarter < to; quarter += 90.0)
            add(arc.centre + direction(quarter) * arc.radius);
    }

    void operator()(const CirclePrimitive& circle) { addSquare(circle.centre, circle.radius); }

    template <class Shape>
        requires std::is_same_v<Shape, ArrowHeadPrimitive> || std::is_same_v<Shape, TextPrimitive>
    void operator()(const Shape& shape)
    {
        for (const QPointF& corner : shape.corners())
            add(corner);
    }

    [[nodiscard]] QRectF rect() const { return m_empty ? QRectF() : QRectF(m_min, m_max); }

private:
    bool m_empty = true;
    QPointF m_min;
    QPointF m_max;
};

class Mover {
public:
    explicit Mover(QPointF offset) : m_offset(offset) {}

    void operator()(LinePrimitive& line) const { move(line.from, line.to); }
    void operator()(PolylinePrimitive& polyline) const
    {
        for (QPointF& point : polyline.points)
            point += m_offset;
    }
    void operator()(ArcPrimitive& arc) const { move(arc.centre); }
    void operator()(CirclePrimitive& circle) const { move(circle.centre); }
    void operator()(ArrowHeadPrimitive& arrow) const { move(arrow.tip, arrow.back); }
    void operator()(TextPrimitive& text) const { move(text.position); }
    void operator()(HatchStrokePrimitive& stroke) const { move(stroke.from, stroke.to); }

private:
    template <typename... Points>
    void move(Points&... points) const
    {
        ((points += m_offset), ...);
    }

    QPointF m_offset;
};

}  // namespace

void Drawing::translate(QPointF offset)
{
    const Mover mover(offset);
    for (Primitive& primitive : primitives)
        std::visit(mover, primitive.shape);
}

QRectF Drawing::bounds() const
{
    BoundsCollector collector;
    for (const Primitive& primitive : primitives)
        std::visit(collector, primitive.shape);
    return collector.rect();
}

}  // namespace tarvelo::render
