// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QAccessibleWidget>
#include <map>
#include <utility>

namespace tarvelo::controls {

class CellGrid;

/// What a screen reader finds in a CellGrid: a table whose children are the
/// column headers and then the cells, row by row, each read from the grid
/// when asked. Choosing a row through it is choosing it with the mouse.
///
/// The grid draws itself, so Qt knows nothing of its cells; this interface is
/// made by a factory installed while any grid exists, so that none is left
/// pointing into a module that has been unloaded.
class CellGridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CellGridAccessible(CellGrid* grid);
    ~CellGridAccessible() override;
    CellGridAccessible(const CellGridAccessible&) = delete;
    CellGridAccessible& operator=(const CellGridAccessible&) = delete;

    /// Kept by each grid from its making to its end.
    static void gridMade();
    static void gridGone(CellGrid* grid);

    /// What the grid tells a screen reader, when one listens.
    /// One cell changed, or without one (-1) the rows themselves.
    static void cellsChanged(CellGrid* grid, int row = -1, int column = -1);
    static void rowChosen(CellGrid* grid, int row);

    /// Null once the grid is being destroyed.
    [[nodiscard]] const CellGrid* grid() const { return m_grid; }

    bool isValid() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int /*row*/) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int /*column*/) override { return false; }
    // Cells are read from the grid when asked, so a change leaves nothing to mend.
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override {}

    /// The header of `column` for row -1.
    [[nodiscard]] QAccessibleInterface* cell(int row, int column) const;
    /// Where a cell, or for row -1 a header, is on the screen; empty when out of sight.
    [[nodiscard]] QRect screenRect(int row, int column) const;

private:
    CellGrid* m_grid;
    mutable std::map<std::pair<int, int>, QAccessible::Id> m_cells;  // made when first asked for
};

}  // namespace tarvelo::controls
