// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QString>
#include <cmath>
#include <optional>
#include <variant>
#include <vector>

#include "Drawing.h"
#include "PlaneMath.h"

/// @file
/// Looking things up in a drawing, for assertions about its geometry.

namespace tarvelo::render::testing {

/// The shapes of one kind, with the pen role each is drawn with.
template <typename Shape>
struct Found {
    const Shape* shape;
    PenRole pen;
};

template <typename Shape>
std::vector<Found<Shape>> shapesOf(const Drawing& drawing, std::optional<PenRole> pen = std::nullopt)
{
    std::vector<Found<Shape>> found;
    for (const Primitive& primitive : drawing.primitives) {
        const Shape* shape = std::get_if<Shape>(&primitive.shape);
        if (shape != nullptr && (!pen || *pen == primitive.pen))
            found.push_back({shape, primitive.pen});
    }
    return found;
}

/// The shapes point into the drawing: a drawing about to go away cannot be asked.
template <typename Shape>
std::vector<Found<Shape>> shapesOf(const Drawing&& drawing, std::optional<PenRole> pen = std::nullopt) = delete;

inline std::vector<QString> textsOf(const Drawing& drawing)
{
    std::vector<QString> texts;
    for (const auto& text : shapesOf<TextPrimitive>(drawing))
        texts.push_back(text.shape->text);
    return texts;
}

inline const TextPrimitive* findText(const Drawing& drawing, const QString& content)
{
    for (const auto& text : shapesOf<TextPrimitive>(drawing)) {
        if (text.shape->text == content)
            return text.shape;
    }
    return nullptr;
}

const TextPrimitive* findText(const Drawing&& drawing, const QString& content) = delete;

inline double lengthOf(const LinePrimitive& line)
{
    return distance(line.from, line.to);
}

/// Close enough for coordinates computed through a few sines and square roots.
inline bool near(double a, double b, double scale = 1.0)
{
    return std::abs(a - b) <= 1e-6 * std::max({1.0, std::abs(scale), std::abs(a), std::abs(b)});
}

inline bool near(QPointF a, QPointF b, double scale = 1.0)
{
    return near(a.x(), b.x(), scale) && near(a.y(), b.y(), scale);
}

}  // namespace tarvelo::render::testing
