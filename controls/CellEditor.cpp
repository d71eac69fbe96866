// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CellEditor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QScrollBar>

#include "CellGrid.h"

namespace tarvelo::controls {

CellEditor::CellEditor(QLineEdit& edit, QWidget& surface, Commit when) : QObject(&edit), m_edit(edit), m_when(when)
{
    edit.setParent(&surface);
    edit.hide();
    edit.installEventFilter(this);
    if (when == Commit::WhileTyping) {
        // Only typing goes into the row: opening the edit on a row must not reformat its value.
        connect(&edit, &QLineEdit::textEdited, this, [this](const QString& text) {
            if (m_open)
                emit edited(m_row, text);
        });
    }
}

CellEditor::CellEditor(QLineEdit& edit, QAbstractItemView& view, Commit when) : CellEditor(edit, *view.viewport(), when)
{
    // An edit laid over a row that moved would sit over the wrong row; one whose row went has nowhere to go.
    connect(view.verticalScrollBar(), &QScrollBar::valueChanged, this, &CellEditor::commit);
    connect(view.horizontalScrollBar(), &QScrollBar::valueChanged, this, &CellEditor::commit);
    connect(view.model(), &QAbstractItemModel::rowsRemoved, this, &CellEditor::close);
}

CellEditor::CellEditor(QLineEdit& edit, CellGrid& grid, Commit when)
    : CellEditor(edit, static_cast<QWidget&>(grid), when)
{
    connect(&grid, &CellGrid::scrolled, this, &CellEditor::commit);
    connect(&grid, &CellGrid::rowsRemoved, this, &CellEditor::close);
}

void CellEditor::open(int row, const QRect& area, const QString& text)
{
    close();
    m_row = row;
    m_edit.setGeometry(area);
    m_edit.show();
    m_edit.raise();
    m_edit.setText(text);
    m_edit.setFocus(Qt::OtherFocusReason);
    m_open = true;
}

void CellEditor::close()
{
    // Cleared first: hiding a focused edit moves the focus, and that must not commit.
    m_open = false;
    m_edit.hide();
}

void CellEditor::commit()
{
    if (!m_open)
        return;
    close();
    if (m_when == Commit::OnLeave)
        emit committed(m_row, m_edit.text());
}

bool CellEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_edit && event->type() == QEvent::FocusOut && m_open) {
        // Typed text is already in the row, so focus moving to another control keeps the edit for more;
        // only the application losing the focus puts it away.
        if (m_when == Commit::OnLeave || QApplication::focusWidget() == nullptr)
            commit();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tarvelo::controls
