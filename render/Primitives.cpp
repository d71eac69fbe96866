// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "Primitives.h"

#include <cmath>

#include "PlaneMath.h"

namespace tarvelo::render {

std::array<QPointF, 3> ArrowHeadPrimitive::corners() const
{
    const QPointF side = rightNormal(unit(tip - back)) * halfWidth;
    if (oneSided)
        return {tip, back, back + side};
    return {tip, back + side, back - side};
}

double TextPrimitive::widthOf(const QString& text, double height, double widthFactor)
{
    return static_cast<double>(text.size()) * height * kCharacterAdvance * widthFactor;
}

double TextPrimitive::width() const
{
    return widthOf(text, height, widthFactor);
}

QPointF TextPrimitive::baselineStart() const
{
    double along = 0.0;
    if (hAlign == HAlign::Centre)
        along = width() / 2.0;
    else if (hAlign == HAlign::Right)
        along = width();
    double up = 0.0;
    if (vAlign == VAlign::Middle)
        up = height / 2.0;
    else if (vAlign == VAlign::Top)
        up = height;
    return position - rotated(QPointF(along, up), rotationDegrees);
}

std::array<QPointF, 4> TextPrimitive::corners() const
{
    const QPointF start = baselineStart();
    const double lean = std::tan(radians(slantDegrees)) * height;
    const double w = width();
    auto at = [&](double x, double y) { return start + rotated(QPointF(x, y), rotationDegrees); };
    return {at(0.0, 0.0), at(w, 0.0), at(w + lean, height), at(lean, height)};
}

}  // namespace tarvelo::render
