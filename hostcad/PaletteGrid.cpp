// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "PaletteGrid.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <algorithm>
#include <iterator>
#include <utility>

#include "ColorChoice.h"

namespace tarvelo::hostcad {

namespace {

constexpr int kCellSize = 15;
constexpr int kCellSpacing = 2;
// Layout rows: the hue grid, a gap, the standard colours, the greys.
constexpr int kStandardLayoutRow = kPaletteHueRows + 1;
constexpr int kGreyLayoutRow = kStandardLayoutRow + 1;

}  // namespace

/// One swatch of the palette; the grid owns the selection, the cell only
/// shows it and reports the pointer.
class PaletteCellWidget : public QWidget {
public:
    PaletteCellWidget(int colorNumber, PaletteGrid* grid)
        : QWidget(grid), m_grid(grid), m_colorNumber(colorNumber)
    {
        setObjectName(QStringLiteral("color-%1").arg(colorNumber));
        setToolTip(colorNumberCaption(colorNumber));
        setFixedSize(kCellSize, kCellSize);
        setFocusPolicy(Qt::NoFocus);
    }

    void setSelected(bool selected)
    {
        m_selected = selected;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect area = rect().adjusted(0, 0, -1, -1);
        painter.fillRect(rect(), screenColorOf(m_colorNumber));
        painter.setPen(QColor(0x60, 0x60, 0x60));
        painter.drawRect(area);
        if (m_selected) {
            // Black outside, white inside, so the frame shows on any swatch.
            painter.setPen(QPen(Qt::black, 2));
            painter.drawRect(rect().adjusted(1, 1, -1, -1));
            painter.setPen(Qt::white);
            painter.drawRect(area.adjusted(2, 2, -2, -2));
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton) {
            m_grid->setFocus(Qt::MouseFocusReason);
            m_grid->pickByUser(m_colorNumber);
        }
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton) {
            m_grid->pickByUser(m_colorNumber);
            emit m_grid->colorActivated(m_colorNumber);
        }
    }

    void enterEvent(QEnterEvent*) override { emit m_grid->colorHovered(m_colorNumber); }

private:
    PaletteGrid* m_grid;
    int m_colorNumber;
    bool m_selected = false;
};

PaletteGrid::PaletteGrid(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QGridLayout(this);
    layout->setSpacing(kCellSpacing);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setRowMinimumHeight(kPaletteHueRows, kCellSize / 2);
    for (int row = 0; row < kPaletteRowCount; ++row) {
        const int layoutRow = row < kPaletteHueRows ? row : row == kPaletteStandardRow ? kStandardLayoutRow
                                                                                        : kGreyLayoutRow;
        for (int column = 0; column < paletteRowLength(row); ++column) {
            const int colorNumber = *colorOfCell({row, column});
            auto* cell = new PaletteCellWidget(colorNumber, this);
            m_cells[colorNumber] = cell;
            layout->addWidget(cell, layoutRow, column);
        }
    }
}

void PaletteGrid::setSelectedColor(int colorNumber)
{
    if (m_selected)
        m_cells.at(*m_selected)->setSelected(false);
    m_selected.reset();
    if (auto found = m_cells.find(colorNumber); found != m_cells.end()) {
        found->second->setSelected(true);
        m_selected = colorNumber;
    }
}

void PaletteGrid::pickByUser(int colorNumber)
{
    setSelectedColor(colorNumber);
    emit colorPicked(colorNumber);
}

void PaletteGrid::keyPressEvent(QKeyEvent* event)
{
    static constexpr std::pair<int, PaletteMove> kMoves[] = {{Qt::Key_Left, PaletteMove::Left},
                                                             {Qt::Key_Right, PaletteMove::Right},
                                                             {Qt::Key_Up, PaletteMove::Up},
                                                             {Qt::Key_Down, PaletteMove::Down}};
    const auto* found = std::ranges::find(kMoves, event->key(), &std::pair<int, PaletteMove>::first);
    if (found == std::end(kMoves)) {
        // Enter, Escape and Tab belong to the dialog.
        QWidget::keyPressEvent(event);
        return;
    }
    const PaletteMove move = found->second;
    // Without a selection the first key lands on the first cell.
    const std::optional<PaletteCell> from = m_selected ? cellOfColor(*m_selected) : std::nullopt;
    const PaletteCell to = from ? movedCell(*from, move) : PaletteCell{};
    pickByUser(*colorOfCell(to));
}

void PaletteGrid::leaveEvent(QEvent* event)
{
    emit colorHovered(-1);
    QWidget::leaveEvent(event);
}

void PaletteGrid::paintEvent(QPaintEvent*)
{
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

}  // namespace tarvelo::hostcad
