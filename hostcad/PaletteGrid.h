// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QWidget>
#include <map>
#include <optional>

namespace tarvelo::hostcad {

class PaletteCellWidget;

/// The 255 colours of the index as one palette: the hue grid, the standard
/// colours and the greys. It is a single stop of the Tab chain; the arrow
/// keys move the selection inside it. Each cell is a child named "color-N".
class PaletteGrid : public QWidget {
    Q_OBJECT

public:
    explicit PaletteGrid(QWidget* parent = nullptr);

    /// Selects the cell of a colour number; a number without a cell (by
    /// layer, by block) clears the selection. Emits nothing.
    void setSelectedColor(int colorNumber);

signals:
    /// The user selected a colour with the mouse or the arrow keys.
    void colorPicked(int colorNumber);
    /// The user double-clicked a colour.
    void colorActivated(int colorNumber);
    /// The pointer entered the cell of a colour; -1 when it left the palette.
    void colorHovered(int colorNumber);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class PaletteCellWidget;
    void pickByUser(int colorNumber);

    std::map<int, PaletteCellWidget*> m_cells;
    std::optional<int> m_selected;
};

}  // namespace tarvelo::hostcad
