// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "SymbolCanvas.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "PrimitivePainter.h"

namespace tarvelo::host {

namespace {

// One step of the wheel zooms by this factor.
constexpr double kZoomStep = 1.25;
constexpr double kFitMargin = 0.05;

// A symbol on the canvas, painted through the view's transform.
class SymbolItem final : public QGraphicsItem {
public:
    SymbolItem(const render::Drawing& drawing, bool selected) : m_drawing(drawing), m_bounds(drawing.bounds())
    {
        m_options.ink = selected ? QColor(0, 90, 200) : QColor(Qt::black);
        // A symbol may be drawn in thousands of drawing units or in a few; either way
        // the item's box gets a little room for line weights.
        const double pad = std::max(m_bounds.width(), m_bounds.height()) * 0.01 + 1e-6;
        m_bounds.adjust(-pad, -pad, pad, pad);
    }

    QRectF boundingRect() const override { return m_bounds; }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        render::paintDrawing(*painter, m_drawing, painter->worldTransform(), m_options);
    }

private:
    const render::Drawing& m_drawing;
    QRectF m_bounds;
    render::PaintOptions m_options;
};

}  // namespace

SymbolCanvas::SymbolCanvas(QWidget* parent) : QGraphicsView(parent), m_scene(new QGraphicsScene(this))
{
    setObjectName("symbolCanvas");
    setScene(m_scene);
    setBackgroundBrush(Qt::white);
    setRenderHint(QPainter::Antialiasing, true);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    setResizeAnchor(QGraphicsView::AnchorViewCenter);
    // Drawing units run up, the screen's down.
    setTransform(QTransform::fromScale(1.0, -1.0));
    setToolTip(QStringLiteral("Колесо мыши — масштаб, перетаскивание — сдвиг"));
}

void SymbolCanvas::setSymbols(std::vector<render::Drawing> symbols, int selected)
{
    m_scene->clear();
    m_symbols = std::move(symbols);
    for (std::size_t i = 0; i < m_symbols.size(); ++i) {
        if (!m_symbols[i].isEmpty())
            m_scene->addItem(new SymbolItem(m_symbols[i], static_cast<int>(i) == selected));
    }
    zoomToFit();
}

void SymbolCanvas::zoomToFit()
{
    QRectF shown = m_scene->itemsBoundingRect();
    if (shown.isEmpty())
        shown = QRectF(-50.0, -50.0, 100.0, 100.0);
    const double margin = std::max(shown.width(), shown.height()) * kFitMargin;
    shown.adjust(-margin, -margin, margin, margin);
    // Room to pan beyond the symbols.
    m_scene->setSceneRect(shown.adjusted(-shown.width(), -shown.height(), shown.width(), shown.height()));
    fitInView(shown, Qt::KeepAspectRatio);
}

double SymbolCanvas::zoom() const
{
    return std::sqrt(std::abs(transform().determinant()));
}

void SymbolCanvas::wheelEvent(QWheelEvent* event)
{
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0.0) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    const double factor = std::pow(kZoomStep, steps);
    scale(factor, factor);
    event->accept();
}

void SymbolCanvas::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    zoomToFit();
}

}  // namespace tarvelo::host
