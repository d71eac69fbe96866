// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "SymbolPreview.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "PrimitivePainter.h"
#include "SymbolRenderer.h"

namespace tarvelo::dialogs {

namespace {

// Pixels kept free round the drawing, so that marks at its edge stay whole.
constexpr double kMargin = 10.0;
// A small symbol is not blown up beyond this many pixels per sheet millimetre:
// past it its line weights would read as bars instead of lines.
constexpr double kLargestPixelsPerMillimetre = 8.0;

// Fits the drawing into the pane, but no larger than kLargestPixelsPerMillimetre.
QTransform previewTransform(const render::Drawing& drawing, const QRectF& sheet)
{
    const QRectF bounds = drawing.bounds();
    const QTransform fitted = render::fitTransform(bounds, sheet, kMargin);
    const double largest = kLargestPixelsPerMillimetre / std::max(drawing.unitsPerMillimetre, 1e-9);
    if (std::abs(fitted.m11()) <= largest)
        return fitted;
    const QPointF centre = sheet.center();
    return QTransform(largest, 0.0, 0.0, -largest, centre.x() - largest * bounds.center().x(),
                      centre.y() + largest * bounds.center().y());
}
const QColor kFrameColor(160, 160, 160);

}  // namespace

SymbolPreview::SymbolPreview(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("preview"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SymbolPreview::setBlock(GEOTYPE_DEFINITION::IGeoBlock* block)
{
    m_block = block;
    refresh();
}

void SymbolPreview::refresh()
{
    m_drawing = render::renderSymbol(m_block);
    update();
}

QSize SymbolPreview::sizeHint() const
{
    return {240, 180};
}

QSize SymbolPreview::minimumSizeHint() const
{
    return {120, 90};
}

void SymbolPreview::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QRectF sheet = rect();
    render::PaintOptions options;
    options.sheet = sheet;
    render::paintDrawing(painter, m_drawing, previewTransform(m_drawing, sheet), options);
    painter.setPen(kFrameColor);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tarvelo::dialogs
