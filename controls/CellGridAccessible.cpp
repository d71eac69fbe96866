// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CellGridAccessible.h"

#include "CellGrid.h"

namespace tarvelo::controls {

namespace {

int g_grids = 0;

// Qt asks with the object's own class first, so a grid is always matched as one.
QAccessibleInterface* makeInterface(const QString& /*className*/, QObject* object)
{
    auto* grid = qobject_cast<CellGrid*>(object);
    return grid != nullptr ? new CellGridAccessible(grid) : nullptr;
}

// One cell of the grid, or for row -1 the header of its column.
class GridCell final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCell(CellGridAccessible* table, int row, int column) : m_table(table), m_row(row), m_column(column) {}

    bool isValid() const override
    {
        return m_table->grid() != nullptr && m_row < m_table->rowCount() && m_column < m_table->columnCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_table->window(); }
    QAccessibleInterface* parent() const override { return m_table; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}

    QString text(QAccessible::Text kind) const override
    {
        const CellGrid* grid = m_table->grid();
        if (kind != QAccessible::Name || grid == nullptr)
            return {};
        return m_row < 0 ? m_table->columnDescription(m_column) : grid->text(m_row, m_column);
    }

    QRect rect() const override { return m_table->screenRect(m_row, m_column); }

    QAccessible::Role role() const override { return m_row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell; }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        const CellGrid* grid = m_table->grid();
        if (grid == nullptr)
            return state;
        state.invisible = rect().isEmpty();
        if (m_row >= 0) {
            state.selectable = true;
            state.focusable = true;
            state.selected = isSelected();
            state.focused = state.selected && grid->hasFocus();
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface && m_row >= 0)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return m_row >= 0 && m_table->isRowSelected(m_row); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {m_table->cell(-1, m_column)}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return m_table; }

private:
    CellGridAccessible* m_table;
    int m_row;
    int m_column;
};

}  // namespace

CellGridAccessible::CellGridAccessible(CellGrid* grid) : QAccessibleWidget(grid, QAccessible::Table), m_grid(grid)
{
    grid->m_accessible = this;
}

CellGridAccessible::~CellGridAccessible()
{
    if (m_grid != nullptr && m_grid->m_accessible == this)
        m_grid->m_accessible = nullptr;
    for (const auto& [place, id] : m_cells)
        QAccessible::deleteAccessibleInterface(id);
}

void CellGridAccessible::gridMade()
{
    if (g_grids++ == 0)
        QAccessible::installFactory(&makeInterface);
}

void CellGridAccessible::gridGone(CellGrid* grid)
{
    // Qt deletes the interface only after the grid's own part is gone; until then it must not read it.
    if (grid->m_accessible != nullptr)
        grid->m_accessible->m_grid = nullptr;
    if (--g_grids == 0)
        QAccessible::removeFactory(&makeInterface);
}

void CellGridAccessible::cellsChanged(CellGrid* grid, int row, int column)
{
    if (!QAccessible::isActive())
        return;
    // A reset leaves the rows and columns at -1, as Qt makes the event.
    QAccessibleTableModelChangeEvent event(grid, row < 0 ? QAccessibleTableModelChangeEvent::ModelReset
                                                         : QAccessibleTableModelChangeEvent::DataChanged);
    event.setFirstRow(row);
    event.setLastRow(row);
    event.setFirstColumn(column);
    event.setLastColumn(column);
    QAccessible::updateAccessibility(&event);
}

void CellGridAccessible::rowChosen(CellGrid* grid, int row)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    QAccessibleInterface* first = table != nullptr ? table->tableInterface()->cellAt(row, 0) : nullptr;
    if (first == nullptr)
        return;
    QAccessibleEvent selection(first, QAccessible::Selection);
    QAccessible::updateAccessibility(&selection);
    if (grid->hasFocus()) {
        QAccessibleEvent focus(first, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

bool CellGridAccessible::isValid() const
{
    return m_grid != nullptr && QAccessibleWidget::isValid();
}

QAccessibleInterface* CellGridAccessible::cell(int row, int column) const
{
    if (m_grid == nullptr || row < -1 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    const auto place = std::make_pair(row, column);
    if (const auto known = m_cells.find(place); known != m_cells.end())
        return QAccessible::accessibleInterface(known->second);
    auto* made = new GridCell(const_cast<CellGridAccessible*>(this), row, column);
    m_cells.emplace(place, QAccessible::registerAccessibleInterface(made));
    return made;
}

QRect CellGridAccessible::screenRect(int row, int column) const
{
    if (m_grid == nullptr)
        return {};
    const QRect area = row < 0 ? m_grid->headerRect(column) : m_grid->cellRect(row, column);
    return area.isEmpty() ? QRect() : QRect(m_grid->mapToGlobal(area.topLeft()), area.size());
}

QAccessibleInterface* CellGridAccessible::child(int index) const
{
    const int columns = columnCount();
    return columns > 0 && index >= 0 ? cell(index / columns - 1, index % columns) : nullptr;
}

int CellGridAccessible::childCount() const
{
    return (rowCount() + 1) * columnCount();
}

int CellGridAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (child == nullptr || child->parent() != this)
        return -1;
    // A header is no table cell; its column is found among the headers.
    if (child->role() == QAccessible::ColumnHeader) {
        for (int column = 0; column < columnCount(); ++column)
            if (cell(-1, column) == child)
                return column;
        return -1;
    }
    auto* place = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    return place != nullptr ? (place->rowIndex() + 1) * columnCount() + place->columnIndex() : -1;
}

QAccessibleInterface* CellGridAccessible::childAt(int x, int y) const
{
    if (m_grid == nullptr)
        return nullptr;
    const QPoint point = m_grid->mapFromGlobal(QPoint(x, y));
    const int row = m_grid->rowAt(point);
    for (int column = 0; column < columnCount(); ++column) {
        if (m_grid->headerRect(column).contains(point))
            return cell(-1, column);
        if (row >= 0 && m_grid->cellRect(row, column).contains(point))
            return cell(row, column);
    }
    return nullptr;
}

QAccessibleInterface* CellGridAccessible::focusChild() const
{
    if (m_grid == nullptr)
        return nullptr;
    // While a row's editor has the focus, the editor is what the user is in.
    if (!m_grid->hasFocus())
        return QAccessibleWidget::focusChild();
    return m_grid->currentRow() >= 0 ? cell(m_grid->currentRow(), 0) : nullptr;
}

void* CellGridAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* CellGridAccessible::cellAt(int row, int column) const
{
    return row >= 0 ? cell(row, column) : nullptr;
}

int CellGridAccessible::selectedCellCount() const
{
    return selectedRowCount() * columnCount();
}

QList<QAccessibleInterface*> CellGridAccessible::selectedCells() const
{
    QList<QAccessibleInterface*> cells;
    if (selectedRowCount() > 0)
        for (int column = 0; column < columnCount(); ++column)
            cells.append(cell(m_grid->currentRow(), column));
    return cells;
}

QString CellGridAccessible::columnDescription(int column) const
{
    return m_grid != nullptr ? m_grid->m_captions.value(column) : QString();
}

int CellGridAccessible::selectedRowCount() const
{
    return m_grid != nullptr && m_grid->currentRow() >= 0 ? 1 : 0;
}

int CellGridAccessible::columnCount() const
{
    return m_grid != nullptr ? m_grid->columnCount() : 0;
}

int CellGridAccessible::rowCount() const
{
    return m_grid != nullptr ? m_grid->rowCount() : 0;
}

QList<int> CellGridAccessible::selectedRows() const
{
    return selectedRowCount() > 0 ? QList<int>{m_grid->currentRow()} : QList<int>{};
}

bool CellGridAccessible::isRowSelected(int row) const
{
    return m_grid != nullptr && row >= 0 && row == m_grid->currentRow();
}

bool CellGridAccessible::selectRow(int row)
{
    if (m_grid == nullptr || row < 0 || row >= rowCount())
        return false;
    m_grid->choose(row);
    return true;
}

bool CellGridAccessible::unselectRow(int row)
{
    if (!isRowSelected(row))
        return false;
    m_grid->clearSelection();
    return true;
}

}  // namespace tarvelo::controls
