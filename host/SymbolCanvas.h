// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QGraphicsView>
#include <vector>

#include "Drawing.h"

class QGraphicsScene;

namespace tarvelo::host {

/// The host's canvas: the symbols in drawing units, Y up, painted as the
/// dialogs' preview paints them. The mouse wheel zooms about the pointer,
/// dragging pans, and the view fits the symbols whenever they change.
class SymbolCanvas final : public QGraphicsView {
public:
    explicit SymbolCanvas(QWidget* parent = nullptr);

    /// Shows @p symbols; the one at @p selected (or none, -1) is drawn in the selection colour.
    void setSymbols(std::vector<render::Drawing> symbols, int selected);
    /// Shows all the symbols as large as fits.
    void zoomToFit();

    [[nodiscard]] int symbolCount() const { return static_cast<int>(m_symbols.size()); }
    /// The share of the view one drawing unit takes: the current zoom.
    [[nodiscard]] double zoom() const;

protected:
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QGraphicsScene* m_scene;
    std::vector<render::Drawing> m_symbols;
};

}  // namespace tarvelo::host
