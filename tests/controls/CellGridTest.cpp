// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "CellEditor.h"
#include "CellGrid.h"

using tarvelo::controls::CellEditor;
using tarvelo::controls::CellGrid;

namespace {

std::vector<CellGrid::Row> numberedRows(int count)
{
    std::vector<CellGrid::Row> rows;
    for (int row = 0; row < count; ++row)
        rows.push_back({{QString::number(row), {}}, {QStringLiteral("шаг %1").arg(row), row * 10.0}});
    return rows;
}

/// A shown grid of `rows` rows, `height` pixels tall.
struct GridWindow {
    CellGrid grid{{QStringLiteral("Обозначение"), QStringLiteral("Шаг")}, nullptr};

    explicit GridWindow(int rows, int height = 240)
    {
        grid.resize(220, height);
        grid.setRows(numberedRows(rows));
        grid.show();
        QApplication::setActiveWindow(&grid);
    }
    void press(Qt::Key key) { QTest::keyClick(&grid, key); }
    QScrollBar* scrollBar() const { return grid.findChild<QScrollBar*>(); }
};

}  // namespace

// A click or an arrow key chooses a row and says so, even the row already chosen; a click past the
// last row chooses nothing; keys the grid has no use for go on to the dialog.
TEST(CellGrid, rowsAreChosenByClickAndKeys)
{
    GridWindow ui(3);
    QSignalSpy chosen(&ui.grid, &CellGrid::rowChosen);
    QTest::mouseClick(&ui.grid, Qt::LeftButton, {}, ui.grid.cellRect(1, 1).center());
    QTest::mouseClick(&ui.grid, Qt::LeftButton, {}, ui.grid.cellRect(1, 0).center());
    EXPECT_EQ(chosen.count(), 2);
    EXPECT_EQ(ui.grid.currentRow(), 1);
    QTest::mouseClick(&ui.grid, Qt::LeftButton, {}, ui.grid.cellRect(2, 0).center() + QPoint(0, 60));
    EXPECT_EQ(chosen.count(), 2);

    ui.press(Qt::Key_Down);
    ui.press(Qt::Key_Down);  // stays on the last row
    EXPECT_EQ(ui.grid.currentRow(), 2);
    ui.press(Qt::Key_Home);
    EXPECT_EQ(ui.grid.currentRow(), 0);
    ui.press(Qt::Key_Up);
    EXPECT_EQ(ui.grid.currentRow(), 0);
    ui.press(Qt::Key_End);
    EXPECT_EQ(chosen.last(), QVariantList{2});

    ui.grid.clearSelection();
    ui.press(Qt::Key_Down);  // from no row, the first
    EXPECT_EQ(ui.grid.currentRow(), 0);

    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&ui.grid, &enter);
    EXPECT_FALSE(enter.isAccepted());
}

// Rows that do not fit bring a scroll bar; a row chosen out of sight scrolls into it, the wheel
// scrolls back, and rows that fit again take the bar away and start from the top.
TEST(CellGrid, scrollsRowsIntoSight)
{
    GridWindow ui(3, 120);
    EXPECT_TRUE(ui.scrollBar() == nullptr || !ui.scrollBar()->isVisible());

    ui.grid.setRows(numberedRows(20));
    QSignalSpy scrolled(&ui.grid, &CellGrid::scrolled);
    ASSERT_NE(ui.scrollBar(), nullptr);
    EXPECT_TRUE(ui.scrollBar()->isVisible());
    EXPECT_FALSE(ui.grid.cellRect(0, 0).isEmpty());
    EXPECT_TRUE(ui.grid.cellRect(19, 0).isEmpty());
    // The rows leave the bar its room.
    EXPECT_LT(ui.grid.cellRect(0, 1).right(), ui.scrollBar()->geometry().left());

    ui.press(Qt::Key_End);
    EXPECT_EQ(scrolled.count(), 1);
    const QRect last = ui.grid.cellRect(19, 0);
    ASSERT_FALSE(last.isEmpty());
    EXPECT_LE(last.bottom(), ui.grid.contentsRect().bottom());
    EXPECT_TRUE(ui.grid.cellRect(0, 0).isEmpty());
    QTest::mouseClick(&ui.grid, Qt::LeftButton, {}, ui.grid.cellRect(18, 0).center());
    EXPECT_EQ(ui.grid.currentRow(), 18);

    const QPoint inside = ui.grid.cellRect(18, 0).center();
    QWheelEvent wheel(inside, ui.grid.mapToGlobal(inside), {}, QPoint(0, 10 * QWheelEvent::DefaultDeltasPerStep),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&ui.grid, &wheel);
    EXPECT_EQ(ui.grid.topRow(), 0);

    ui.press(Qt::Key_End);
    ui.grid.setRows(numberedRows(2));
    EXPECT_FALSE(ui.scrollBar()->isVisible());
    EXPECT_EQ(ui.grid.topRow(), 0);
    EXPECT_FALSE(ui.grid.cellRect(1, 1).isEmpty());
}

// Cells keep text and value; only a real change is announced; removing a row keeps the chosen row
// chosen where it moved, or forgets it when it went.
TEST(CellGrid, cellsAndRowsChange)
{
    GridWindow ui(4);
    QSignalSpy changed(&ui.grid, &CellGrid::cellChanged);
    QSignalSpy removed(&ui.grid, &CellGrid::rowsRemoved);
    EXPECT_EQ(ui.grid.text(3, 1), QStringLiteral("шаг 3"));
    EXPECT_EQ(ui.grid.value(3, 1), QVariant(30.0));
    EXPECT_EQ(ui.grid.text(4, 0), QString());  // no such row
    ui.grid.setText(1, 0, QStringLiteral("1"));
    ui.grid.setValue(1, 1, 10.0);
    EXPECT_EQ(changed.count(), 0);
    ui.grid.setText(1, 0, QStringLiteral("Б"));
    ui.grid.setValue(1, 1, QVariant());
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.front(), (QVariantList{1, 0}));

    ui.grid.appendRow({{QStringLiteral("Д"), {}}});
    EXPECT_EQ(ui.grid.rowCount(), 5);
    EXPECT_EQ(ui.grid.text(4, 1), QString());

    QTest::mouseClick(&ui.grid, Qt::LeftButton, {}, ui.grid.cellRect(2, 0).center());
    ui.grid.removeRow(0);
    EXPECT_EQ(ui.grid.currentRow(), 1);
    EXPECT_EQ(ui.grid.text(1, 1), QStringLiteral("шаг 2"));
    ui.grid.removeRow(1);
    EXPECT_EQ(ui.grid.currentRow(), -1);
    ui.grid.removeRow(7);
    EXPECT_EQ(removed.count(), 2);
    EXPECT_EQ(ui.grid.rowCount(), 3);
}

// The chosen row is drawn in the highlight colour, the others on the base colour, under a header.
TEST(CellGrid, drawsTheChosenRowHighlighted)
{
    GridWindow ui(3);
    QTest::mouseClick(&ui.grid, Qt::LeftButton, {}, ui.grid.cellRect(1, 0).center());
    const QImage picture = ui.grid.grab().toImage();
    const auto colourAt = [&picture](const QRect& cell) { return picture.pixelColor(cell.left() + 2, cell.top() + 2); };
    EXPECT_EQ(colourAt(ui.grid.cellRect(1, 1)), ui.grid.palette().color(QPalette::Highlight));
    EXPECT_EQ(colourAt(ui.grid.cellRect(0, 0)), ui.grid.palette().color(QPalette::Base));
    EXPECT_NE(picture.pixelColor(ui.grid.contentsRect().left() + 2, ui.grid.contentsRect().top() + 2),
              ui.grid.palette().color(QPalette::Base));
}

// An editor on a grid closes when its rows move or go, as on an item view.
TEST(CellGrid, editorLaidOverItFollowsItsRows)
{
    GridWindow ui(20, 120);
    auto* edit = new QLineEdit;
    auto* editor = new CellEditor(*edit, ui.grid, CellEditor::Commit::OnLeave);
    QSignalSpy committed(editor, &CellEditor::committed);
    EXPECT_EQ(edit->parentWidget(), &ui.grid);

    editor->open(0, ui.grid.cellRect(0, 0), QStringLiteral("0"));
    ui.press(Qt::Key_End);
    EXPECT_FALSE(editor->isOpen());
    EXPECT_EQ(committed.count(), 1);

    editor->open(19, ui.grid.cellRect(19, 0), QStringLiteral("19"));
    ui.grid.removeRow(3);
    EXPECT_FALSE(editor->isOpen() || edit->isVisible());
    EXPECT_EQ(committed.count(), 1);
}

// A screen reader finds a table: the column headers, then the cells row by row, each read as the grid
// shows it now, the chosen row selected and focused, or the row's editor while that has the focus.
// Choosing a row through it is choosing it by a click.
TEST(CellGrid, readsAsATableToAScreenReader)
{
    GridWindow ui(3);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&ui.grid);
    ASSERT_NE(table, nullptr);
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(cells->rowCount(), 3);
    EXPECT_EQ(table->childCount(), 8);
    EXPECT_EQ(table->child(1)->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(table->child(1)->text(QAccessible::Name), QStringLiteral("Шаг"));
    QAccessibleInterface* step = cells->cellAt(2, 1);
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(table->child(7), step);
    EXPECT_EQ(table->indexOfChild(step), 7);
    EXPECT_EQ(step->text(QAccessible::Name), QStringLiteral("шаг 2"));
    EXPECT_EQ(step->tableCellInterface()->columnHeaderCells().value(0), table->child(1));
    const QRect onScreen = step->rect();
    EXPECT_EQ(table->childAt(onScreen.center().x(), onScreen.center().y()), step);
    ui.grid.setText(2, 1, QStringLiteral("6000"));
    EXPECT_EQ(step->text(QAccessible::Name), QStringLiteral("6000"));

    QSignalSpy chosen(&ui.grid, &CellGrid::rowChosen);
    ui.grid.setFocus();
    EXPECT_TRUE(cells->selectRow(2));
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_EQ(ui.grid.currentRow(), 2);
    EXPECT_EQ(cells->selectedRows(), QList<int>{2});
    EXPECT_TRUE(step->state().selected);
    EXPECT_EQ(table->focusChild(), cells->cellAt(2, 0));
    EXPECT_FALSE(cells->selectRow(3));
    auto* edit = new QLineEdit(&ui.grid);
    edit->show();
    edit->setFocus();
    EXPECT_EQ(table->focusChild(), QAccessible::queryAccessibleInterface(edit));

    ui.grid.setRows(numberedRows(1));
    EXPECT_EQ(cells->rowCount(), 1);
    EXPECT_EQ(cells->cellAt(2, 1), nullptr);
    EXPECT_FALSE(step->isValid());
}

// The interfaces made for a grid and its cells go with it, and a later grid gets its own.
TEST(CellGrid, leavesNoInterfaceBehind)
{
    QAccessible::Id cellId = 0;
    {
        GridWindow ui(3);
        cellId = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&ui.grid)->tableInterface()->cellAt(1, 0));
        ASSERT_NE(QAccessible::accessibleInterface(cellId), nullptr);
    }
    EXPECT_EQ(QAccessible::accessibleInterface(cellId), nullptr);
    GridWindow later(2);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&later.grid);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->tableInterface()->cellAt(1, 1)->text(QAccessible::Name), QStringLiteral("шаг 1"));
}
