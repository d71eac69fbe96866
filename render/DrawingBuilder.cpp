// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DrawingBuilder.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <utility>

#include "tarvelo/geometry/ForEachEntry.h"
#include "tarvelo/geometry/IExtData.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/IGeoItemTraits.h"
#include "tarvelo/geometry/IGeoPoint.h"
#include "tarvelo/geometry/IScopePointBlock.h"
#include "tarvelo/services/CompanionApi.h"
#include "tarvelo/services/QtText.h"

namespace tarvelo::render {

using GEOTYPE_DEFINITION::IGeoItemTraits;

namespace {

// What a record without a weight of its own draws with: the usual thin and
// main line of a construction drawing.
constexpr double kDefaultThinWeight = 0.25;
constexpr double kDefaultThickWeight = 0.5;
constexpr double kDefaultTextHeight = 3.5;
constexpr int kColorByBlock = 0;
constexpr int kColorWhite = 7;
constexpr int kColorByLayer = 256;
// Beyond these the arithmetic of a layout overflows or loses its lengths; such
// values come only from a corrupt block, and the symbol then draws with its
// defaults (or not at all, for points) instead.
constexpr double kLargestParam = 1e6;
constexpr double kLargestScale = 1e6;
constexpr double kSmallestScale = 1e-6;
constexpr double kLargestCoordinate = 1e12;

bool usableCoordinate(double value)
{
    return std::isfinite(value) && std::abs(value) <= kLargestCoordinate;
}

double usableScale(double scale)
{
    return scale >= kSmallestScale && scale <= kLargestScale ? scale : 1.0;
}

// A weight name such as "0.25 мм" starts with its millimetres.
double leadingNumber(const std::string& text, double fallback)
{
    double value = fallback;
    const char* first = text.data();
    const char* last = first + text.size();
    while (first != last && *first == ' ')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end != first && value >= 0.0 ? value : fallback;
}

double weightOf(double value, const std::string& name, double fallback)
{
    if (std::isfinite(value) && value > 0.0)
        return value;
    return leadingNumber(name, fallback);
}

int colorNumberOf(const IGeoItemTraits& traits)
{
    const std::uint32_t index = traits.GetColorIndex();
    if (index >= services::kColorIndexBase && index <= services::kColorIndexBase + kColorByLayer)
        return static_cast<int>(index - services::kColorIndexBase);
    return kColorByLayer;
}

// The traits carry the screen colour of their colour number; the ones that
// follow the layer or block, and white, draw in the drawing's ink.
QColor colorOf(const IGeoItemTraits& traits, int number)
{
    if (number == kColorByBlock || number == kColorWhite || number == kColorByLayer)
        return {};
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
    traits.GetTriple(red, green, blue);
    if (red == 0 && green == 0 && blue == 0)
        return {};
    return QColor(static_cast<int>(red & 0xFFu), static_cast<int>(green & 0xFFu), static_cast<int>(blue & 0xFFu));
}

}  // namespace

DrawingBuilder::DrawingBuilder(GEOTYPE_DEFINITION::IGeoBlock& block)
    : m_block(block), m_unit(usableScale(block.GetScale()))
{
    m_drawing.unitsPerMillimetre = m_unit;
    const IGeoItemTraits& traits = *block.GetTraits();
    const int colorNumber = colorNumberOf(traits);
    const QColor color = colorOf(traits, colorNumber);
    const QString layer = text::cp1251ToQString(traits.GetLayerName());
    const QString mainType = text::cp1251ToQString(traits.GetMainLineType());
    const QString thickType = text::cp1251ToQString(traits.GetThickLineType());
    const double thin = weightOf(traits.GetMainLineValue(), traits.GetMainLineWeight(), kDefaultThinWeight);
    const double thick = weightOf(traits.GetThickLineValue(), traits.GetThickLineWeight(), kDefaultThickWeight);
    auto pen = [&](PenRole role) -> Pen& { return m_drawing.pens[static_cast<std::size_t>(role)]; };
    pen(PenRole::Thin) = Pen{layer, mainType, thin, colorNumber, color, false};
    pen(PenRole::ThinSolid) = Pen{layer, QString(), thin, colorNumber, color, false};
    pen(PenRole::Thick) = Pen{layer, thickType, thick, colorNumber, color, true};
    pen(PenRole::ThickSolid) = Pen{layer, QString(), thick, colorNumber, color, true};

    const double factor = traits.GetTextValue2();
    m_widthFactor = std::isfinite(factor) && factor > 0.0 ? factor : 1.0;
    const double slant = traits.GetTextValue3();
    m_slant = std::isfinite(slant) && std::abs(slant) < 60.0 ? slant : 0.0;
    const double height = traits.GetTextValue1();
    m_styleHeight = mm(std::isfinite(height) && height > 0.0 ? height : kDefaultTextHeight);
    m_drawing.textStyle = TextStyle{text::cp1251ToQString(traits.GetTextStyle()), m_styleHeight, m_widthFactor, m_slant};
}

double DrawingBuilder::param(std::uint32_t key, double fallback) const
{
    const auto& params = m_block.GetParamMap();
    const auto found = params.find(key);
    if (found == params.end() || !(found->second >= 0.0 && found->second <= kLargestParam))
        return fallback;
    return found->second;
}

double DrawingBuilder::positiveParam(std::uint32_t key, double fallback) const
{
    const double value = param(key, fallback);
    return value > 0.0 ? value : fallback;
}

std::vector<QPointF> DrawingBuilder::scopePoints() const
{
    // Walked by position and sorted, so that a stray large key costs nothing.
    std::vector<std::pair<std::uint32_t, QPointF>> keyed;
    GEOTYPE_DEFINITION::forEachPoint(m_block.GetScopePoints(), [&keyed](std::uint32_t key, auto& point) {
        if (key != 0 && usableCoordinate(point.GetX()) && usableCoordinate(point.GetY()))
            keyed.emplace_back(key, QPointF(point.GetX(), point.GetY()));
    });
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QPointF> points;
    points.reserve(keyed.size());
    for (const auto& entry : keyed)
        points.push_back(entry.second);
    return points;
}

QPointF DrawingBuilder::anchor() const
{
    GEOTYPE_DEFINITION::IScopePointBlock* scope = m_block.GetScopePoints();
    const GEOTYPE_DEFINITION::IGeoPoint* first = scope != nullptr ? scope->FindPoint(1) : nullptr;
    if (first == nullptr || !usableCoordinate(first->GetX()) || !usableCoordinate(first->GetY()))
        return {};
    return {first->GetX(), first->GetY()};
}

QString DrawingBuilder::mainText() const
{
    return text::cp1251ToQString(m_block.GetExtData()->GetMainText());
}

QString DrawingBuilder::subText() const
{
    return text::cp1251ToQString(m_block.GetExtData()->GetSubText());
}

double DrawingBuilder::textWidth(const QString& text, double height) const
{
    return TextPrimitive::widthOf(text, height, m_widthFactor);
}

void DrawingBuilder::add(Shape shape, PenRole pen)
{
    m_drawing.primitives.push_back(Primitive{std::move(shape), pen});
}

void DrawingBuilder::line(QPointF from, QPointF to, PenRole pen)
{
    add(LinePrimitive{from, to}, pen);
}

void DrawingBuilder::polyline(std::vector<QPointF> points, PenRole pen, double width, bool closed)
{
    add(PolylinePrimitive{std::move(points), width, closed}, pen);
}

void DrawingBuilder::arc(QPointF centre, double radius, double startDegrees, double spanDegrees, PenRole pen)
{
    add(ArcPrimitive{centre, radius, startDegrees, spanDegrees}, pen);
}

void DrawingBuilder::circle(QPointF centre, double radius, PenRole pen)
{
    add(CirclePrimitive{centre, radius, false}, pen);
}

void DrawingBuilder::disc(QPointF centre, double radius, PenRole pen)
{
    add(CirclePrimitive{centre, radius, true}, pen);
}

void DrawingBuilder::arrowHead(QPointF tip, QPointF back, double halfWidth, bool oneSided, PenRole pen)
{
    add(ArrowHeadPrimitive{tip, back, halfWidth, oneSided}, pen);
}

void DrawingBuilder::text(const QString& text, QPointF position, double height, HAlign hAlign, VAlign vAlign,
                          double rotationDegrees)
{
    if (text.isEmpty())
        return;
    add(TextPrimitive{text, position, height, m_widthFactor, m_slant, rotationDegrees, hAlign, vAlign}, PenRole::Thin);
}

void DrawingBuilder::hatchStroke(QPointF from, QPointF to, PenRole pen)
{
    add(HatchStrokePrimitive{from, to}, pen);
}

void DrawingBuilder::shelf(QPointF start, double side, const QString& upper, const QString& lower, double height,
                          double gap, double overshoot, double least)
{
    const double textLength = std::max(textWidth(upper, height), textWidth(lower, height));
    line(start, start + QPointF(side * std::max(least, textLength + 2.0 * overshoot), 0.0));
    const HAlign align = side > 0.0 ? HAlign::Left : HAlign::Right;
    text(upper, start + QPointF(side * overshoot, gap), height, align, VAlign::Baseline);
    text(lower, start + QPointF(side * overshoot, -gap), height, align, VAlign::Top);
}

void DrawingBuilder::framedText(const QString& label, QPointF centre, double height, double gap)
{
    const double halfWidth = textWidth(label, height) / 2.0 + gap;
    const double halfHeight = height / 2.0 + gap;
    polyline({centre + QPointF(-halfWidth, -halfHeight), centre + QPointF(halfWidth, -halfHeight),
              centre + QPointF(halfWidth, halfHeight), centre + QPointF(-halfWidth, halfHeight)},
             PenRole::Thin, 0.0, true);
    text(label, centre, height, HAlign::Centre, VAlign::Middle);
}

Drawing DrawingBuilder::take()
{
    // The builder keeps its pens, scale and text style for what it draws next.
    return std::exchange(m_drawing, Drawing{m_drawing.pens, {}, m_drawing.unitsPerMillimetre, m_drawing.textStyle});
}

}  // namespace tarvelo::render
