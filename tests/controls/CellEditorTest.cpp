// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>

#include "CellEditor.h"
#include "UserInput.h"

using tarvelo::controls::CellEditor;

namespace {

/// A window with a list of three rows, an edit to lay over them and another control to move the focus to.
struct EditorWindow {
    QWidget window;
    QListWidget* list = new QListWidget;
    QLineEdit* edit = new QLineEdit(&window);
    QPushButton* other = new QPushButton(QStringLiteral("Другой"));

    EditorWindow()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(list);
        layout->addWidget(other);
        list->addItems({"1", "2", "3"});
        window.show();
        tarvelo::testing::clickFocus(list);
    }
    QRect rowArea(int row) const { return list->visualItemRect(list->item(row)); }
};

}  // namespace

// Committing when the focus leaves: the edit lies over the row with its text and the focus; leaving it
// commits once; closing, or committing again, sends nothing.
TEST(CellEditor, commitsOnceWhenTheFocusLeaves)
{
    EditorWindow ui;
    auto* editor = new CellEditor(*ui.edit, *ui.list, CellEditor::Commit::OnLeave);
    QSignalSpy committed(editor, &CellEditor::committed);
    EXPECT_EQ(ui.edit->parentWidget(), ui.list->viewport());
    EXPECT_FALSE(ui.edit->isVisible());

    editor->open(1, ui.rowArea(1), QStringLiteral("2"));
    EXPECT_TRUE(ui.edit->isVisible() && ui.edit->hasFocus());
    EXPECT_EQ(ui.edit->geometry(), ui.rowArea(1));
    tarvelo::testing::typeText(ui.edit, QStringLiteral("б"));
    tarvelo::testing::clickFocus(ui.other);
    ASSERT_EQ(committed.count(), 1);
    EXPECT_EQ(committed.front(), (QVariantList{1, QStringLiteral("2б")}));
    EXPECT_FALSE(ui.edit->isVisible());
    editor->commit();

    editor->open(2, ui.rowArea(2), QStringLiteral("3"));
    editor->close();
    editor->open(0, ui.rowArea(0), QStringLiteral("1"));
    editor->open(2, ui.rowArea(2), QStringLiteral("3"));  // reopening elsewhere drops the first
    EXPECT_EQ(committed.count(), 1);
    EXPECT_EQ(editor->row(), 2);
}

// Committing while typing: only keystrokes reach the row, not the text the edit opens with; moving the focus
// to another control keeps the edit open; a row removed from the view closes it, and its row is kept.
TEST(CellEditor, followsTypingAndClosesWhenRowsGo)
{
    EditorWindow ui;
    auto* editor = new CellEditor(*ui.edit, *ui.list, CellEditor::Commit::WhileTyping);
    QSignalSpy edited(editor, &CellEditor::edited);
    QSignalSpy committed(editor, &CellEditor::committed);

    editor->open(0, ui.rowArea(0), QStringLiteral("1"));
    EXPECT_EQ(edited.count(), 0);
    tarvelo::testing::typeText(ui.edit, QStringLiteral("2"));
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.front(), (QVariantList{0, QStringLiteral("12")}));
    tarvelo::testing::clickFocus(ui.other);
    EXPECT_TRUE(ui.edit->isVisible());

    delete ui.list->takeItem(2);
    EXPECT_FALSE(editor->isOpen() || ui.edit->isVisible());
    EXPECT_EQ(editor->row(), 0);
    EXPECT_EQ(committed.count(), 0);
}
