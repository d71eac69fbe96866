// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QPointF>
#include <cmath>
#include <numbers>

/// @file
/// Vector arithmetic on points of the plane, Y up.

namespace tarvelo::render {

inline double dot(QPointF a, QPointF b)
{
    return a.x() * b.x() + a.y() * b.y();
}

/// Positive when b turns counter-clockwise from a.
inline double cross(QPointF a, QPointF b)
{
    return a.x() * b.y() - a.y() * b.x();
}

inline double length(QPointF v)
{
    return std::hypot(v.x(), v.y());
}

inline double distance(QPointF a, QPointF b)
{
    return length(b - a);
}

/// The vector scaled to length 1; `fallback` for a vector too short to have a direction.
inline QPointF unit(QPointF v, QPointF fallback = QPointF(1.0, 0.0))
{
    const double size = length(v);
    return size > 1e-12 ? v / size : fallback;
}

inline QPointF leftNormal(QPointF v)
{
    return {-v.y(), v.x()};
}

inline QPointF rightNormal(QPointF v)
{
    return {v.y(), -v.x()};
}

inline double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

inline double degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

/// The unit vector at `angle` degrees counter-clockwise from the X axis.
inline QPointF direction(double angleDegrees)
{
    const double a = radians(angleDegrees);
    return {std::cos(a), std::sin(a)};
}

inline QPointF rotated(QPointF v, double angleDegrees)
{
    const double a = radians(angleDegrees);
    const double c = std::cos(a);
    const double s = std::sin(a);
    return {v.x() * c - v.y() * s, v.x() * s + v.y() * c};
}

/// The angle of a vector in degrees, counter-clockwise from the X axis.
inline double angleOf(QPointF v)
{
    return degrees(std::atan2(v.y(), v.x()));
}

}  // namespace tarvelo::render
