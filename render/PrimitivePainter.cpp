// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "PrimitivePainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <type_traits>

#include "LineTypePattern.h"
#include "PlaneMath.h"

namespace tarvelo::render {

namespace {

// Glyphs are laid out at this size and scaled to the text's height, so that
// no font size is ever rounded to whole pixels.
constexpr int kLayoutPixels = 100;
// A dash pattern repeating in less than this many pixels reads as a solid line; drawing it dash by dash costs time.
constexpr double kShortestVisiblePeriod = 3.0;

class Painter {
public:
    Painter(QPainter& painter, const Drawing& drawing, const QTransform& toDevice, const PaintOptions& options)
        : m_painter(painter), m_drawing(drawing), m_options(options),
          m_pixelsPerUnit(std::sqrt(std::abs(toDevice.determinant()))), m_font(layoutFont()), m_metrics(m_font)
    {
        for (std::size_t role = 0; role < kPenRoleCount; ++role) {
            const Pen& pen = drawing.pens[role];
            m_colors[role] = pen.color.isValid() ? pen.color : options.ink;
            m_pens[role] = makePen(pen, pen.weight * drawing.unitsPerMillimetre, m_colors[role]);
        }
    }

    template <class Segment>
        requires std::is_same_v<Segment, LinePrimitive> || std::is_same_v<Segment, HatchStrokePrimitive>
    void operator()(const Segment& segment)
    {
        m_painter.setPen(m_pens[m_role]);
        m_painter.drawLine(QLineF(segment.from, segment.to));
    }

    void operator()(const PolylinePrimitive& polyline)
    {
        const std::size_t role = m_role;
        m_painter.setPen(polyline.width > 0.0 ? makePen(m_drawing.pens[role], polyline.width, m_colors[role])
                                              : m_pens[role]);
        m_painter.setBrush(Qt::NoBrush);
        const QPolygonF points(QList<QPointF>(polyline.points.begin(), polyline.points.end()));
        if (polyline.closed)
            m_painter.drawPolygon(points);
        else
            m_painter.drawPolyline(points);
    }

    void operator()(const ArcPrimitive& arc)
    {
        // The painter measures angles as seen on a screen whose Y runs down;
        // drawing units run Y up, so the angles turn the other way.
        const QRectF box(arc.centre - QPointF(arc.radius, arc.radius), QSizeF(2.0 * arc.radius, 2.0 * arc.radius));
        QPainterPath path;
        path.arcMoveTo(box, -arc.startDegrees);
        path.arcTo(box, -arc.startDegrees, -arc.spanDegrees);
        m_painter.setPen(m_pens[m_role]);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawPath(path);
    }

    void operator()(const CirclePrimitive& circle)
    {
        m_painter.setPen(m_pens[m_role]);
        m_painter.setBrush(circle.filled ? QBrush(m_colors[m_role]) : QBrush(Qt::NoBrush));
        m_painter.drawEllipse(circle.centre, circle.radius, circle.radius);
    }

    void operator()(const ArrowHeadPrimitive& arrow)
    {
        const auto corners = arrow.corners();
        // Outlined as well as filled, so that a head smaller than a pixel still shows.
        QPen outline(m_colors[m_role]);
        outline.setCosmetic(true);
        outline.setJoinStyle(Qt::MiterJoin);
        m_painter.setPen(outline);
        m_painter.setBrush(m_colors[m_role]);
        m_painter.drawPolygon(corners.data(), static_cast<int>(corners.size()));
    }

    void operator()(const TextPrimitive& text)
    {
        const auto corners = text.corners();
        if (text.height * m_pixelsPerUnit < m_options.smallestText) {
            QPen pen(m_colors[m_role]);
            pen.setCosmetic(true);
            m_painter.setPen(pen);
            m_painter.drawLine(QLineF((corners[0] + corners[3]) / 2.0, (corners[1] + corners[2]) / 2.0));
            return;
        }
        const double advance = m_metrics.horizontalAdvance(text.text);
        const double capHeight = m_metrics.capHeight();
        if (advance <= 0.0 || capHeight <= 0.0)
            return;
        // Glyph space runs Y down: turned over, sized to the text's box, slanted, turned, placed.
        const QTransform size(text.width() / advance, 0.0, 0.0, -text.height / capHeight, 0.0, 0.0);
        const QTransform slant(1.0, 0.0, std::tan(radians(text.slantDegrees)), 1.0, 0.0, 0.0);
        QTransform turn;
        turn.rotate(text.rotationDegrees);
        const QPointF start = text.baselineStart();
        const QTransform place = QTransform::fromTranslate(start.x(), start.y());
        const QTransform device = m_painter.transform();
        m_painter.setTransform(size * slant * turn * place * device);
        m_painter.setFont(m_font);
        m_painter.setPen(m_colors[m_role]);
        m_painter.drawText(QPointF(0.0, 0.0), text.text);
        m_painter.setTransform(device);
    }

    void paint(const Primitive& primitive)
    {
        m_role = static_cast<std::size_t>(primitive.pen);
        std::visit(*this, primitive.shape);
    }

private:
    static QFont layoutFont()
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(kLayoutPixels);
        font.setStyleStrategy(QFont::ForceOutline);
        font.setHintingPreference(QFont::PreferNoHinting);
        return font;
    }

    // A pen `width` drawing units wide, never thinner on the device than the
    // options allow, dashed after its line type.
    [[nodiscard]] QPen makePen(const Pen& pen, double width, const QColor& color) const
    {
        QPen result(color);
        result.setCapStyle(Qt::FlatCap);
        result.setJoinStyle(Qt::MiterJoin);
        const double least = pen.thick ? m_options.thinnestThick : m_options.thinnestThin;
        double devicePixels = width * m_pixelsPerUnit;
        if (devicePixels < least) {
            result.setCosmetic(true);
            result.setWidthF(least);
            devicePixels = least;
        } else {
            result.setWidthF(width);
        }
        const std::vector<double> pattern = dashPatternOf(pen.lineType);
        const double pixelsPerMillimetre = m_drawing.unitsPerMillimetre * m_pixelsPerUnit;
        const double period = std::accumulate(pattern.begin(), pattern.end(), 0.0) * pixelsPerMillimetre;
        if (pattern.empty() || period < kShortestVisiblePeriod)
            return result;
        // The painter counts dashes in pen widths.
        QList<qreal> dashes;
        for (const double millimetres : pattern)
            dashes.append(std::max(millimetres * pixelsPerMillimetre / devicePixels, 0.01));
        result.setDashPattern(dashes);
        return result;
    }

    QPainter& m_painter;
    const Drawing& m_drawing;
    const PaintOptions& m_options;
    double m_pixelsPerUnit;
    QFont m_font;
    QFontMetricsF m_metrics;
    std::array<QColor, kPenRoleCount> m_colors;
    std::array<QPen, kPenRoleCount> m_pens;
    std::size_t m_role = 0;
};

}  // namespace

void paintDrawing(QPainter& painter, const Drawing& drawing, const QTransform& toDevice, const PaintOptions& options)
{
    painter.save();
    if (!options.sheet.isEmpty()) {
        painter.resetTransform();
        painter.fillRect(options.sheet, options.sheetColor);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setTransform(toDevice);
    Painter primitives(painter, drawing, toDevice, options);
    for (const Primitive& primitive : drawing.primitives)
        primitives.paint(primitive);
    painter.restore();
}

QTransform fitTransform(const QRectF& bounds, const QRectF& target, double margin)
{
    const double width = std::max(target.width() - 2.0 * margin, 1.0);
    const double height = std::max(target.height() - 2.0 * margin, 1.0);
    double scale = 1.0;
    if (bounds.width() > 0.0 || bounds.height() > 0.0) {
        const double byWidth = bounds.width() > 0.0 ? width / bounds.width() : HUGE_VAL;
        const double byHeight = bounds.height() > 0.0 ? height / bounds.height() : HUGE_VAL;
        scale = std::min(byWidth, byHeight);
    }
    const QPointF middle = bounds.center();
    const QPointF targetMiddle = target.center();
    // Y turns over: drawing units run up, device coordinates down.
    return QTransform(scale, 0.0, 0.0, -scale, targetMiddle.x() - scale * middle.x(),
                      targetMiddle.y() + scale * middle.y());
}

}  // namespace tarvelo::render
