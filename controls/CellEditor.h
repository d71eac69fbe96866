// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QObject>
#include <QRect>

class QAbstractItemView;
class QLineEdit;

namespace tarvelo::controls {

class CellGrid;

/// A line edit laid over one row of an item view or a cell grid, so that a
/// value is edited where it is shown: the axis tables, the leader records and
/// the property list all work this way. The edit moves into the view's viewport
/// or onto the grid; the dialog says where it goes and what a commit does with
/// the text.
///
/// Enter and Esc are left to the dialog (accept and cancel): a dialog that
/// accepts calls commit() first, so that an open edit counts as entered.
class CellEditor final : public QObject {
    Q_OBJECT
public:
    /// When the typed text reaches the row.
    enum class Commit {
        WhileTyping,  ///< every keystroke (edited); leaving only hides the edit
        OnLeave,      ///< once, when the edit loses focus or commit() is called (committed)
    };

    /// `edit` becomes a hidden child of `view`'s viewport; the editor is owned by `edit`.
    CellEditor(QLineEdit& edit, QAbstractItemView& view, Commit when);
    /// `edit` becomes a hidden child of `grid`; the editor is owned by `edit`.
    CellEditor(QLineEdit& edit, CellGrid& grid, Commit when);

    /// Shows `text` in the edit over `area` (in its parent's coordinates) for `row` and gives it the focus.
    void open(int row, const QRect& area, const QString& text);
    /// Hides the edit; nothing is committed.
    void close();
    /// Sends the text to the row (committed) and hides the edit; nothing when it is not open.
    void commit();

    [[nodiscard]] bool isOpen() const { return m_open; }
    /// The row last opened; it stays after the edit closes, -1 before the first.
    [[nodiscard]] int row() const { return m_row; }

signals:
    /// Typed while open (Commit::WhileTyping only).
    void edited(int row, const QString& text);
    void committed(int row, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CellEditor(QLineEdit& edit, QWidget& surface, Commit when);

    QLineEdit& m_edit;
    Commit m_when;
    int m_row = -1;
    bool m_open = false;
};

}  // namespace tarvelo::controls
