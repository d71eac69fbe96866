// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "SymbolPreview.h"

#include <QPainter>

#include "PrimitivePainter.h"
#include "SymbolRenderer.h"

namespace tarvelo::dialogs {

namespace {

// Pixels kept free round the drawing, so that marks at its edge stay whole.
constexpr double kMargin = 10.0;
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
    render::paintDrawing(painter, m_drawing, render::fitTransform(m_drawing.bounds(), sheet, kMargin), options);
    painter.setPen(kFrameColor);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tarvelo::dialogs
