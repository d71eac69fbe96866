// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QFrame>
#include <QStringList>
#include <QVariant>
#include <vector>

class QScrollBar;

namespace tarvelo::controls {

class CellGridAccessible;

/// A table of text cells under a header, its columns sharing the width equally
/// and its rows chosen whole, one at a time, by a click or the arrow keys. A
/// scroll bar appears when the rows outgrow the table and scrolls a row at a time.
///
/// It draws itself: an item view with its model, selection model and two headers
/// costs several times as much to make and show, and the axis array dialog's two
/// tables were about a third of its call. Cells are edited by a CellEditor laid
/// over a row; a screen reader reads them through CellGridAccessible.
class CellGrid final : public QFrame {
    Q_OBJECT
public:
    /// One cell: the text shown and a value the owner keeps with it.
    struct Cell {
        QString text;
        QVariant value;
    };
    using Row = std::vector<Cell>;

    CellGrid(const QStringList& captions, QWidget* parent);
    ~CellGrid() override;
    CellGrid(const CellGrid&) = delete;
    CellGrid& operator=(const CellGrid&) = delete;

    [[nodiscard]] int rowCount() const { return static_cast<int>(m_rows.size()); }
    [[nodiscard]] int columnCount() const { return static_cast<int>(m_captions.size()); }
    [[nodiscard]] QString text(int row, int column) const;
    [[nodiscard]] QVariant value(int row, int column) const;

    /// Replaces every row at once; no row stays chosen and cellChanged is not sent.
    void setRows(std::vector<Row> rows);
    void appendRow(Row row);
    void removeRow(int row);
    /// Sends cellChanged when the text differs.
    void setText(int row, int column, const QString& text);
    void setValue(int row, int column, const QVariant& value);

    /// The chosen row, -1 for none.
    [[nodiscard]] int currentRow() const { return m_current; }
    void clearSelection();

    /// Where a cell is drawn, in the grid's own coordinates; empty for a row out of sight.
    [[nodiscard]] QRect cellRect(int row, int column) const;
    /// The first row in sight.
    [[nodiscard]] int topRow() const { return m_top; }

    [[nodiscard]] QSize sizeHint() const override;

signals:
    /// The user chose a row, or chose the chosen one again.
    void rowChosen(int row);
    void cellChanged(int row, int column);
    /// Rows went, or were all replaced: a row number held from before may mean another row now.
    void rowsRemoved();
    /// The rows moved under their places.
    void scrolled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class CellGridAccessible;

    /// Null for a cell out of range. Every row holds a cell for each column.
    [[nodiscard]] const Cell* cellAt(int row, int column) const;
    [[nodiscard]] Cell* cellAt(int row, int column);
    [[nodiscard]] QRect rowArea() const;
    /// Where `column` starts in `area`; the column past the last gives the right end.
    [[nodiscard]] int columnEdge(const QRect& area, int column) const;
    [[nodiscard]] int headerHeight() const;
    [[nodiscard]] QRect headerRect(int column) const;
    [[nodiscard]] int rowHeight() const;
    [[nodiscard]] int rowsInSight() const;
    [[nodiscard]] int rowAt(const QPoint& point) const;
    void choose(int row);
    void scrollTo(int top);
    void updateScrollBar();

    QStringList m_captions;
    std::vector<Row> m_rows;
    int m_current = -1;
    int m_top = 0;
    mutable int m_headerHeight = 0;  // measured when first needed, again after a font or style change
    QScrollBar* m_scrollBar = nullptr;  // made when the rows first outgrow the table
    CellGridAccessible* m_accessible = nullptr;  // made when a screen reader first asks
};

}  // namespace tarvelo::controls
