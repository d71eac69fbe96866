// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QColor>
#include <QRectF>
#include <QTransform>

#include "Drawing.h"

class QPainter;

namespace tarvelo::render {

struct PaintOptions {
    /// Filled with the sheet colour first, in device coordinates; an empty
    /// rectangle leaves the device as it is.
    QRectF sheet;
    QColor sheetColor = Qt::white;
    /// What primitives without a colour of their own are drawn in.
    QColor ink = Qt::black;
    /// Device pixels: the least a thin and a thick line are drawn with, so
    /// that weights stay visible however far the drawing is zoomed out.
    double thinnestThin = 1.0;
    double thinnestThick = 2.0;
    /// Texts shorter than this many device pixels are drawn as a line through
    /// their middle: their letters could not be read.
    double smallestText = 3.0;
};

/// Paints a drawing through `toDevice` (drawing units to device
/// coordinates, which may turn Y over): line weights from the pens, dash
/// patterns from their line types, texts at their height with width factor,
/// slant and rotation. The dialog's preview, the host's canvas and exports
/// all paint with this. Needs a running QGuiApplication for the texts. The
/// painter's state is restored afterwards.
void paintDrawing(QPainter& painter, const Drawing& drawing, const QTransform& toDevice,
                  const PaintOptions& options = {});

/// The transform that shows `bounds` (drawing units, Y up) centred in
/// `target` (device coordinates, Y down) as large as fits with `margin` free
/// on every side, the same scale on both axes.
[[nodiscard]] QTransform fitTransform(const QRectF& bounds, const QRectF& target, double margin);

}  // namespace tarvelo::render
